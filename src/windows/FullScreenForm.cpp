#include "windows/FullScreenForm.h"

#include "windows/DebateBoard.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/Commands.h"
#include "core/PopupMenu.h"
#include "core/Language.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "display/MonitorChoice.h"
#include "platform/ProgramEnv.h"
#include "config/RegularFile.h"
#include "windows/Control.h"
#include "windows/CounterBacks.h"
#include "windows/CounterLabel.h"
#include "windows/LabelColor.h"
#include "windows/SessionViews.h"
#include "windows/Look.h"
#include "windows/RunningLights.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

constexpr int kWindowBack = counter_backs::kFullScreen;
constexpr int kBarBack = 0x00C00000;
constexpr int kTitleColor = 0x00FFFFFF;
constexpr int kInfoColor = 0x00C0C0C0;
constexpr int kControlColor = 0x000040C0;
constexpr int kDisabledColor = 0x00808080;
constexpr int kCounterColor = 0x00FF0000;
constexpr int kPausedColor = kTitleColor; // white on a plate of the bars' dark blue (12:1)

constexpr int kBarHeight = 885;        // Picture1, Picture2
constexpr int kPanelHeight = 3075;     // Picture3
constexpr int kShowtimeHeight = 3105;
constexpr int kLightsWidth = 10035;    // Picture4
constexpr int kLightsHeight = 465;
constexpr qint64 kMaxPictureBytes = qint64(256) << 20; // larger counts as unreadable

void SetControlLabelColors(Control* c, const QColor& enabled = ColorFromBgr(kControlColor),
                           const QColor& disabled = ColorFromBgr(kDisabledColor))
{
    QPalette p = c->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, enabled);
    p.setColor(QPalette::Inactive, QPalette::WindowText, enabled);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    c->setPalette(p);
}

// A label as wide as its text and half its height on either side, centred in the window.
void CentrePlate(QLabel* label, int windowWidth)
{
    const int plate = label->fontMetrics().horizontalAdvance(label->text()) + label->height();
    label->setGeometry((windowWidth - plate) / 2, label->y(), plate, label->height());
}

void SetBack(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

} // namespace

FullScreenForm::FullScreenForm(TimingSession& session, Commands& commands, PopupMenu& popup, const ConfigFile& config,
                               const ProgramDir& programDir)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , session_(session)
    , commands_(commands)
    , popup_(popup)
    , config_(config)
    , programDir_(programDir)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromBgr(kWindowBack));
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    BuildControls();
    RetranslateUi();
    connect(qApp, &QGuiApplication::screenAdded, this, &FullScreenForm::MonitorsChanged);
    connect(qApp, &QGuiApplication::screenRemoved, this, &FullScreenForm::MonitorsChanged);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &FullScreenForm::MonitorsChanged);
}

FullScreenForm::~FullScreenForm() = default;

void FullScreenForm::BuildControls()
{
    // Labels lie below the panels and the picture box: created first.
    Showtime = new CounterLabel(this);
    Showtime->setText(QStringLiteral("00:00:00"));
    Showtime->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Showtime->setFont(look::DesignFont(look::ArialNarrowFamilies(), 159.75, true));
    SetForeColor(Showtime, kCounterColor);
    PopupOnRightRelease(Showtime);
    Showtime->DblClick = [this] { Showtime_DblClick(); };

    Picture1 = new Control(this);
    Picture1->SetBackColor(kBarBack);
    Picture1->MouseMove = [this](Qt::MouseButtons, QPoint) { HideFullScreenControls(); };
    PopupOnRightRelease(Picture1);

    Label1 = new Control(Picture1);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(look::DesignFont(look::SimSunFamilies(), 18, true));
    SetForeColor(Label1, kTitleColor);
    PopupOnRightRelease(Label1);

    SpeakerLabel = new Control(this);
    SpeakerLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpeakerLabel->setFont(look::DesignFont(look::SimSunFamilies(), 24, true));
    SetForeColor(SpeakerLabel, kTitleColor);
    SpeakerLabel->setVisible(false);
    PopupOnRightRelease(SpeakerLabel);

    NextLabel = new Control(this);
    NextLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NextLabel->setFont(look::DesignFont(look::SimSunFamilies(), 18, true));
    SetForeColor(NextLabel, kTitleColor);
    NextLabel->setVisible(false);
    PopupOnRightRelease(NextLabel);

    // Where the audience looks: right below the digits.
    PausedLabel = new Control(this);
    PausedLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PausedLabel->setFont(look::DesignFont(look::SimSunFamilies(), 36, true));
    SetForeColor(PausedLabel, kPausedColor);
    PausedLabel->SetBackColor(kBarBack);
    PausedLabel->setVisible(false);
    PopupOnRightRelease(PausedLabel);

    Picture2 = new Control(this);
    Picture2->SetBackColor(kBarBack);
    Picture2->MouseMove = [this](Qt::MouseButtons, QPoint) { HideFullScreenControls(); };
    PopupOnRightRelease(Picture2);

    Label2 = new Control(Picture2);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2->setFont(look::DesignFont(look::SimSunFamilies(), 14.25, true));
    SetForeColor(Label2, kInfoColor);
    PopupOnRightRelease(Label2);

    Picture3 = new Control(this);
    Picture3->SetBackColor(kWindowBack);
    Picture3->MouseMove = [this](Qt::MouseButtons, QPoint) { ShowFullScreenControls(); };
    PopupOnRightRelease(Picture3);

    Picture4 = new RunningLights(Picture3);

    struct LabelDesign {
        Control** label;
        void (FullScreenForm::*click)();
    };
    const LabelDesign labels[] = {
        {&KongZhi1, &FullScreenForm::KongZhi1_Click},
        {&KongZhi2, &FullScreenForm::KongZhi2_Click},
        {&KongZhi3, &FullScreenForm::KongZhi3_Click},
        {&KongZhi4, &FullScreenForm::KongZhi4_Click},
    };
    for (const LabelDesign& d : labels) {
        auto* c = new Control(Picture3);
        c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c->setFont(look::DesignFont(look::SimSunFamilies(), 14.25, true, true));
        SetControlLabelColors(c);
        c->setCursor(look::HandCursor());
        // A right click on a control label does nothing, not even when the label is disabled.
        c->setAttribute(Qt::WA_NoMousePropagation);
        c->Click = [this, click = d.click] { (this->*click)(); };
        c->setVisible(false); // until the mouse first moves over the lower panel
        *d.label = c;
    }

    Picture5 = new Control(this);
    Picture5->SetBackColor(kWindowBack);
    Picture5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture5->resize(0, 0);
    Picture5->setVisible(false);
    PopupOnRightRelease(Picture5);
}

void FullScreenForm::RetranslateUi()
{
    setWindowTitle(tr("Horalto 全屏幕"));
    PausedLabel->setText(tr("已暂停"));
    CentrePlate(PausedLabel, width());
    Showtime->setToolTip(tr("双击可以设置显示文字颜色！"));
    Label2->setToolTip(tr("双击此处修改程序信息！"));
    const struct {
        Control* label;
        QString caption;
        int left, width;
    } labels[] = {
        {KongZhi1, tr("开始计时"), 210, 1260},
        {KongZhi2, tr("复位计时器"), 1740, 1575},
        {KongZhi3, tr("返回主界面"), 3585, 1575},
        // The English caption before it is longer.
        {KongZhi4, tr("工具条模式"), UiLanguage() == Language::English ? 5850 : 5430, 1575},
    };
    for (const auto& d : labels) {
        d.label->setText(d.caption);
        look::PlaceOnDesignBaseline(d.label, TwipsRect(d.left, 2730, d.width, 285), look::SimSunAscent,
                                    look::TextFit::AutoSize);
    }
}

void FullScreenForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void FullScreenForm::PopupOnRightRelease(Control* c)
{
    c->MouseUp = [this, c](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::RightButton)
            ShowPopup(c->mapToGlobal(pos));
    };
}

void FullScreenForm::ShowPopup(QPoint globalPos)
{
    popup_.ShowPopupMenu(this, globalPos);
}

void FullScreenForm::Form_Load()
{
    const TimingSession& s = session_;

    // The information picture, loaded once (centred with the layout below).
    if (!s.InfoPictureName().isEmpty()) {
        // A missing or unreadable picture, or a path that names no regular file (a named pipe
        // would block), leaves the box empty (and without size); no message.
        QPixmap picture;
        if (const auto bytes = ReadRegularFile(programDir_.path() + QLatin1Char('/') + s.InfoPictureName(), kMaxPictureBytes))
            picture.loadFromData(*bytes);
        if (!picture.isNull()) {
            Picture5->setPixmap(picture);
            Picture5->resize(picture.size());
        }
        centrePicture_ = true;
    }
    ShowTitle();
    Label2->setText(s.InfoText());

    // The window covers the chosen monitor, the controls laid out for its size.
    PlaceOnChosenMonitor();
    Picture3->setEnabled(true);
    // Topmost: the window is created with Qt::WindowStaysOnTopHint.

    auto moveLight = [this](int from, int to) {
        Picture4->SetLit(from, false);
        Picture4->SetLit(to, true);
    };
    FollowCounter(this, s, Showtime, TimingSession::FullScreenCounter);
    FollowDebate(this, s, Showtime, new DebateBoard(this, DebateBoard::Layout::Stage), TimingSession::FullScreenCounter);
    FollowSignal(this, s, [this](std::optional<QColor> signal) { ShowSignal(signal); });
    PausedLabel->setVisible(s.Phase() == TimingPhase::Paused);
    connect(&s, &TimingSession::phaseChanged, this,
            [this](TimingPhase phase) { PausedLabel->setVisible(phase == TimingPhase::Paused); }, Qt::DirectConnection);
    FollowOffers(this, s, {{KongZhi1, CommandId::Start}, {KongZhi2, CommandId::Reset},
                           {KongZhi3, CommandId::BackToMain}, {KongZhi4, CommandId::ToolbarMode}});
    Picture5->setVisible(s.InfoPictureShown());
    if (s.LitLight() != 0)
        moveLight(0, s.LitLight());
    const auto direct = Qt::DirectConnection;
    connect(&s, &TimingSession::schemeTitleChanged, this, &FullScreenForm::ShowTitle, direct);
    connect(&s, &TimingSession::infoTextChanged, this, [this](const QString& text) { Label2->setText(text); }, direct);
    connect(&s, &TimingSession::infoPictureShownChanged, this, [this](bool shown) { Picture5->setVisible(shown); }, direct);
    connect(&s, &TimingSession::runningLightMoved, this, moveLight, direct);
}

void FullScreenForm::ShowSignal(std::optional<QColor> signal)
{
    // The signal fills the whole window, bars and panels alike; every text on it, and the
    // lights, in the digits' black or white.
    const auto back = [&signal](int own) { return signal ? *signal : ColorFromBgr(own); };
    const auto ink = [&signal](int own) {
        return signal ? QColor(DigitsOnSignal(signal->rgb())) : ColorFromBgr(own);
    };
    for (QWidget* w : std::initializer_list<QWidget*>{this, Picture3, Picture5})
        SetBack(w, back(kWindowBack));
    SetBack(Picture1, back(kBarBack));
    SetBack(Picture2, back(kBarBack));
    Picture4->ShowSignal(signal);
    SetForeColor(Label1, BgrFromColor(ink(kTitleColor)));
    SetForeColor(SpeakerLabel, BgrFromColor(ink(kTitleColor)));
    SetForeColor(NextLabel, BgrFromColor(ink(kTitleColor)));
    SetForeColor(PausedLabel, BgrFromColor(ink(kPausedColor)));
    SetBack(PausedLabel, signal ? *signal : ColorFromBgr(kBarBack)); // on a signal: the ink alone
    SetForeColor(Label2, BgrFromColor(ink(kInfoColor)));
    QColor disabled = ink(kDisabledColor);
    if (signal)
        disabled.setAlpha(110);
    for (Control* c : {KongZhi1, KongZhi2, KongZhi3, KongZhi4})
        SetControlLabelColors(c, ink(kControlColor), disabled);
}

void FullScreenForm::ShowSpeaker(const QString& title, const QString& next)
{
    speakerTitle_ = title;
    ShowTitle();
    SpeakerLabel->setText(title);
    SpeakerLabel->adjustSize();
    SpeakerLabel->setVisible(!title.isEmpty());
    NextLabel->setText(next);
    NextLabel->adjustSize();
    NextLabel->setVisible(!next.isEmpty());
}

void FullScreenForm::ShowTitle()
{
    // With a programme the contest's own title stays in the bar, the speaker below it.
    Label1->setText(speakerTitle_.isEmpty() ? session_.SchemeTitle() : session_.TitleText);
}

void FullScreenForm::PlaceOnChosenMonitor()
{
    QScreen* target = FullScreenScreen(ReadFullScreenMonitor(config_));
    if (!target)
        return; // no monitor at all: nothing to cover
    if (target != placedOn_) {
        disconnect(placedGeometry_);
        placedGeometry_ = connect(target, &QScreen::geometryChanged, this, &FullScreenForm::MonitorsChanged);
        placedOn_ = target;
    }
    const QRect screen = target->geometry();
    const int screenW = screen.width() * 15; // twips
    const int screenH = screen.height() * 15;

    // 1. The window covers the screen.
    setGeometry(screen);
    DockPanels();

    // 2. The counter's lower edge lies on the middle line of the screen.
    Showtime->setGeometry(TwipsRect(0, screenH / 2.0 - kShowtimeHeight, screenW, kShowtimeHeight));
    look::PlaceOnDesignBaseline(Showtime, Showtime->geometry(), look::ArialNarrowAscent, look::TextFit::KeepSize);

    // 3. Title.
    look::PlaceOnDesignBaseline(Label1, TwipsRect(0, 270, screenW - 20, 360), look::SimSunAscent, look::TextFit::GrowToText);

    // The current speaker below the title bar, the one who follows below that.
    look::PlaceOnDesignBaseline(SpeakerLabel, TwipsRect(120, kBarHeight + 150, screenW - 240, 480), look::SimSunAscent,
                                look::TextFit::GrowToText);
    look::PlaceOnDesignBaseline(NextLabel, TwipsRect(120, kBarHeight + 750, screenW - 240, 360), look::SimSunAscent,
                                look::TextFit::GrowToText);
    // "已暂停" centred just below the counter's lower edge.
    look::PlaceOnDesignBaseline(PausedLabel, TwipsRect(0, screenH / 2.0 + 360, screenW, 720), look::SimSunAscent,
                                look::TextFit::KeepSize);
    CentrePlate(PausedLabel, width());

    // 4. Information text.
    look::PlaceOnDesignBaseline(Label2, TwipsRect(0, 240, screenW - 20, 360), look::SimSunAscent, look::TextFit::GrowToText);

    // 5. The lights strip in the middle (a little left of it).
    Picture4->setGeometry(TwipsRect((screenW - kLightsWidth) / 2.0 - 80, 450, kLightsWidth, kLightsHeight));

    // 6. The information picture in the middle of the screen.
    if (centrePicture_) {
        const int picW = Picture5->width() * 15, picH = Picture5->height() * 15;
        Picture5->move(Twips((screenW - picW) / 2.0), Twips((screenH - picH) / 2.0));
    }
}

void FullScreenForm::MonitorsChanged()
{
    // While hidden the window is placed again when it is shown.
    if (isVisible())
        PlaceOnChosenMonitor();
}

void FullScreenForm::DockPanels()
{
    // Picture1 on the top edge, Picture2 on the bottom edge, Picture3 directly above Picture2.
    const int w = width(), h = height();
    Picture1->setGeometry(0, 0, w, Twips(kBarHeight));
    Picture2->setGeometry(0, h - Twips(kBarHeight), w, Twips(kBarHeight));
    Picture3->setGeometry(0, h - Twips(kBarHeight) - Twips(kPanelHeight), w, Twips(kPanelHeight));
}

void FullScreenForm::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    DockPanels();
}

void FullScreenForm::Timer1_Timer()
{
    session_.StepRunningLight(session_.IsTiming());
}

bool FullScreenForm::LightLit(int k) const
{
    return Picture4->IsLit(k);
}

void FullScreenForm::ShowFullScreenControls()
{
    KongZhi1->setVisible(true);
    KongZhi2->setVisible(true);
    KongZhi3->setVisible(true);
    KongZhi4->setVisible(true);
}

void FullScreenForm::HideFullScreenControls()
{
    KongZhi1->setVisible(false);
    KongZhi2->setVisible(false);
    KongZhi3->setVisible(false);
    KongZhi4->setVisible(false);
}

void FullScreenForm::KongZhi1_Click() { commands_.Run(CommandId::Start, this); }
void FullScreenForm::KongZhi2_Click() { commands_.Run(CommandId::Reset, this); }
void FullScreenForm::KongZhi3_Click() { commands_.Run(CommandId::BackToMain, this); }
void FullScreenForm::KongZhi4_Click() { commands_.Run(CommandId::ToolbarMode, this); }

void FullScreenForm::Showtime_DblClick()
{
    commands_.Run(CommandId::FullScreenCounterColor, this);
}

void FullScreenForm::mouseMoveEvent(QMouseEvent*)
{
    HideFullScreenControls();
}

void FullScreenForm::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        ShowPopup(e->globalPosition().toPoint());
}

void FullScreenForm::closeEvent(QCloseEvent* e)
{
    // The window lives until the program ends; the window system cannot close it.
    if (e->spontaneous())
        e->ignore();
}
