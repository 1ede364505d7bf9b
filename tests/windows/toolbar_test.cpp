// The toolbar windows: layout, the frame table of the picture buttons and the mouse rules.
#include "app/App.h"
#include "windows/LabelColor.h"
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

// One row per button as designed: destination x, width x height (pressed width), hover and
// pressed x, in twips and units; then the same in pixels (x and width / 15, units * 1.03125 / 15,
// each rounded).
struct FrameRow {
    bool large;
    ToolButton button;
    int destX, width, height, pressedWidth, hoverX, pressedX;
    int widthPx, heightPx, pressedWidthPx, hoverXPx, pressedXPx;
};
const FrameRow kFrames[] = {
    {false, ToolButton::StartTimer, 0, 320, 330, 320, 320, 625, 21, 23, 21, 21, 42},
    {false, ToolButton::StopTimer, 0, 320, 330, 320, 330, 660, 21, 23, 21, 22, 44},
    {false, ToolButton::SystemSetup, -5, 350, 330, 355, 350, 695, 23, 23, 24, 23, 46},
    {false, ToolButton::GoFullScreen, 0, 300, 300, 300, 280, 570, 20, 21, 20, 19, 38},
    {false, ToolButton::BacktoMain, 0, 300, 300, 300, 280, 570, 20, 21, 20, 19, 38},
    {true, ToolButton::StartTimer, 0, 640, 660, 640, 635, 1245, 43, 45, 43, 42, 83},
    {true, ToolButton::StopTimer, 0, 640, 660, 640, 660, 1320, 43, 45, 43, 44, 88},
    {true, ToolButton::SystemSetup, -5, 700, 660, 710, 695, 1385, 47, 45, 47, 46, 92},
    {true, ToolButton::GoFullScreen, 0, 600, 600, 600, 565, 1145, 40, 41, 40, 38, 76},
    {true, ToolButton::BacktoMain, 0, 600, 600, 600, 565, 1145, 40, 41, 40, 38, 76},
};

TEST(ToolbarFrames, EveryButtonFrameAndSizeFollowsTheTable)
{
    for (const FrameRow& r : kFrames) {
        SCOPED_TRACE(std::string(r.large ? "large " : "small ") + ToolButtonName(r.button));
        const FrameCopy n = FrameRect(r.large, r.button, ToolFrame::Normal);
        const FrameCopy h = FrameRect(r.large, r.button, ToolFrame::Hover);
        const FrameCopy p = FrameRect(r.large, r.button, ToolFrame::Pressed);
        EXPECT_EQ(n, (FrameCopy{r.destX, QRect(0, 0, r.width, r.height)}));
        EXPECT_EQ(h, (FrameCopy{r.destX, QRect(r.hoverX, 0, r.width, r.height)}));
        EXPECT_EQ(p, (FrameCopy{r.destX, QRect(r.pressedX, 0, r.pressedWidth, r.height)}));
        EXPECT_EQ(n.DestPixels(), QPoint(0, 0)); // -5 twips is a third of a pixel
        EXPECT_EQ(n.SourcePixels(), QRect(0, 0, r.widthPx, r.heightPx));
        EXPECT_EQ(h.SourcePixels(), QRect(r.hoverXPx, 0, r.widthPx, r.heightPx));
        EXPECT_EQ(p.SourcePixels(), QRect(r.pressedXPx, 0, r.pressedWidthPx, r.heightPx));
        // Moving over the counter changes only the large start button's normal frame.
        const bool exception = r.large && r.button == ToolButton::StartTimer;
        EXPECT_EQ(FrameRect(r.large, r.button, ToolFrame::Normal, true).source.height(), exception ? 640 : r.height);
        EXPECT_EQ(FrameRect(r.large, r.button, ToolFrame::Hover, true), h);
    }
    EXPECT_EQ(FrameRect(true, ToolButton::StartTimer, ToolFrame::Normal, true).SourcePixels(), QRect(0, 0, 43, 44));
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

// The frame a stripe-sprite pixel came from: 'N', 'H', 'P', or '?'.
char FrameOf(QColor c)
{
    return c == QColor(Qt::red) ? 'N' : c == QColor(Qt::green) ? 'H' : c == QColor(Qt::blue) ? 'P' : '?';
}

struct Toolbar : ::testing::Test {
    FakeWorld w;
    std::unique_ptr<App> app;

    void SetUp() override
    {
        app = std::make_unique<App>(w.services);
        ASSERT_TRUE(app->Start());
    }
    void TearDown() override { app->menuForm().MypopMenu->hide(); }

    ToolsBarForm& small() { return app->toolsBarForm(); }
    ToolsBarForm& large() { return app->toolsBarFormMax(); }
    int popups() { return app->menuForm().PopupCount(); }

    // Shows the toolbar with stripe sprites, so each pixel tells the frame it came from.
    ToolsBarForm& shown(ToolsBarForm& t)
    {
        for (ToolButton b : AllToolButtons)
            t.LoadSprite(b, StripeSprite(DesignSpriteSize(t.IsLarge(), b)));
        t.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&t));
        return t;
    }
    // The frames the five buttons show, in the order StartTimer, StopTimer, SystemSetup,
    // BacktoMain, GoFullScreen.
    static std::string frames(ToolsBarForm& t)
    {
        std::string s;
        for (ToolButton b : AllToolButtons) {
            const QImage& pic = t.Button(b)->Picture();
            s += FrameOf(pic.pixelColor(pic.width() / 2, pic.height() / 2));
        }
        return s;
    }
    // Mouse events through the window, as the window system delivers them: to the control under
    // the pointer, or to the one holding the implicit grab.
    static QPoint at(QWidget* c, QPoint local) { return c->mapTo(c->window(), local); }
    static QWindow* win(QWidget* c) { return c->window()->windowHandle(); }
    static void move(QWidget* c, QPoint local) { QTest::mouseMove(win(c), at(c, local)); }
    static void move(QWidget* c) { move(c, c->rect().center()); }
    static void press(QWidget* c, Qt::MouseButton b) { QTest::mousePress(win(c), b, {}, at(c, c->rect().center())); }
    static void release(QWidget* c, Qt::MouseButton b) { QTest::mouseRelease(win(c), b, {}, at(c, c->rect().center())); }
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

TEST_F(Toolbar, LoadsAtTheTopLeftCornerWithTheDesignSizesAndStaysOnTop)
{
    for (ToolsBarForm* t : {&small(), &large()}) {
        SCOPED_TRACE(t->IsLarge() ? "large" : "small");
        EXPECT_EQ(t->pos(), QPoint(0, 0));
        EXPECT_EQ(t->size(), t->IsLarge() ? QSize(760, 50) : QSize(380, 25));
        EXPECT_FALSE(t->isVisible());
        EXPECT_EQ(t->windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
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

TEST_F(Toolbar, MovingFromOneButtonToAnotherPaintsOneNormalAndOneHover)
{
    ToolsBarForm& t = shown(large());
    move(t.SystemSetup);
    EXPECT_EQ(frames(t), "NNHNN");
    move(t.GoFullScreen);
    EXPECT_EQ(frames(t), "NNNNH");
    move(t.BacktoMain);
    EXPECT_EQ(frames(t), "NNNHN");
    move(t.PicTime);
    EXPECT_EQ(frames(t), "NNNNN");
    move(t.StopTimer);
    move(t.Showtime);
    EXPECT_EQ(frames(t), "NNNNN");
    move(t.StartTimer);
    move(&t, {5, 40}); // the window background, below the buttons
    EXPECT_EQ(frames(t), "NNNNN");
}

TEST_F(Toolbar, LargeStartButtonFromTheCounterLeavesItsBottomRow)
{
    ToolsBarForm& t = shown(large());
    const QImage& pic = t.Button(ToolButton::StartTimer)->Picture();
    ASSERT_EQ(pic.height(), 45);
    move(t.StartTimer);
    move(t.Showtime);
    EXPECT_EQ(FrameOf(pic.pixelColor(20, 43)), 'N');
    EXPECT_EQ(FrameOf(pic.pixelColor(20, 44)), 'H'); // 640 units are 44 rows: row 44 keeps the hover
    move(t.StartTimer);
    move(t.PicTime, {2, 2}); // beside the counter
    EXPECT_EQ(FrameOf(pic.pixelColor(20, 44)), 'N');
    // The small toolbar has no such exception.
    ToolsBarForm& s = shown(small());
    const QImage& spic = s.Button(ToolButton::StartTimer)->Picture();
    move(s.StartTimer);
    move(s.Showtime);
    EXPECT_EQ(FrameOf(spic.pixelColor(10, spic.height() - 1)), 'N');
}

TEST_F(Toolbar, RightClickOnStartWhileIdleShowsTheMenuWithoutStarting)
{
    ToolsBarForm& t = shown(small());
    FullScreenForm& fs = app->fullScreenForm();
    fs.Picture5->setVisible(true);
    press(t.StartTimer, Qt::RightButton);
    EXPECT_EQ(frames(t), "PNNNN");
    const int before = popups();
    release(t.StartTimer, Qt::RightButton);
    EXPECT_EQ(popups(), before + 1);
    EXPECT_TRUE(app->menuForm().MypopMenu->isVisible());
    EXPECT_EQ(frames(t), "NNNNN");
    EXPECT_FALSE(app->session.IsTiming());
    EXPECT_TRUE(t.StartTimer->isEnabled());
    EXPECT_TRUE(fs.Picture5->isHidden());
}

TEST_F(Toolbar, MiddleButtonOnlyHidesThePictureAndPaintsNormal)
{
    ToolsBarForm& t = shown(small());
    FullScreenForm& fs = app->fullScreenForm();
    app->session.StartTiming();
    fs.Picture5->setVisible(true);
    t.Showtime->setText("00:00:07");
    click(t.StopTimer, Qt::MiddleButton);
    EXPECT_TRUE(fs.Picture5->isHidden());
    EXPECT_EQ(frames(t)[1], 'N');
    EXPECT_TRUE(app->session.IsTiming()); // no reset
    EXPECT_EQ(t.Showtime->text(), "00:00:07");
    EXPECT_EQ(popups(), 0);
    // Other buttons leave the picture alone.
    fs.Picture5->setVisible(true);
    click(t.BacktoMain, Qt::MiddleButton);
    EXPECT_FALSE(fs.Picture5->isHidden());
    // The left button resets.
    click(t.StopTimer, Qt::LeftButton);
    EXPECT_FALSE(app->session.IsTiming());
    EXPECT_TRUE(fs.Picture5->isHidden());
}

TEST_F(Toolbar, PressMoveReleaseStartsThenTheDisabledButtonIgnoresTheMouse)
{
    ToolsBarForm& t = shown(small());
    press(t.StartTimer, Qt::LeftButton);
    EXPECT_EQ(frames(t), "PNNNN");
    move(t.StartTimer, {3, 3}); // the first movement with the button held gives the hover frame
    EXPECT_EQ(frames(t), "HNNNN");
    release(t.StartTimer, Qt::LeftButton);
    EXPECT_EQ(frames(t), "NNNNN");
    ASSERT_TRUE(app->session.IsTiming());
    ASSERT_FALSE(t.StartTimer->isEnabled());
    ASSERT_FALSE(t.SystemSetup->isEnabled());
    move(t.StopTimer);
    EXPECT_EQ(frames(t), "NHNNN");
    const QPoint where = t.pos();
    // Nothing over the disabled start button: no frame changes, not even of the others, no
    // popup, no second start and no window move.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        move(t.StartTimer);
        press(t.StartTimer, b);
        move(t.StartTimer, {2, 2});
        release(t.StartTimer, b);
        EXPECT_EQ(frames(t), "NHNNN");
    }
    move(t.SystemSetup);
    click(t.SystemSetup, Qt::RightButton);
    EXPECT_EQ(frames(t), "NHNNN");
    EXPECT_EQ(popups(), 0);
    EXPECT_EQ(t.pos(), where);
    // Disabling does not change the picture; the other parts still repaint it normal.
    move(t.GoFullScreen);
    EXPECT_EQ(frames(t), "NNNNH");
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

} // namespace
