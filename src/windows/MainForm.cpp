#include "windows/MainForm.h"

#include "windows/DebateBoard.h"

#include "config/ConfigKeys.h"
#include "core/Commands.h"
#include "core/PopupMenu.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "windows/Control.h"
#include "windows/CounterLabel.h"
#include "windows/SessionViews.h"
#include "windows/Look.h"
#include "windows/WindowDrag.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
QFont FontOf(const QStringList& families, double points, bool bold)
{
    return look::DesignFont(families, points, bold);
}

const QStringList kDefaultFont = {"Noto Sans CJK SC", "SimSun", "Liberation Sans"};
} // namespace

void ImageButton::Show(int element)
{
    state = element;
    shown->setPixmap(pictures[element]);
}

MainForm::MainForm(TimingSession& session, Commands& commands, PopupMenu& popup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , session_(session)
    , commands_(commands)
    , popup_(popup)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(Twips(6615), Twips(3720));
    setMouseTracking(true);
    setFont(FontOf(kDefaultFont, 9, false));
    background_.load(QStringLiteral(":/images/main_background.png"));
    BuildControls();
    RetranslateUi();
    FollowSession();
}

void MainForm::RetranslateUi()
{
    auto fit = [](Control* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    Label5->setToolTip(tr("双击修改标题信息！"));
    Image3.shown->setToolTip(tr("最小化"));
    Image2.shown->setToolTip(tr("全屏"));
    Image1.shown->setToolTip(tr("关闭"));
    fit(Label1, tr("当前时间："));
    fit(Label4, tr("计时长度："));
    fit(Label2, tr("开始时间："));
    fit(Label3, tr("结束时间："));
    Showtime->setToolTip(tr("双击可以设置显示文字颜色！"));
    JishiStart->setText(tr("计 时"));
    JishiEnd->setText(tr("复 位"));
    ShowPauseCaption();
    MinMe->setText(tr("缩 小"));
    MaxMe->setText(tr("全 屏"));
    SetupMe->setText(tr("设 置"));
    ExitMe->setText(tr("退 出"));
    NoSound->setText(tr("没有可用的声音输出"));
    NoSound->adjustSize();
    // A line of its own, centred below the digits and above the lower line, clear of the buttons.
    NoSound->move((width() - NoSound->width()) / 2, Twips(2970) - NoSound->height() - 2);
    NoSound->raise();
    PlaceNotice();
}

void MainForm::ShowTitle(const QString& caption)
{
    const int room = Image3.shown->x() - Label5->x() - Twips(60);
    Label5->setText(QFontMetrics(Label5->font()).elidedText(caption, Qt::ElideRight, room));
    Label5->adjustSize();
    setWindowTitle(caption);
}

void MainForm::ShowPauseCaption()
{
    JishiPause->setText(session_.Phase() == TimingPhase::Paused ? tr("继 续") : tr("暂 停"));
}

void MainForm::FollowSession()
{
    const TimingSession& s = session_;
    auto fit = [](Control* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    auto showTimes = [this, fit] {
        const TimingSession& s = session_;
        fit(StartTime, s.StartTimeText());
        fit(EndTime, s.EndTimeText());
        fit(TimeLen, s.TimeLenShown());
    };
    // A counter text wider than the label and than the designed "00:00:00" (the "+" of
    // overtime) is drawn smaller, whole.
    auto fitCounter = [this, design = Showtime->font()] {
        const QFontMetrics m(design);
        const int room = std::max(Showtime->width(), m.horizontalAdvance(QStringLiteral("00:00:00")));
        const int need = m.horizontalAdvance(Showtime->text());
        QFont f = design;
        if (need > room)
            f.setPixelSize(std::max(1, design.pixelSize() * room / need));
        Showtime->setFont(f);
    };
    FollowCounter(this, s, Showtime, TimingSession::MainCounter, fitCounter);
    FollowDebate(this, s, Showtime, new DebateBoard(this, DebateBoard::Layout::Halves), TimingSession::MainCounter);
    FollowSignal(this, s, [this](std::optional<QColor> signal) {
        signal_ = signal;
        update(CounterPanel());
    });
    FollowOffers(this, s, {{JishiStart, CommandId::Start}, {JishiEnd, CommandId::Reset},
                           {JishiPause, CommandId::PauseContinue}, {MinMe, CommandId::ToolbarMode},
                           {MaxMe, CommandId::FullScreenMode}, {SetupMe, CommandId::Setup}});
    ShowCurrentTitle();
    fit(IsTime, s.ClockText());
    showTimes();
    const auto direct = Qt::DirectConnection;
    connect(&s, &TimingSession::schemeTitleChanged, this, &MainForm::ShowCurrentTitle, direct);
    NoSound->setVisible(s.SoundOutputMissing());
    connect(&s, &TimingSession::soundOutputMissingChanged, this, [this](bool missing) {
        NoSound->setVisible(missing);
        PlaceNotice();
    }, direct);
    connect(&s, &TimingSession::clockTextChanged, this, [this, fit](const QString& text) { fit(IsTime, text); }, direct);
    connect(&s, &TimingSession::timeLabelsChanged, this, showTimes, direct);
    connect(&s, &TimingSession::phaseChanged, this, &MainForm::ShowPauseCaption, direct);
}

void MainForm::ShowSpeaker(const QString& title)
{
    speakerTitle_ = title;
    ShowCurrentTitle();
}

void MainForm::ShowNotice(const QString& text)
{
    notice_ = text;
    PlaceNotice();
}

void MainForm::PlaceNotice()
{
    // On NoSound's line, or the line above it while NoSound shows.
    const int left = Twips(360);
    Notice->setText(QFontMetrics(Notice->font()).elidedText(notice_, Qt::ElideRight, Twips(6500) - left));
    Notice->setToolTip(notice_);
    Notice->adjustSize();
    Notice->move(left, NoSound->isVisibleTo(this) ? NoSound->y() - Notice->height() - 1 : NoSound->y());
    Notice->setVisible(!notice_.isEmpty());
}

void MainForm::ShowCurrentTitle()
{
    const QString caption = speakerTitle_.isEmpty() ? session_.SchemeTitle() : speakerTitle_;
    if (!caption.isEmpty())
        ShowTitle(caption);
}

MainForm::~MainForm() = default;

void MainForm::BuildControls()
{
    auto label = [this](QWidget* parent, int left, int top, const QString& text = {}) {
        auto* l = new Control(parent);
        l->move(Twips(left), Twips(top));
        l->setText(text);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
        l->adjustSize();
        return l;
    };

    Picture1 = new Control(this);
    Picture1->setGeometry(TwipsRect(60, 60, 6500, 285));
    Picture1->SetBackColor(16711680);
    Picture1->MouseDown = [this](Qt::MouseButton b, QPoint pos) { DragWindow(this, b, Picture1->mapToGlobal(pos)); };
    Picture1->MouseMove = [this](Qt::MouseButtons, QPoint) { ImageButtonsNormal(); };

    Label5 = new Control(Picture1);
    Label5->setFont(FontOf(look::SimSunFamilies(), 10.5, true));
    // Inside the strip: a stand-in face with a taller ascent would draw below its bottom.
    look::PlaceOnDesignBaseline(Label5, TwipsRect(90, 30, 0, 0), look::SimSunAscent, look::TextFit::AutoSize);
    QPalette p5 = Label5->palette();
    p5.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    Label5->setPalette(p5);
    Label5->MouseDown = [this](Qt::MouseButton b, QPoint pos) { DragWindow(this, b, Label5->mapToGlobal(pos)); };
    Label5->DblClick = [this] { Label5_DblClick(); };

    struct Design { ImageButton* button; int left, width; const char* name; };
    const Design designs[] = {{&Image3, 5010, 405, "min"}, {&Image2, 5415, 390, "full"}, {&Image1, 5805, 630, "close"}};
    for (const Design& s : designs) {
        ImageButton& b = *s.button;
        b.shown = new Control(Picture1);
        b.shown->setGeometry(TwipsRect(s.left, 30, s.width, 225));
        b.shown->setScaledContents(true);
        const QString base = QStringLiteral(":/images/title_%1_").arg(QLatin1String(s.name));
        b.pictures[1].load(base + "normal.png");
        b.pictures[2].load(base + "hover.png");
        b.pictures[3].load(base + "pressed.png");
        b.pictures[0] = b.pictures[1];
        b.Show(1);
        b.shown->MouseMove = [this, &b](Qt::MouseButtons, QPoint) {
            for (ImageButton* other : {&Image1, &Image2, &Image3})
                other->Show(other == &b ? 2 : 1);
        };
        b.shown->MouseDown = [&b](Qt::MouseButton, QPoint) { b.Show(3); };
        b.shown->MouseUp = [this, &b](Qt::MouseButton, QPoint) { ImageButton_MouseUp(b); };
    }

    Label1 = label(this, 360, 570);
    IsTime = label(this, 1440, 570, QStringLiteral("00:00:00"));
    Label4 = label(this, 3360, 570);
    TimeLen = label(this, 4320, 570, QStringLiteral("00:00:00"));
    Label2 = label(this, 360, 930);
    StartTime = label(this, 1440, 930, QStringLiteral("00:00:00"));
    Label3 = label(this, 3360, 930);
    EndTime = label(this, 4320, 930, QStringLiteral("00:00:00"));

    Showtime = new CounterLabel(this);
    Showtime->setGeometry(TwipsRect(360, 1290, 5715, 1665));
    Showtime->setAlignment(Qt::AlignCenter);
    Showtime->setFont(FontOf({"Arial", "Liberation Sans"}, 72, true));
    Showtime->setText(QStringLiteral("00:00:00"));
    Showtime->MouseUp = [this](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::RightButton)
            popup_.ShowPopupMenu(this, Showtime->mapToGlobal(pos));
    };
    Showtime->DblClick = [this] { Showtime_DblClick(); };

    // Below the counter's digits, where the chairperson looks before a start.
    NoSound = label(this, 360, 2970);
    NoSound->setFont(FontOf(kDefaultFont, 9, true));
    QPalette warn = NoSound->palette();
    warn.setColor(QPalette::WindowText, QColor(0xFF, 0xD0, 0x40));
    NoSound->setPalette(warn);
    NoSound->hide();
    Notice = label(this, 360, 2925);
    Notice->setFont(NoSound->font());
    Notice->setPalette(warn);
    Notice->hide();

    auto button = [this](int left, void (MainForm::*handler)()) {
        auto* b = new QPushButton(this);
        b->setGeometry(TwipsRect(left, 3180, 825, 375));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    JishiStart = button(180, &MainForm::JishiStart_Click);
    JishiEnd = button(1080, &MainForm::JishiEnd_Click);
    JishiPause = button(1995, &MainForm::JishiPause_Click);
    MinMe = button(2895, &MainForm::MinMe_Click);
    MaxMe = button(3795, &MainForm::MaxMe_Click);
    SetupMe = button(4710, &MainForm::SetupMe_Click);
    ExitMe = button(5610, &MainForm::ExitMe_Click);
}

void MainForm::Timer1_Timer() { session_.Tick(); }

void MainForm::JishiStart_Click() { commands_.Run(CommandId::Start, this); }
void MainForm::JishiPause_Click() { commands_.Run(CommandId::PauseContinue, this); }
void MainForm::JishiEnd_Click() { commands_.Run(CommandId::Reset, this); }
void MainForm::MinMe_Click() { commands_.Run(CommandId::ToolbarMode, this); }
void MainForm::MaxMe_Click() { commands_.Run(CommandId::FullScreenMode, this); }
void MainForm::SetupMe_Click() { commands_.Run(CommandId::Setup, this); }
void MainForm::ExitMe_Click() { commands_.Run(CommandId::Exit, this); }

void MainForm::Label5_DblClick()
{
    commands_.Run(CommandId::EditTitle, this);
}

void MainForm::Showtime_DblClick()
{
    commands_.Run(CommandId::MainCounterColor, this);
}

void MainForm::ImageButtonsNormal()
{
    Image1.Show(1);
    Image2.Show(1);
    Image3.Show(1);
}

void MainForm::ImageButton_MouseUp(ImageButton& b)
{
    b.Show(1);
    if (&b == &Image1)
        commands_.Run(CommandId::Exit, this);
    else if (&b == &Image2)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() | Qt::WindowMinimized);
}

void MainForm::DragWindow(QWidget* window, Qt::MouseButton button, QPoint globalPressPos)
{
    StartWindowDrag(window, button, globalPressPos);
}

void MainForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    if (e->type() != QEvent::WindowStateChange || session_.Unloading())
        return;
    const Qt::WindowStates s = windowState();
    if (s == Qt::WindowNoState)
        return;
    // The main window itself is never shown minimised or maximised. The state goes back to
    // normal before the switch: on X11 leaving the minimised state maps the window again, which
    // must come before the mode switch hides it.
    setWindowState(Qt::WindowNoState);
    if (s & Qt::WindowMinimized)
        session_.EnterToolbarMode();
    else if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        session_.EnterFullScreenMode();
}

void MainForm::closeEvent(QCloseEvent* e)
{
    // Closed by the window system: the same as the exit button (which hides the window when the
    // program ends); while a speech is timed the user may say no.
    e->ignore();
    commands_.Run(CommandId::Exit, this);
}

void MainForm::mousePressEvent(QMouseEvent* e)
{
    DragWindow(this, e->button(), e->globalPosition().toPoint());
}

void MainForm::mouseMoveEvent(QMouseEvent*)
{
    ImageButtonsNormal();
}

void MainForm::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        popup_.ShowPopupMenu(this, e->globalPosition().toPoint());
}

QRect MainForm::CounterPanel() const
{
    // Between the lines above and below the counter, across the window's inner width.
    return QRect(Twips(60), Twips(1290) + 1, Twips(6500), Twips(2970) - Twips(1290) - 1);
}

void MainForm::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (!background_.isNull())
        look::PaintPicture(p, e->region(), background_);
    else
        p.fillRect(rect(), QColor(0x10, 0x1c, 0x3a));
    if (signal_)
        p.fillRect(CounterPanel(), *signal_);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int y : {1290, 2970})
        p.drawLine(Twips(60), Twips(y), Twips(6560), Twips(y));
}
