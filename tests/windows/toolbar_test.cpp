// The toolbar windows: layout, the frame table of the picture buttons and the mouse rules.
#include "core/App.h"
#include "core/Colors.h"
#include "menu/MenuForm.h"
#include "support/Fakes.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/SpriteButton.h"
#include "windows/ToolbarFrames.h"
#include "windows/ToolsBarForm.h"

#include <QMenu>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// ---- frame table ----

struct FrameCase {
    bool large;
    ToolButton button;
    ToolFrame frame;
    bool overShowtime;
    int destX, srcX, width, height;                   // twips, twips, twips, units
    int destXPx, srcXPx, widthPx, heightPx;           // the same in pixels
};

constexpr ToolButton kStart = ToolButton::StartTimer, kStop = ToolButton::StopTimer,
                     kSetup = ToolButton::SystemSetup, kBack = ToolButton::BacktoMain,
                     kFull = ToolButton::GoFullScreen;
constexpr ToolFrame kNormal = ToolFrame::Normal, kHover = ToolFrame::Hover, kPressed = ToolFrame::Pressed;

// Pixels: x and width / 15, heights * 1.03125 / 15, each rounded to the nearest pixel.
const FrameCase kFrames[] = {
    {false, kStart, kNormal, false, 0, 0, 320, 330, 0, 0, 21, 23},
    {false, kStart, kHover, false, 0, 320, 320, 330, 0, 21, 21, 23},
    {false, kStart, kPressed, false, 0, 625, 320, 330, 0, 42, 21, 23},
    {false, kStop, kNormal, false, 0, 0, 320, 330, 0, 0, 21, 23},
    {false, kStop, kHover, false, 0, 330, 320, 330, 0, 22, 21, 23},
    {false, kStop, kPressed, false, 0, 660, 320, 330, 0, 44, 21, 23},
    {false, kSetup, kNormal, false, -5, 0, 350, 330, 0, 0, 23, 23},
    {false, kSetup, kHover, false, -5, 350, 350, 330, 0, 23, 23, 23},
    {false, kSetup, kPressed, false, -5, 695, 355, 330, 0, 46, 24, 23},
    {false, kFull, kNormal, false, 0, 0, 300, 300, 0, 0, 20, 21},
    {false, kFull, kHover, false, 0, 280, 300, 300, 0, 19, 20, 21},
    {false, kFull, kPressed, false, 0, 570, 300, 300, 0, 38, 20, 21},
    {false, kBack, kNormal, false, 0, 0, 300, 300, 0, 0, 20, 21},
    {false, kBack, kHover, false, 0, 280, 300, 300, 0, 19, 20, 21},
    {false, kBack, kPressed, false, 0, 570, 300, 300, 0, 38, 20, 21},
    {true, kStart, kNormal, false, 0, 0, 640, 660, 0, 0, 43, 45},
    {true, kStart, kHover, false, 0, 635, 640, 660, 0, 42, 43, 45},
    {true, kStart, kPressed, false, 0, 1245, 640, 660, 0, 83, 43, 45},
    {true, kStop, kNormal, false, 0, 0, 640, 660, 0, 0, 43, 45},
    {true, kStop, kHover, false, 0, 660, 640, 660, 0, 44, 43, 45},
    {true, kStop, kPressed, false, 0, 1320, 640, 660, 0, 88, 43, 45},
    {true, kSetup, kNormal, false, -5, 0, 700, 660, 0, 0, 47, 45},
    {true, kSetup, kHover, false, -5, 695, 700, 660, 0, 46, 47, 45},
    {true, kSetup, kPressed, false, -5, 1385, 710, 660, 0, 92, 47, 45},
    {true, kFull, kNormal, false, 0, 0, 600, 600, 0, 0, 40, 41},
    {true, kFull, kHover, false, 0, 565, 600, 600, 0, 38, 40, 41},
    {true, kFull, kPressed, false, 0, 1145, 600, 600, 0, 76, 40, 41},
    {true, kBack, kNormal, false, 0, 0, 600, 600, 0, 0, 40, 41},
    {true, kBack, kHover, false, 0, 565, 600, 600, 0, 38, 40, 41},
    {true, kBack, kPressed, false, 0, 1145, 600, 600, 0, 76, 40, 41},
    // The large start button repainted normal from the counter: 640 x 640.
    {true, kStart, kNormal, true, 0, 0, 640, 640, 0, 0, 43, 44},
    // Only there: the small start button and the other large buttons keep their rectangles.
    {false, kStart, kNormal, true, 0, 0, 320, 330, 0, 0, 21, 23},
    {true, kStop, kNormal, true, 0, 0, 640, 660, 0, 0, 43, 45},
    {true, kStart, kHover, true, 0, 635, 640, 660, 0, 42, 43, 45},
};

TEST(ToolbarFrames, EveryButtonFrameAndSizeFollowsTheTable)
{
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(QString("%1 %2 frame %3%4")
                         .arg(c.large ? "large" : "small", ToolButtonName(c.button))
                         .arg(int(c.frame))
                         .arg(c.overShowtime ? " over Showtime" : "")
                         .toStdString());
        const FrameCopy f = FrameRect(c.large, c.button, c.frame, c.overShowtime);
        EXPECT_EQ(f.destX, c.destX);
        EXPECT_EQ(f.source, QRect(c.srcX, 0, c.width, c.height));
        EXPECT_EQ(f.DestPixels(), QPoint(c.destXPx, 0));
        EXPECT_EQ(f.SourcePixels(), QRect(c.srcXPx, 0, c.widthPx, c.heightPx));
    }
}

TEST(ToolbarFrames, ButtonUnitsAreThirtyTwoThirtyThirdsOfATwip)
{
    EXPECT_EQ(ButtonUnitsToPixels(320), 22); // a 330-twip-high button is 320 units high
    EXPECT_EQ(ButtonUnitsToPixels(640), 44);
    EXPECT_EQ(ButtonUnitsToPixels(0), 0);
}

TEST(SpriteButton, CopiesOnlyWhatLiesInsideTheSprite)
{
    SpriteButton b;
    b.resize(10, 4);
    QPixmap sprite(6, 4);
    sprite.fill(Qt::red);
    b.SetInitialPicture(QPixmap());
    EXPECT_EQ(b.Picture().pixelColor(0, 0).alpha(), 0); // no sprite: nothing shown
    // Source from x 3, 6 wide: three sprite columns arrive at destination 2..4, nothing beyond.
    b.PaintPicture(sprite, 2, QRect(3, 0, 6, 4));
    EXPECT_EQ(b.Picture().pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(b.Picture().pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(b.Picture().pixelColor(4, 1), QColor(Qt::red));
    EXPECT_EQ(b.Picture().pixelColor(5, 1).alpha(), 0);
    // A negative destination clips on the left.
    QPixmap blue(6, 4);
    blue.fill(Qt::blue);
    b.PaintPicture(blue, -1, QRect(0, 0, 6, 4));
    EXPECT_EQ(b.Picture().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(b.Picture().pixelColor(4, 0), QColor(Qt::blue));
    EXPECT_EQ(b.Picture().pixelColor(5, 0).alpha(), 0);
}

// ---- the windows, built through the whole program ----

// The sprite sizes of the design (width x height in pixels).
QSize DesignSpriteSize(bool large, ToolButton b)
{
    const int k = large ? 2 : 1;
    switch (b) {
    case ToolButton::StartTimer: return QSize(63 * k, 24 * k);
    case ToolButton::StopTimer: return QSize(66 * k, 24 * k);
    case ToolButton::SystemSetup: return QSize(69 * k, 24 * k);
    default: return QSize(57 * k, 25 * k);
    }
}

// A sprite with its three thirds in red (normal), green (hover) and blue (pressed).
QPixmap StripeSprite(QSize size)
{
    QPixmap p(size);
    QPainter painter(&p);
    const int third = size.width() / 3;
    painter.fillRect(0, 0, third, size.height(), Qt::red);
    painter.fillRect(third, 0, third, size.height(), Qt::green);
    painter.fillRect(2 * third, 0, size.width() - 2 * third, size.height(), Qt::blue);
    return p;
}

enum class Shown { Nothing, Normal, Hover, Pressed, Other };

Shown Classify(QColor c)
{
    if (c.alpha() == 0)
        return Shown::Nothing;
    if (c == QColor(Qt::red))
        return Shown::Normal;
    if (c == QColor(Qt::green))
        return Shown::Hover;
    if (c == QColor(Qt::blue))
        return Shown::Pressed;
    return Shown::Other;
}

struct Toolbar : ::testing::Test {
    FakeWorld w;
    std::unique_ptr<App> app;

    void SetUp() override
    {
        app = std::make_unique<App>(w.services);
        ASSERT_TRUE(app->Start());
    }
    void TearDown() override
    {
        if (app)
            app->menuForm().MypopMenu->hide();
    }

    ToolsBarForm& small() { return app->toolsBarForm(); }
    ToolsBarForm& large() { return app->toolsBarFormMax(); }
    int popups() { return app->menuForm().PopupCount(); }

    // Shows the toolbar with stripe sprites in place of the pictures, so each pixel tells the
    // frame it came from.
    ToolsBarForm& shown(ToolsBarForm& t)
    {
        for (ToolButton b : AllToolButtons)
            t.LoadSprite(b, StripeSprite(DesignSpriteSize(t.IsLarge(), b)));
        t.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&t));
        return t;
    }
    static Shown frame(ToolsBarForm& t, ToolButton b)
    {
        const QImage& pic = t.Button(b)->Picture();
        return Classify(pic.pixelColor(pic.width() / 2, pic.height() / 2));
    }
    static void expectFrames(ToolsBarForm& t, std::array<Shown, 5> expected)
    {
        for (ToolButton b : AllToolButtons)
            EXPECT_EQ(frame(t, b), expected[int(b)]) << ToolButtonName(b);
    }
    // Mouse events through the window, as the window system delivers them: to the control under
    // the pointer, or to the one holding the implicit grab.
    static QPoint at(QWidget* c, QPoint local) { return c->mapTo(c->window(), local); }
    static QPoint at(QWidget* c) { return at(c, c->rect().center()); }
    static void move(QWidget* c) { QTest::mouseMove(c->window()->windowHandle(), at(c)); }
    static void move(QWidget* c, QPoint local) { QTest::mouseMove(c->window()->windowHandle(), at(c, local)); }
    static void press(QWidget* c, Qt::MouseButton b)
    {
        QTest::mousePress(c->window()->windowHandle(), b, {}, at(c));
    }
    static void release(QWidget* c, Qt::MouseButton b)
    {
        QTest::mouseRelease(c->window()->windowHandle(), b, {}, at(c));
    }
    static void click(QWidget* c, Qt::MouseButton b)
    {
        press(c, b);
        release(c, b);
    }
    // QTest's double click leaves the button down; the release follows as from a real mouse.
    static void doubleClick(QWidget* c)
    {
        QTest::mouseDClick(c, Qt::LeftButton);
        QTest::mouseRelease(c, Qt::LeftButton);
    }
};

constexpr Shown N = Shown::Normal, H = Shown::Hover, P = Shown::Pressed;

TEST_F(Toolbar, LoadsAtTheTopLeftCornerWithTheDesignSizesAndStaysOnTop)
{
    for (ToolsBarForm* t : {&small(), &large()}) {
        SCOPED_TRACE(t->IsLarge() ? "large" : "small");
        EXPECT_EQ(t->pos(), QPoint(0, 0));
        EXPECT_EQ(t->size(), t->IsLarge() ? QSize(760, 50) : QSize(380, 25));
        EXPECT_FALSE(t->isVisible());
        const Qt::WindowFlags f = t->windowFlags();
        EXPECT_TRUE(f.testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(f.testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(t->windowType(), Qt::Window); // not a tool window
        for (ToolButton b : AllToolButtons) {
            EXPECT_TRUE(t->Button(b)->isEnabled());
            // The holders keep the sprites of the design size.
            EXPECT_EQ(t->Sprite(b).size(), DesignSpriteSize(t->IsLarge(), b)) << ToolButtonName(b);
        }
    }
    EXPECT_EQ(small().StartTimer->geometry(), QRect(272, 0, 21, 22));
    EXPECT_EQ(small().SystemSetup->geometry(), QRect(27, 0, 23, 22));
    EXPECT_EQ(small().PicTime->geometry(), QRect(144, 1, 119, 23));
    EXPECT_EQ(large().GoFullScreen->geometry(), QRect(718, 0, 37, 46));
    EXPECT_EQ(large().PicTime->geometry(), QRect(284, 4, 251, 43));
    EXPECT_EQ(small().Showtime->parentWidget(), small().PicTime);
    EXPECT_EQ(small().StartTimer->toolTip(), "开始计时");
    EXPECT_EQ(large().Showtime->toolTip(), "双击可以设置显示文字颜色！");
}

TEST_F(Toolbar, CounterStartsYellowInTheBlueBoxAndFollowsItsText)
{
    EXPECT_EQ(ForeColor(small().Showtime), 0x0000FFFF); // the ToolsBar default colour
    EXPECT_EQ(small().PicTime->palette().color(QPalette::Window), ColorFromBgr(0x00FF0000));
    EXPECT_EQ(large().Showtime->font().pixelSize(), 48);
    EXPECT_EQ(small().Showtime->font().pixelSize(), 19);
    ToolsBarForm& t = shown(small());
    const int narrow = t.Showtime->width();
    t.Showtime->setText("12:34:56:78:90");
    QCoreApplication::processEvents();
    EXPECT_GT(t.Showtime->width(), narrow);
    // A text set while hidden is caught up when the window is shown again.
    t.hide();
    t.Showtime->setText("1");
    t.show();
    EXPECT_LT(t.Showtime->width(), narrow);
}

TEST_F(Toolbar, HoverRepaintChangesTheButtonPixelsToTheSpritesHoverFrame)
{
    ToolsBarForm& t = small();
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    SpriteButton* b = t.Button(ToolButton::StopTimer);
    const QImage before = b->Picture();
    move(b);
    const QImage after = b->Picture();
    EXPECT_NE(before, after);
    // The hover frame of the sprite, unscaled: sprite (22, 0, 21, 22) onto the button at (0, 0).
    const QImage sprite = t.StopImage.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(after.copy(0, 0, 21, 22), sprite.copy(22, 0, 21, 22));
    // The normal frame is the sprite's left part, which is what the button started with.
    move(t.PicTime);
    EXPECT_EQ(b->Picture(), before);
}

TEST_F(Toolbar, PressMoveReleaseOnAButton)
{
    ToolsBarForm& t = shown(small());
    press(t.StartTimer, Qt::LeftButton);
    expectFrames(t, {P, N, N, N, N});
    // The first movement with the button held gives the hover frame.
    move(t.StartTimer, {3, 3});
    expectFrames(t, {H, N, N, N, N});
    release(t.StartTimer, Qt::LeftButton);
    expectFrames(t, {N, N, N, N, N});
    EXPECT_TRUE(app->module.IsTiming);
    EXPECT_FALSE(t.StartTimer->isEnabled());
}

TEST_F(Toolbar, MovingFromOneButtonToAnotherPaintsOneNormalAndOneHover)
{
    ToolsBarForm& t = shown(large());
    move(t.SystemSetup);
    expectFrames(t, {N, N, H, N, N});
    move(t.GoFullScreen);
    expectFrames(t, {N, N, N, N, H});
    move(t.BacktoMain);
    expectFrames(t, {N, N, N, H, N});
    move(t.PicTime);
    expectFrames(t, {N, N, N, N, N});
    move(t.StopTimer);
    move(t.Showtime);
    expectFrames(t, {N, N, N, N, N});
    move(t.StartTimer);
    move(&t, {5, 40}); // the window background, below the buttons
    expectFrames(t, {N, N, N, N, N});
}

TEST_F(Toolbar, LargeStartButtonFromTheCounterLeavesItsBottomRow)
{
    ToolsBarForm& t = shown(large());
    const QImage& pic = t.Button(ToolButton::StartTimer)->Picture();
    ASSERT_EQ(pic.height(), 45);
    move(t.StartTimer);
    move(t.Showtime);
    EXPECT_EQ(Classify(pic.pixelColor(20, 43)), N);
    EXPECT_EQ(Classify(pic.pixelColor(20, 44)), H); // 640 units are 44 rows: row 44 keeps the hover
    move(t.StartTimer);
    move(t.PicTime, {2, 2}); // beside the counter
    EXPECT_EQ(Classify(pic.pixelColor(20, 44)), N);
    // The small toolbar has no such exception.
    ToolsBarForm& s = shown(small());
    const QImage& spic = s.Button(ToolButton::StartTimer)->Picture();
    move(s.StartTimer);
    move(s.Showtime);
    EXPECT_EQ(Classify(spic.pixelColor(10, spic.height() - 1)), N);
}

TEST_F(Toolbar, RightClickOnStartWhileIdleShowsTheMenuWithoutStarting)
{
    ToolsBarForm& t = shown(small());
    FullScreenForm& fs = app->fullScreenForm();
    fs.Picture5->setVisible(true);
    press(t.StartTimer, Qt::RightButton);
    expectFrames(t, {P, N, N, N, N});
    const int before = popups();
    release(t.StartTimer, Qt::RightButton);
    EXPECT_EQ(popups(), before + 1);
    EXPECT_TRUE(app->menuForm().MypopMenu->isVisible());
    expectFrames(t, {N, N, N, N, N});
    EXPECT_FALSE(app->module.IsTiming);
    EXPECT_TRUE(t.StartTimer->isEnabled());
    EXPECT_TRUE(fs.Picture5->isHidden());
}

TEST_F(Toolbar, MiddleButtonOnlyHidesThePictureAndPaintsNormal)
{
    ToolsBarForm& t = shown(small());
    FullScreenForm& fs = app->fullScreenForm();
    app->module.StartTiming();
    fs.Picture5->setVisible(true);
    t.Showtime->setText("00:00:07");
    click(t.StopTimer, Qt::MiddleButton);
    EXPECT_TRUE(fs.Picture5->isHidden());
    EXPECT_EQ(frame(t, ToolButton::StopTimer), N);
    EXPECT_TRUE(app->module.IsTiming); // no reset
    EXPECT_EQ(t.Showtime->text(), "00:00:07");
    EXPECT_EQ(popups(), 0);
    // Other buttons leave the picture alone.
    fs.Picture5->setVisible(true);
    click(t.BacktoMain, Qt::MiddleButton);
    EXPECT_FALSE(fs.Picture5->isHidden());
    // The left button resets.
    click(t.StopTimer, Qt::LeftButton);
    EXPECT_FALSE(app->module.IsTiming);
    EXPECT_TRUE(fs.Picture5->isHidden());
}

TEST_F(Toolbar, DisabledButtonIgnoresTheMouseEntirely)
{
    ToolsBarForm& t = shown(small());
    click(t.StartTimer, Qt::LeftButton);
    ASSERT_TRUE(app->module.IsTiming);
    ASSERT_FALSE(t.StartTimer->isEnabled());
    ASSERT_FALSE(t.SystemSetup->isEnabled());
    move(t.StopTimer);
    expectFrames(t, {N, H, N, N, N});
    const QPoint where = t.pos();
    // Nothing over the disabled start button: no frame changes, not even of the others, no
    // popup, no second start and no window move.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        move(t.StartTimer);
        press(t.StartTimer, b);
        move(t.StartTimer, {2, 2});
        release(t.StartTimer, b);
        expectFrames(t, {N, H, N, N, N});
    }
    move(t.SystemSetup);
    click(t.SystemSetup, Qt::RightButton);
    expectFrames(t, {N, H, N, N, N});
    EXPECT_EQ(popups(), 0);
    EXPECT_EQ(t.pos(), where);
    // Disabling does not change the picture; the other parts still repaint it normal.
    move(t.GoFullScreen);
    expectFrames(t, {N, N, N, N, H});
}

TEST_F(Toolbar, RightReleaseOnTheStripOpensTheMenu)
{
    ToolsBarForm& t = shown(large());
    int expected = 0;
    for (QWidget* where : {static_cast<QWidget*>(t.Showtime), static_cast<QWidget*>(t.PicTime)}) {
        click(where, Qt::RightButton);
        EXPECT_EQ(popups(), ++expected);
        app->menuForm().MypopMenu->hide();
    }
    QTest::mouseClick(t.windowHandle(), Qt::RightButton, {}, QPoint(5, 45));
    EXPECT_EQ(popups(), ++expected);
    app->menuForm().MypopMenu->hide();
    // The left button opens nothing.
    click(t.Showtime, Qt::LeftButton);
    QTest::mouseClick(t.windowHandle(), Qt::LeftButton, {}, QPoint(5, 45));
    EXPECT_EQ(popups(), expected);
}

TEST_F(Toolbar, CounterDoubleClickSetsOnlyThisToolbarsColour)
{
    ToolsBarForm& t = shown(small());
    w.dialogs.colorAnswers.push_back(255);
    doubleClick(t.Showtime);
    EXPECT_EQ(w.dialogs.colorCalls, 1);
    EXPECT_EQ(ForeColor(small().Showtime), 255);
    EXPECT_EQ(ForeColor(large().Showtime), 0x0000FFFF);
    EXPECT_TRUE(w.iniLines().contains("ToolsBar=255"));
    // Cancel changes nothing.
    doubleClick(t.Showtime);
    EXPECT_EQ(w.dialogs.colorCalls, 2);
    EXPECT_EQ(ForeColor(small().Showtime), 255);
    // A double click on a button is not a colour choice.
    doubleClick(t.StopTimer);
    EXPECT_EQ(w.dialogs.colorCalls, 2);
}

TEST_F(Toolbar, ModeButtonsSwitchTheDisplay)
{
    app->module.EnterToolbarMode();
    ToolsBarForm& t = small();
    ASSERT_TRUE(t.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    click(t.GoFullScreen, Qt::LeftButton);
    EXPECT_TRUE(app->fullScreenForm().isVisible());
    EXPECT_FALSE(t.isVisible());
    app->module.EnterToolbarMode();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    click(t.BacktoMain, Qt::LeftButton);
    EXPECT_TRUE(app->mainForm().isVisible());
    EXPECT_FALSE(t.isVisible());
    EXPECT_FALSE(app->fullScreenForm().isVisible());
}

} // namespace
