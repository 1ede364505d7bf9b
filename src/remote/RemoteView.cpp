#include "remote/RemoteView.h"

#include "app/App.h"
#include "core/Colors.h"
#include "remote/RemotePageTexts.h"


namespace {
const QString kZero = QStringLiteral("00:00:00");
}

RemoteView::RemoteView(App& app) : app_(app), settings_(RemoteSettings::Read(app.config))
{
    const TimingSession& s = app_.session;
    lastPhase_ = s.Phase();
    const auto direct = Qt::DirectConnection;
    auto publish = [this] { Publish(); };
    connect(&s, &TimingSession::counterTextChanged, this, [this](const QString& text) {
        if (text != kZero)
            finished_ = false;
        Publish();
    }, direct);
    // A timing ran to its end when it goes idle with the counter at zero (a reset shows the
    // timing length instead).
    connect(&s, &TimingSession::phaseChanged, this, [this](TimingPhase phase) {
        finished_ = phase == TimingPhase::Idle && lastPhase_ != TimingPhase::Idle && app_.session.CounterText() == kZero;
        lastPhase_ = phase;
        Publish();
    }, direct);
    connect(&s, &TimingSession::schemeTitleChanged, this, publish, direct);
    connect(&s, &TimingSession::schemeNumberChanged, this, publish, direct);
    connect(&s, &TimingSession::offersChanged, this, publish, direct);
    connect(&s, &TimingSession::toolbarChosen, this, publish, direct);
    connect(&s, &TimingSession::infoTextChanged, this, publish, direct);
    connect(&s, &TimingSession::counterColorChanged, this, publish, direct);
    // A new language: a page that could not be served says why anew (the port is tried again).
    connect(&s, &TimingSession::textsChanged, this, [this] {
        if (settings_.enabled && !problem_.isEmpty())
            Serve();
        else if (Serving())
            ShowTexts();
    }, direct);
}

void RemoteView::ShowTexts()
{
    app_.svc.remote.setTexts(RemotePageLanguage(), RemotePageTexts());
    app_.svc.remote.publish(State());
}

RemoteView::~RemoteView()
{
    Stop();
}

void RemoteView::StartIfEnabled()
{
    settings_ = RemoteSettings::Read(app_.config);
    if (settings_.enabled)
        Serve();
}

void RemoteView::Stop()
{
    app_.svc.remote.stop();
}

bool RemoteView::Serving() const
{
    return app_.svc.remote.serving();
}

void RemoteView::Serve()
{
    if (settings_.controlKey.isEmpty()) {
        settings_.controlKey = RemoteSettings::NewControlKey(app_.svc.random);
        RemoteSettings::WriteControlKey(app_.config, settings_.controlKey);
    }
    problem_ = app_.svc.remote.start(settings_.port, settings_.controlKey, *this, ServedAddress());
    if (problem_.isEmpty())
        ShowTexts();
    emit settingsChanged();
}

void RemoteView::SetEnabled(bool on)
{
    settings_.enabled = on;
    RemoteSettings::WriteEnabled(app_.config, on);
    if (on) {
        Serve();
        return;
    }
    Stop();
    problem_.clear();
    emit settingsChanged();
}

void RemoteView::SetPort(quint16 port)
{
    if (port == settings_.port)
        return;
    settings_.port = port;
    RemoteSettings::WritePort(app_.config, port);
    if (settings_.enabled)
        Serve();
    else
        emit settingsChanged();
}

void RemoteView::SetAddress(const QString& address)
{
    if (address == settings_.address)
        return;
    settings_.address = address;
    RemoteSettings::WriteAddress(app_.config, address);
    if (settings_.enabled)
        Serve();
    else
        emit settingsChanged();
}

QStringList RemoteView::Addresses() const
{
    return app_.svc.remote.addresses();
}

QString RemoteView::ServedAddress() const
{
    if (settings_.address.isEmpty() || !Addresses().contains(settings_.address))
        return QString();
    return settings_.address;
}

void RemoteView::ChangeControlKey()
{
    settings_.controlKey = RemoteSettings::NewControlKey(app_.svc.random);
    RemoteSettings::WriteControlKey(app_.config, settings_.controlKey);
    app_.svc.remote.setControlKey(settings_.controlKey);
    emit settingsChanged();
}

RemoteState RemoteView::State() const
{
    const TimingSession& s = app_.session;
    RemoteState r;
    r.counter = s.CounterText();
    r.title = s.SchemeTitle();
    r.info = s.InfoText();
    r.pauseWord = s.PauseWord();
    r.phase = int(s.Phase());
    r.scheme = s.FangAnId();
    r.mode = int(s.Mode());
    // The colour of the counter the program shows now, in the window of its display mode.
    TimingSession::CounterView view = TimingSession::MainCounter;
    if (s.Mode() == DisplayMode::Toolbar)
        view = s.LargeToolbarChosen() ? TimingSession::LargeToolbarCounter : TimingSession::SmallToolbarCounter;
    else if (s.Mode() == DisplayMode::FullScreen)
        view = TimingSession::FullScreenCounter;
    const int bgr = s.CounterColor(view);
    r.color = ColorFromBgr(bgr < 0 ? 255 : bgr).name();
    r.blinking = s.Blinking();
    r.finished = finished_;
    r.overtime = s.Overtime();
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        const CommandOffer o = s.Offered(CommandId(id));
        r.offers += QLatin1Char(!o.visible ? 'h' : o.enabled ? 'o' : 'd');
    }
    return r;
}

bool RemoteView::runRemoteCommand(int id)
{
    // As a hotkey press: only the hotkeys' commands, only when offered and not held off.
    return id >= 1 && id <= kHotKeyCommands && app_.RunOffered(CommandId(id));
}

void RemoteView::Publish()
{
    if (publishPending_)
        return;
    publishPending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        publishPending_ = false;
        if (Serving())
            app_.svc.remote.publish(State());
    }, Qt::QueuedConnection);
}
