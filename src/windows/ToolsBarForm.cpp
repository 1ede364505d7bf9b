#include "windows/ToolsBarForm.h"

#include "windows/DebateBoard.h"

#include "config/ConfigKeys.h"
#include "core/Commands.h"
#include "core/PopupMenu.h"
#include "windows/LabelColor.h"
#include "windows/SessionViews.h"
#include "core/Twips.h"
#include "windows/Control.h"
#include "windows/CounterBacks.h"
#include "windows/CounterLabel.h"
#include "windows/FullScreenForm.h"
#include "windows/Look.h"
#include "windows/MainForm.h"
#include "windows/SpriteButton.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kCounterBox = counter_backs::kToolbar; // blue
constexpr int kYellow = 0x0000FFFF;

struct Geometry {
    int left, top, width, height;
};

// Design layout in twips; the counter label relative to PicTime.
struct Layout {
    int clientWidth, clientHeight;
    Geometry systemSetup, picTime, showtime, startTimer, stopTimer, backtoMain, goFullScreen;
    double fontPoints;
    const char* sizeWord;
};

constexpr Layout kSmallLayout{5700, 375,
                              {410, 0, 340, 330},
                              {2160, 10, 1785, 350},
                              {180, -68, 1350, 405},
                              {4080, 0, 320, 330},
                              {4440, 0, 320, 330},
                              {5080, 0, 290, 330},
                              {5370, 0, 290, 330},
                              14.25,
                              "small"};
constexpr Layout kLargeLayout{11400, 750,
                              {825, 0, 675, 705},
                              {4260, 60, 3765, 645},
                              {90, -240, 3480, 1020},
                              {8190, 0, 645, 675},
                              {8910, 0, 645, 705},
                              {10170, 0, 555, 690},
                              {10770, 0, 555, 690},
                              36,
                              "large"};

QRect Px(const Geometry& g) { return TwipsRect(g.left, g.top, g.width, g.height); }

const char* SpriteWord(ToolButton b)
{
    switch (b) {
    case ToolButton::StartTimer: return "start";
    case ToolButton::StopTimer: return "stop";
    case ToolButton::SystemSetup: return "setup";
    case ToolButton::BacktoMain: return "backtomain";
    case ToolButton::GoFullScreen: return "fullscreen";
    }
    return "";
}

} // namespace

ToolsBarForm::ToolsBarForm(TimingSession& session, Commands& commands, PopupMenu& popup, bool large)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , session_(session)
    , commands_(commands)
    , popup_(popup)
    , large_(large)
{
    setMouseTracking(true);
    BuildControls();
    RetranslateUi();
}

void ToolsBarForm::RetranslateUi()
{
    setWindowTitle(large_ ? tr("Horalto 大工具条") : tr("Horalto 工具条"));
    SystemSetup->setToolTip(tr("系统设置"));
    Showtime->setToolTip(tr("双击可以设置显示文字颜色！"));
    StartTimer->setToolTip(tr("开始计时"));
    StopTimer->setToolTip(tr("复位计时器"));
    BacktoMain->setToolTip(tr("返回主界面"));
    GoFullScreen->setToolTip(tr("全屏幕模式"));
}

void ToolsBarForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
}

ToolsBarForm::~ToolsBarForm() = default;

void ToolsBarForm::BuildControls()
{
    const Layout& l = large_ ? kLargeLayout : kSmallLayout;
    setFixedSize(Twips(l.clientWidth), Twips(l.clientHeight));
    background_ = QPixmap(QStringLiteral(":/images/toolbar_%1_bg.bmp").arg(l.sizeWord));

    auto makeButton = [&](ToolButton b, const Geometry& g) {
        auto* button = new SpriteButton(this);
        button->setGeometry(Px(g));
        button->setCursor(look::HandCursor());
        button->MouseDown = [this, b](Qt::MouseButton, QPoint) { Button_MouseDown(b); };
        button->MouseMove = [this, b](Qt::MouseButtons, QPoint) { Button_MouseMove(b); };
        button->MouseUp = [this, b, button](Qt::MouseButton mb, QPoint pos) {
            Button_MouseUp(b, mb, button->mapToGlobal(pos));
        };
        buttons_[int(b)] = button;
        return button;
    };
    SystemSetup = makeButton(ToolButton::SystemSetup, l.systemSetup);

    PicTime = new Control(this);
    PicTime->setGeometry(Px(l.picTime));
    PicTime->SetBackColor(kCounterBox);
    PicTime->installEventFilter(this);
    PicTime->MouseDown = [this](Qt::MouseButton b, QPoint pos) {
        MainForm::DragWindow(this, b, PicTime->mapToGlobal(pos));
    };
    PicTime->MouseMove = [this](Qt::MouseButtons, QPoint) { PaintAllNormal(false); };
    PicTime->MouseUp = [this](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::RightButton)
            ShowPopup(PicTime->mapToGlobal(pos));
    };

    Showtime = new CounterLabel(PicTime);
    Showtime->setText(QStringLiteral("00:00:00"));
    Showtime->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Showtime->setFont(look::DesignFont(look::ArialBlackFamilies(), l.fontPoints, true, false, 900));
    SetForeColor(Showtime, kYellow);
    look::PlaceOnDesignBaseline(Showtime, Px(l.showtime), look::ArialBlackAscent, look::TextFit::AutoSize);
    Showtime->MouseDown = [this](Qt::MouseButton b, QPoint pos) {
        MainForm::DragWindow(this, b, Showtime->mapToGlobal(pos));
    };
    Showtime->MouseMove = [this](Qt::MouseButtons, QPoint) { PaintAllNormal(true); };
    Showtime->MouseUp = [this](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::RightButton)
            ShowPopup(Showtime->mapToGlobal(pos));
    };
    Showtime->DblClick = [this] { Showtime_DblClick(); };

    StartTimer = makeButton(ToolButton::StartTimer, l.startTimer);
    StopTimer = makeButton(ToolButton::StopTimer, l.stopTimer);
    BacktoMain = makeButton(ToolButton::BacktoMain, l.backtoMain);
    GoFullScreen = makeButton(ToolButton::GoFullScreen, l.goFullScreen);

    for (ToolButton b : AllToolButtons)
        LoadSprite(b, QPixmap(QStringLiteral(":/images/toolbar_%1_%2.bmp").arg(l.sizeWord, SpriteWord(b))));
}

void ToolsBarForm::Form_Load()
{
    move(0, 0);
    // Topmost: the window is created with Qt::WindowStaysOnTopHint.
    const TimingSession& s = session_;
    FollowCounter(this, s, Showtime, large_ ? TimingSession::LargeToolbarCounter : TimingSession::SmallToolbarCounter,
                  [this] { FitShowtime(); });
    FollowDebate(this, s, Showtime, new DebateBoard(PicTime, DebateBoard::Layout::FloorLarge),
                 large_ ? TimingSession::LargeToolbarCounter : TimingSession::SmallToolbarCounter,
                 [this] { return PicTime->rect(); });
    FollowSignal(this, s, [this](std::optional<QColor> signal) {
        PicTime->SetBackColor(signal ? BgrFromColor(*signal) : kCounterBox);
    });
    FollowOffers(this, s, {{StartTimer, CommandId::Start}, {StopTimer, CommandId::Reset},
                           {SystemSetup, CommandId::Setup}, {BacktoMain, CommandId::BackToMain},
                           {GoFullScreen, CommandId::FullScreenMode}});
}

SpriteButton* ToolsBarForm::Button(ToolButton b) const
{
    return buttons_[int(b)];
}

QPixmap& ToolsBarForm::Sprite(ToolButton b)
{
    switch (b) {
    case ToolButton::StartTimer: return StartImage;
    case ToolButton::StopTimer: return StopImage;
    case ToolButton::SystemSetup: return SystemImage;
    case ToolButton::BacktoMain: return BacktoImage;
    case ToolButton::GoFullScreen: return GoFullScreenImage;
    }
    return StartImage;
}

void ToolsBarForm::LoadSprite(ToolButton b, const QPixmap& sprite)
{
    Sprite(b) = sprite;
    Button(b)->SetInitialPicture(sprite);
}

void ToolsBarForm::PaintButtonFrame(ToolButton b, ToolFrame frame, bool overShowtime)
{
    const FrameCopy copy = FrameRect(large_, b, frame, overShowtime);
    Button(b)->PaintPicture(Sprite(b), copy.DestPixels().x(), copy.SourcePixels());
}

void ToolsBarForm::PaintAllNormal(bool overShowtime)
{
    for (ToolButton b : AllToolButtons)
        PaintButtonFrame(b, ToolFrame::Normal, overShowtime);
}

void ToolsBarForm::Button_MouseDown(ToolButton b)
{
    PaintButtonFrame(b, ToolFrame::Pressed);
}

void ToolsBarForm::Button_MouseMove(ToolButton b)
{
    PaintButtonFrame(b, ToolFrame::Hover);
    for (ToolButton other : AllToolButtons)
        if (other != b)
            PaintButtonFrame(other, ToolFrame::Normal);
}

void ToolsBarForm::Button_MouseUp(ToolButton b, Qt::MouseButton button, QPoint globalPos)
{
    if (b == ToolButton::StartTimer || b == ToolButton::StopTimer)
        session_.SetInfoPictureShown(false);
    PaintButtonFrame(b, ToolFrame::Normal);
    if (button == Qt::RightButton) {
        ShowPopup(globalPos);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    switch (b) {
    case ToolButton::StartTimer: commands_.Run(CommandId::Start, this); break;
    case ToolButton::StopTimer: commands_.Run(CommandId::Reset, this); break;
    case ToolButton::SystemSetup: commands_.Run(CommandId::Setup, this); break;
    case ToolButton::GoFullScreen: commands_.Run(CommandId::FullScreenMode, this); break;
    case ToolButton::BacktoMain: commands_.Run(CommandId::BackToMain, this); break;
    }
}

void ToolsBarForm::Showtime_DblClick()
{
    commands_.Run(large_ ? CommandId::LargeToolbarCounterColor : CommandId::SmallToolbarCounterColor, this);
}

void ToolsBarForm::ShowPopup(QPoint globalPos)
{
    popup_.ShowPopupMenu(this, globalPos);
}

void ToolsBarForm::FitShowtime()
{
    Showtime->adjustSize();
}

void ToolsBarForm::paintEvent(QPaintEvent* e)
{
    if (background_.isNull())
        return;
    QPainter p(this);
    look::PaintPicture(p, e->region(), background_);
}

void ToolsBarForm::mousePressEvent(QMouseEvent* e)
{
    MainForm::DragWindow(this, e->button(), e->globalPosition().toPoint());
}

void ToolsBarForm::mouseMoveEvent(QMouseEvent*)
{
    PaintAllNormal(false);
}

void ToolsBarForm::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        ShowPopup(e->globalPosition().toPoint());
}

void ToolsBarForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FitShowtime();
}

void ToolsBarForm::closeEvent(QCloseEvent* e)
{
    // The toolbars live until the program ends; the window system cannot close them.
    if (e->spontaneous())
        e->ignore();
}

bool ToolsBarForm::eventFilter(QObject* watched, QEvent* e)
{
    // A new counter text or font asks the counter box for a new layout: the label follows its
    // text (auto-size). While the window is hidden the request is not sent; showEvent catches up.
    if (watched == PicTime && e->type() == QEvent::LayoutRequest)
        FitShowtime();
    return QWidget::eventFilter(watched, e);
}
