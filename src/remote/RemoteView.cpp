#include "remote/RemoteView.h"

#include "config/ConfigFile.h"
#include "core/Colors.h"
#include "core/Commands.h"
#include "core/TimingSession.h"
#include "platform/Random.h"
#include "remote/RemotePageTexts.h"


namespace {
const QString kZero = QStringLiteral("00:00:00");
}

RemoteView::RemoteView(const TimingSession& session, Commands& commands, const ConfigFile& config, RemoteServer& remote,
                       Random& random)
    : session_(session)
    , commands_(commands)
    , config_(config)
    , remote_(remote)
    , random_(random)
    , settings_(RemoteSettings::Read(config))
{
    const TimingSession& s = session_;
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
        finished_ = phase == TimingPhase::Idle && lastPhase_ != TimingPhase::Idle && session_.CounterText() == kZero;
        lastPhase_ = phase;
        Publish();
    }, direct);
    connect(&s, &TimingSession::schemeTitleChanged, this, publish, direct);
    connect(&s, &TimingSession::schemeNumberChanged, this, publish, direct);
    connect(&s, &TimingSession::offersChanged, this, publish, direct);
    connect(&s, &TimingSession::toolbarChosen, this, publish, direct);
    connect(&s, &TimingSession::infoTextChanged, this, publish, direct);
    connect(&s, &TimingSession::counterColorChanged, this, publish, direct);
    connect(&s, &TimingSession::debateChanged, this, publish, direct);
    connect(&s, &TimingSession::signalColorChanged, this, publish, direct);
    connect(&s, &TimingSession::speakerMessageChanged, this, publish, direct);
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
    remote_.setTexts(RemotePageLanguage(), RemotePageTexts());
    remote_.publish(State());
}

RemoteView::~RemoteView()
{
    Stop();
}

void RemoteView::StartIfEnabled()
{
    settings_ = RemoteSettings::Read(config_);
    if (settings_.enabled)
        Serve();
}

void RemoteView::Stop()
{
    remote_.stop();
}

bool RemoteView::Serving() const
{
    return remote_.serving();
}

void RemoteView::Serve()
{
    if (settings_.controlKey.isEmpty()) {
        settings_.controlKey = RemoteSettings::NewControlKey(random_);
        RemoteSettings::WriteControlKey(config_, settings_.controlKey);
    }
    problem_ = remote_.start(settings_.port, settings_.controlKey, *this, ServedAddress());
    if (problem_.isEmpty())
        ShowTexts();
    emit settingsChanged();
}

void RemoteView::SetEnabled(bool on)
{
    settings_.enabled = on;
    RemoteSettings::WriteEnabled(config_, on);
    if (on) {
        Serve();
        return;
    }
    Stop();
    problem_.clear();
    emit settingsChanged();
}

void RemoteView::ServeAgain()
{
    if (settings_.enabled)
        Serve();
    else
        emit settingsChanged();
}

void RemoteView::SetPort(quint16 port)
{
    if (port == settings_.port)
        return;
    settings_.port = port;
    RemoteSettings::WritePort(config_, port);
    ServeAgain();
}

void RemoteView::SetAddress(const QString& address)
{
    if (address == settings_.address)
        return;
    settings_.address = address;
    RemoteSettings::WriteAddress(config_, address);
    ServeAgain();
}

QStringList RemoteView::Addresses() const
{
    return remote_.addresses();
}

QString RemoteView::ServedAddress() const
{
    if (settings_.address.isEmpty() || !Addresses().contains(settings_.address))
        return QString();
    return settings_.address;
}

void RemoteView::ChangeControlKey()
{
    settings_.controlKey = RemoteSettings::NewControlKey(random_);
    RemoteSettings::WriteControlKey(config_, settings_.controlKey);
    remote_.setControlKey(settings_.controlKey);
    emit settingsChanged();
}

RemoteState RemoteView::State() const
{
    const TimingSession& s = session_;
    RemoteState r;
    r.counter = s.CounterText();
    r.title = speakerTitle_.isEmpty() ? s.SchemeTitle() : speakerTitle_;
    r.next = nextSpeaker_;
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
    // A contest signal fills the page; the digits black or white on it, as on the displays.
    if (const auto signal = s.SignalColor()) {
        r.signal = SignalColorText(*signal);
        r.color = QColor(DigitsOnSignal(*signal)).name();
    }
    r.blinking = s.Blinking();
    r.finished = finished_;
    r.overtime = s.Overtime();
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        const CommandOffer o = commands_.Offered(HotKeyCommand(id));
        r.offers += QLatin1Char(!o.visible ? 'h' : o.enabled ? 'o' : 'd');
    }
    r.message = s.SpeakerMessage();
    r.speaker = speakerTitle_;
    r.adjustable = commands_.Offered(CommandId::AdjustTime).offered();
    if (s.IsDebate()) {
        const DebateShown d = s.Debate();
        r.debate = true;
        r.floor = d.floor;
        for (int side = 0; side < 2; ++side) {
            r.sideNames[side] = d.sides[side].name;
            r.sideTexts[side] = d.sides[side].text;
            r.sideGone[side] = d.sides[side].gone;
        }
    }
    return r;
}

bool RemoteView::runRemoteCommand(int id)
{
    // As a hotkey press: only the hotkeys' commands, only when offered and not held off.
    return id >= 1 && id <= kHotKeyCommands && commands_.RunOffered(HotKeyCommand(id));
}

bool RemoteView::runRemoteAdjust(int seconds)
{
    return seconds >= -3600 && seconds <= 3600 && commands_.AdjustTime(seconds).has_value();
}

void RemoteView::setRemoteMessage(const QString& text)
{
    commands_.SetSpeakerMessage(text);
}

void RemoteView::ShowSpeaker(const QString& title, const QString& next)
{
    speakerTitle_ = title;
    nextSpeaker_ = next;
    Publish();
}

void RemoteView::Publish()
{
    if (publishPending_)
        return;
    publishPending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        publishPending_ = false;
        if (Serving())
            remote_.publish(State());
    }, Qt::QueuedConnection);
}
