// The toolbar and full-screen windows on a real X server with a window manager (Xvfb and
// openbox, see xsession.sh): where they appear, that they stay above an ordinary window that is
// activated after them, and what the screen shows. Screenshots are left in /tmp for a look.
#include "app/App.h"
#include "menu/MenuForm.h"
#include "support/Fakes.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/RunningLights.h"
#include "windows/ToolsBarForm.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Tool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The window's place on the screen as the X server reports it.
QRect XGeometry(QWidget& w)
{
    const QString out = Tool("xwininfo", {"-id", QString::number(w.winId())});
    int x = -1, y = -1, width = -1, height = -1;
    for (QString line : out.split('\n')) {
        line = line.trimmed();
        const int v = line.section(':', 1).trimmed().toInt();
        if (line.startsWith("Absolute upper-left X:")) x = v;
        else if (line.startsWith("Absolute upper-left Y:")) y = v;
        else if (line.startsWith("Width:")) width = v;
        else if (line.startsWith("Height:")) height = v;
    }
    return QRect(x, y, width, height);
}

bool WaitForWindowManager()
{
    return QTest::qWaitFor(
        [] { return Tool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }, 20000);
}

// Client windows from bottom to top, as the window manager stacks them.
QStringList Stacking()
{
    const QString out = Tool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    QStringList ids;
    for (const QString& part : out.section('#', 1).split(',', Qt::SkipEmptyParts))
        ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
    return ids;
}

QImage ScreenArea(const QRect& r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

void Screenshot(const QString& name)
{
    QProcess::execute("import", {"-window", "root", "/tmp/" + name + ".png"});
}

struct WindowsOnX11 : ::testing::Test {
    FakeWorld w;
    std::unique_ptr<App> app;
    QWidget other; // an ordinary window of another kind, activated after the display window

    void SetUp() override
    {
        ASSERT_TRUE(WaitForWindowManager());
        app = std::make_unique<App>(w.services);
        ASSERT_TRUE(app->Start());
        other.setWindowTitle("ordinary window");
        other.setGeometry(100, 100, 900, 600);
        QPalette p = other.palette();
        p.setColor(QPalette::Window, Qt::darkGreen);
        other.setPalette(p);
        other.setAutoFillBackground(true);
    }

    // Shows the ordinary window over everything it can cover and gives it the focus.
    void activateOther()
    {
        other.show();
        other.raise();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        QTest::qWait(300);
    }

    // The display window is on top: what the screen shows in its rectangle is what it draws.
    void expectOnTop(QWidget& win, const QRect& r)
    {
        QTest::qWait(200);
        const QStringList stack = Stacking();
        const qsizetype mine = stack.indexOf(QString::number(win.winId()));
        const qsizetype theirs = stack.indexOf(QString::number(other.winId()));
        ASSERT_GE(mine, 0);
        ASSERT_GE(theirs, 0);
        EXPECT_GT(mine, theirs) << "the ordinary window is stacked above";
        EXPECT_TRUE(Tool("xprop", {"-id", QString::number(win.winId()), "_NET_WM_STATE"})
                        .contains("_NET_WM_STATE_ABOVE"));
        const QImage onScreen = ScreenArea(r);
        const QImage drawn = win.grab().toImage().convertToFormat(onScreen.format());
        EXPECT_EQ(onScreen, drawn.copy(r.translated(-win.geometry().topLeft())));
    }

    void timingFor(int seconds)
    {
        app->session.StartTiming();
        for (int i = 0; i < seconds; ++i) {
            w.clock.advance(1);
            app->mainForm().Timer1_Timer();
            app->fullScreenForm().Timer1_Timer();
            app->fullScreenForm().Timer1_Timer();
        }
        QTest::qWait(200);
    }
};

TEST_F(WindowsOnX11, SmallToolbarStaysAboveAtTheCorner)
{
    app->session.EnterToolbarMode();
    ToolsBarForm& t = app->toolsBarForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    EXPECT_TRUE(QTest::qWaitFor([&] { return XGeometry(t) == QRect(0, 0, 380, 25); }, 5000)) ;
    EXPECT_EQ(XGeometry(t), QRect(0, 0, 380, 25));
    EXPECT_FALSE(app->mainForm().isVisible());
    activateOther();
    expectOnTop(t, QRect(0, 0, 380, 25));
    Screenshot("horalto_toolbar_small_idle");
    timingFor(7);
    expectOnTop(t, QRect(0, 0, 380, 25));
    Screenshot("horalto_toolbar_small_timing");
}

TEST_F(WindowsOnX11, LargeToolbarStaysAboveAtTheCorner)
{
    app->config.WriteIniText("COMMSET1", "MaxToolsBar", "Yes");
    app->session.EnterToolbarMode();
    ToolsBarForm& t = app->toolsBarFormMax();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    EXPECT_TRUE(QTest::qWaitFor([&] { return XGeometry(t) == QRect(0, 0, 760, 50); }, 5000));
    EXPECT_EQ(XGeometry(t), QRect(0, 0, 760, 50));
    EXPECT_FALSE(app->toolsBarForm().isVisible());
    activateOther();
    expectOnTop(t, QRect(0, 0, 760, 50));
    Screenshot("horalto_toolbar_large_idle");
    // Hover over the settings button, as a user would see it.
    QTest::mouseMove(t.windowHandle(), t.SystemSetup->geometry().center());
    timingFor(65);
    Screenshot("horalto_toolbar_large_timing");
}

TEST_F(WindowsOnX11, CounterDoubleClickReachesTheColourChooserUnderTheWindowManager)
{
    app->session.EnterToolbarMode();
    ToolsBarForm& t = app->toolsBarForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    ASSERT_TRUE(QTest::qWaitFor([&] { return XGeometry(t) == QRect(0, 0, 380, 25); }, 5000));
    const QPoint c = t.Showtime->mapTo(&t, t.Showtime->rect().center());
    Tool("xdotool", {"mousemove", "--sync", QString::number(c.x()), QString::number(c.y())});
    Tool("xdotool", {"click", "--repeat", "2", "--delay", "80", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.dialogs.colorCalls == 1; }, 3000));
    // Clicking without moving leaves the window where it is.
    EXPECT_EQ(XGeometry(t), QRect(0, 0, 380, 25));
}

TEST_F(WindowsOnX11, FullScreenCoversTheScreenAboveOtherWindows)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    app->session.EnterFullScreenMode();
    FullScreenForm& f = app->fullScreenForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_TRUE(QTest::qWaitFor([&] { return XGeometry(f) == screen; }, 5000));
    EXPECT_EQ(XGeometry(f), screen);
    activateOther();
    expectOnTop(f, screen);
    Screenshot("horalto_fullscreen_idle");
    QTest::mouseMove(f.windowHandle(), f.Picture3->geometry().topLeft() + QPoint(5, 5));
    timingFor(3);
    EXPECT_TRUE(f.KongZhi1->isVisible());
    EXPECT_TRUE(f.LightLit(6)); // two light steps a second, from rest
    expectOnTop(f, screen);
    Screenshot("horalto_fullscreen_timing");
}

} // namespace
