// The full-screen window: layout from the screen, running lights, control labels, mouse rules
// and the information picture.
#include "app/App.h"
#include "core/TimeText.h"
#include "windows/LabelColor.h"
#include "menu/MenuForm.h"
#include "support/Fakes.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/RunningLights.h"
#include "windows/ToolsBarForm.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct FullScreen : ::testing::Test {
    FakeWorld w;
    std::unique_ptr<App> app;

    void start(const QStringList& ini = {})
    {
        if (!ini.isEmpty())
            w.writeIni(ini);
        app = std::make_unique<App>(w.services);
        ASSERT_TRUE(app->Start());
    }
    void TearDown() override { closeMenu(); }
    FullScreenForm& fs() { return app->fullScreenForm(); }
    TimingSession& m() { return app->session; }
    int popups() { return app->menuForm().PopupCount(); }

    FullScreenForm& shown()
    {
        m().EnterFullScreenMode();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fs()));
        return fs();
    }
    // The lit lights, 0..8, as a string of digits.
    QString lit()
    {
        QString s;
        for (int k = 0; k < RunningLights::kLights; ++k)
            if (fs().LightLit(k))
                s += QString::number(k);
        return s;
    }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            fs().Timer1_Timer();
    }
    // The visibility of the four control labels, "1111" when all are shown.
    std::string controls()
    {
        std::string s;
        for (Control* c : {fs().KongZhi1, fs().KongZhi2, fs().KongZhi3, fs().KongZhi4})
            s += c->isVisible() ? '1' : '0';
        return s;
    }
    void move(QWidget* c, QPoint local) { QTest::mouseMove(fs().windowHandle(), c->mapTo(&fs(), local)); }
    void move(QWidget* c) { move(c, c->rect().center()); }
    void click(QWidget* c, Qt::MouseButton b, QPoint local)
    {
        QTest::mouseClick(fs().windowHandle(), b, {}, c->mapTo(&fs(), local));
    }
    void click(QWidget* c, Qt::MouseButton b) { click(c, b, c->rect().center()); }
    void closeMenu()
    {
        if (app)
            app->menuForm().MypopMenu->hide();
    }
    // QTest's double click leaves the button down; the release follows as from a real mouse.
    static void doubleClick(QWidget* c)
    {
        QTest::mouseDClick(c, Qt::LeftButton);
        QTest::mouseRelease(c, Qt::LeftButton);
    }
};

TEST_F(FullScreen, LoadLaysTheWindowOutOverThePrimaryScreen)
{
    start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (screen.size() != QSize(800, 800))
        GTEST_SKIP() << "the layout numbers below are for the 800 x 800 offscreen screen";
    FullScreenForm& f = fs();
    EXPECT_EQ(f.geometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(f.Picture1->geometry(), QRect(0, 0, 800, 59));
    EXPECT_EQ(f.Picture2->geometry(), QRect(0, 741, 800, 59));
    EXPECT_EQ(f.Picture3->geometry(), QRect(0, 536, 800, 205));
    // 12000 twips wide: (12000 - 10035) / 2 - 80 = 902.5 twips.
    EXPECT_EQ(f.Picture4->geometry(), QRect(60, 30, 669, 31));
    // The counter's lower edge lies on the middle line: 6000 - 3105 = 2895 twips from the top.
    EXPECT_EQ(f.Showtime->geometry().bottom() + 1, 400);
    EXPECT_EQ(f.Label1->width(), 799); // screen width - 20 twips
    // Each label's text fits the bar it stands in, although the stand-in faces are taller.
    EXPECT_LE(f.Label1->geometry().bottom(), f.Picture1->height());
    EXPECT_GE(f.Label1->y(), 0);
    EXPECT_LE(f.Label2->geometry().bottom(), f.Picture2->height());
    for (Control* c : {f.KongZhi1, f.KongZhi2, f.KongZhi3, f.KongZhi4})
        EXPECT_LE(c->geometry().bottom(), f.Picture3->height()) << c->text().toStdString();
    EXPECT_LT(f.KongZhi1->geometry().right(), f.KongZhi2->x());
}

TEST_F(FullScreen, LoadSetsCaptionsColoursAndTheRestState)
{
    start({"[FangAnSelect]", "JsFangAnId=3"});
    FullScreenForm& f = fs();
    EXPECT_EQ(f.Label1->text(), "Horalto 计时方案3");
    EXPECT_EQ(f.Label2->text(), DefaultInfoText());
    EXPECT_EQ(ForeColor(f.Showtime), 16711935); // FullScreen default after the colours are applied
    EXPECT_EQ(controls(), "0000");
    EXPECT_TRUE(f.Picture5->isHidden());
    EXPECT_TRUE(f.Picture5->pixmap().isNull());
    EXPECT_EQ(lit(), "0");
    ASSERT_NE(app->session.LightsTimer, nullptr);
    EXPECT_EQ(app->session.LightsTimer->interval(), 500);
    EXPECT_TRUE(app->session.LightsTimer->isEnabled());
    // The information text is read after the picture switch: the order of a fresh file.
    const QStringList lines = w.iniLines();
    const qsizetype pic = lines.indexOf("[InfoPicSet]"), txt = lines.indexOf("[InfoTxtSet]");
    ASSERT_GE(pic, 0);
    ASSERT_GE(txt, 0);
    EXPECT_LT(pic, txt);
    EXPECT_EQ(lines.value(pic + 1), "ShowInfoPic=No");
    EXPECT_EQ(lines.value(txt + 1), "ShowinfoTxt=" + DefaultInfoText());
}

TEST_F(FullScreen, RunningLightsStepOncePerTickWhileTiming)
{
    start();
    FullScreenForm& f = shown();
    m().StartTiming();
    tick(3);
    // A lit light is filled green in its yellow border, a dark one shows the border only.
    const QImage img = f.Picture4->grab().toImage();
    const QRect three = RunningLights::LightRect(3), four = RunningLights::LightRect(4);
    EXPECT_EQ(img.pixelColor(three.center()), ColorFromBgr(0x0000C000));
    EXPECT_EQ(img.pixelColor(four.center()), ColorFromBgr(0x00F48A4A));
    EXPECT_EQ(img.pixelColor(four.topLeft() + QPoint(5, 0)), ColorFromBgr(0x0000FFFF));
    EXPECT_GE(RunningLights::LightRect(0).top(), f.Picture4->height()); // light 0 is never seen
    m().ResetTiming();
    tick();
    m().StartTiming();
    QStringList seen;
    for (int i = 0; i < 10; ++i) {
        tick();
        seen << lit();
    }
    // One light runs left to right, one tick all dark, then it starts again.
    EXPECT_EQ(seen, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "0", "1"}));
    dynamic_cast<FakeTimer&>(*app->session.LightsTimer).fire(); // the timer drives the same handler
    EXPECT_EQ(lit(), "2");
}

TEST_F(FullScreen, PauseReturnsTheLightsToRest)
{
    start();
    m().StartTiming();
    tick(4);
    ASSERT_EQ(lit(), "4");
    // A pause and a continue between two ticks leave the light running where it was.
    m().TogglePause();
    m().TogglePause();
    tick();
    EXPECT_EQ(lit(), "5");
    // A tick while paused puts the lights at rest; after continuing they start at light 1.
    m().TogglePause();
    ASSERT_FALSE(m().IsTiming());
    tick(2);
    EXPECT_EQ(lit(), "0");
    m().TogglePause();
    tick();
    EXPECT_EQ(lit(), "1");
    // Reset too.
    m().ResetTiming();
    tick();
    EXPECT_EQ(lit(), "0");
}

TEST_F(FullScreen, ControlLabelsAppearOverTheLowerPanelOnly)
{
    start();
    FullScreenForm& f = shown();
    move(f.Picture1);
    EXPECT_EQ(controls(), "0000");
    move(f.Picture3, {5, 5});
    EXPECT_EQ(controls(), "1111");
    // The counter, the lights, the labels and the title leave them as they are.
    move(f.Showtime);
    EXPECT_EQ(controls(), "1111");
    move(f.Picture4);
    EXPECT_EQ(controls(), "1111");
    move(f.KongZhi2);
    EXPECT_EQ(controls(), "1111");
    move(f.Picture2, {3, f.Picture2->height() - 3}); // below the information text
    EXPECT_EQ(controls(), "0000");
    move(f.Picture3, {5, 5});
    ASSERT_EQ(controls(), "1111");
    move(f.Label1);
    EXPECT_EQ(controls(), "1111");
    move(f.Picture1, {f.Picture1->width() - 3, 3});
    EXPECT_EQ(controls(), "0000");
    move(f.Picture3, {5, 5});
    ASSERT_EQ(controls(), "1111");
    move(&f, {5, f.Picture1->height() + 5}); // the window background above the counter
    EXPECT_EQ(controls(), "0000");
}

TEST_F(FullScreen, ControlLabelsIssueTheirCommands)
{
    start();
    FullScreenForm& f = shown();
    move(f.Picture3, {5, 5});
    f.Picture5->setVisible(true);
    click(f.KongZhi1, Qt::LeftButton);
    EXPECT_TRUE(m().IsTiming());
    EXPECT_FALSE(f.KongZhi1->isEnabled());
    EXPECT_TRUE(f.Picture5->isHidden());
    EXPECT_FALSE(app->toolsBarForm().SystemSetup->isEnabled());
    // Disabled: drawn grey, no click.
    EXPECT_NE(f.KongZhi1->palette().color(QPalette::Disabled, QPalette::WindowText), ColorFromBgr(0x000040C0));
    m().TogglePause();
    click(f.KongZhi1, Qt::LeftButton);
    EXPECT_FALSE(m().IsTiming());
    click(f.KongZhi2, Qt::LeftButton);
    EXPECT_TRUE(f.KongZhi1->isEnabled());
    EXPECT_FALSE(m().IsTiming());
    EXPECT_EQ(app->mainForm().JishiPause->text(), "暂 停");
    click(f.KongZhi4, Qt::LeftButton);
    EXPECT_TRUE(app->toolsBarForm().isVisible());
    EXPECT_FALSE(f.isVisible());
    shown();
    move(f.Picture3, {5, 5});
    click(f.KongZhi3, Qt::LeftButton);
    EXPECT_TRUE(app->mainForm().isVisible());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FullScreen, RightReleaseOpensTheMenuExceptOnControlLabelsAndLights)
{
    start();
    FullScreenForm& f = shown();
    move(f.Picture3, {5, 5});
    f.Picture5->resize(20, 20);
    f.Picture5->move(400, 300);
    f.Picture5->show();
    int expected = 0;
    const std::pair<QWidget*, QPoint> places[] = {
        {f.Showtime, f.Showtime->rect().center()},
        {f.Picture1, {f.Picture1->width() - 3, 3}},
        {f.Picture2, {3, 3}},
        {f.Label1, {3, 3}},
        {f.Label2, {f.Label2->width() - 3, 3}},
        {f.Picture3, {f.Picture3->width() - 3, 3}},
        {f.Picture5, {5, 5}},
        {&f, {5, f.Picture1->height() + 5}},
    };
    for (const auto& [where, pos] : places) {
        click(where, Qt::RightButton, pos);
        EXPECT_EQ(popups(), ++expected) << where->objectName().toStdString() << " " << pos.x() << "," << pos.y();
        closeMenu();
    }
    move(f.Picture3, {5, 5});
    ASSERT_EQ(controls(), "1111");
    click(f.KongZhi1, Qt::RightButton);
    click(f.Picture4, Qt::RightButton);
    EXPECT_EQ(popups(), expected);
    // Also not on the disabled start label.
    m().StartTiming();
    click(f.KongZhi1, Qt::RightButton);
    EXPECT_EQ(popups(), expected);
    // The left button opens no menu anywhere.
    click(f.Showtime, Qt::LeftButton);
    click(&f, Qt::LeftButton, {5, f.Picture1->height() + 5});
    EXPECT_EQ(popups(), expected);
}

TEST_F(FullScreen, CounterDoubleClickChoosesItsColourButTheInformationTextDoesNothing)
{
    start();
    FullScreenForm& f = shown();
    doubleClick(f.Label2);
    EXPECT_EQ(w.dialogs.colorCalls, 0);
    w.dialogs.colorAnswers.push_back(65280);
    doubleClick(f.Showtime);
    EXPECT_EQ(w.dialogs.colorCalls, 1);
    EXPECT_EQ(ForeColor(f.Showtime), 65280);
    EXPECT_TRUE(w.iniLines().contains("FullScreen=65280"));
    EXPECT_EQ(ForeColor(app->mainForm().Showtime), 255);
}

// ---- the information picture ----

void WritePicture(const QString& path, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(200, 30, 30));
    ASSERT_TRUE(img.save(path, "PNG"));
}

TEST_F(FullScreen, InformationPictureIsLoadedOnceCentredAndHidden)
{
    ASSERT_TRUE(QDir(w.tmp.path()).mkdir("pics"));
    WritePicture(w.path("pics/info.png"), {40, 30});
    start({"[InfoPicSet]", "ShowInfoPic=Yes", "ShowInfoPicName=pics\\info.png", "[InfoTxtSet]", "ShowinfoTxt=第三届演讲比赛"});
    FullScreenForm& f = fs();
    ASSERT_FALSE(f.Picture5->pixmap().isNull());
    EXPECT_EQ(f.Picture5->pixmap().size(), QSize(40, 30));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.Picture5->geometry(),
              QRect((screen.width() - 40) / 2, (screen.height() - 30) / 2, 40, 30));
    EXPECT_TRUE(f.Picture5->isHidden());
    EXPECT_EQ(f.Label2->text(), "第三届演讲比赛");
    // Shown, it lies above the counter.
    shown();
    f.Picture5->show();
    EXPECT_EQ(f.childAt(f.Picture5->geometry().center()), f.Picture5);
}

TEST_F(FullScreen, InformationPictureNeedsExactlyYes)
{
    WritePicture(w.path("InfoPic.jpg"), {40, 30});
    start({"[InfoPicSet]", "ShowInfoPic=yes"});
    EXPECT_TRUE(fs().Picture5->pixmap().isNull());
    EXPECT_EQ(fs().Picture5->size(), QSize(0, 0));
    // The picture's name is not even read.
    for (const QString& line : w.iniLines())
        EXPECT_FALSE(line.startsWith("ShowInfoPicName")) << line.toStdString();
}

TEST_F(FullScreen, MissingInformationPictureLeavesTheBoxEmptyWithoutAMessage)
{
    start({"[InfoPicSet]", "ShowInfoPic=Yes"});
    FullScreenForm& f = fs();
    EXPECT_TRUE(f.Picture5->pixmap().isNull());
    EXPECT_TRUE(f.Picture5->isHidden());
    EXPECT_EQ(f.Picture5->size(), QSize(0, 0));
    EXPECT_TRUE(w.dialogs.warnings.empty());
    EXPECT_TRUE(w.iniLines().contains("ShowInfoPicName=InfoPic.jpg"));
    EXPECT_EQ(f.Label2->text(), DefaultInfoText()); // the load went on
}

TEST_F(FullScreen, InformationPictureIsReadFromRegularFilesOnly)
{
    // A named pipe would block the start-up in its open; it counts as unreadable, like a
    // directory. A link to a picture is the picture.
    const struct { const char* name; bool shown; } cases[] = {{"pipe", false}, {"folder", false}, {"link", true}};
    for (const auto& c : cases) {
        FakeWorld fresh;
        WritePicture(fresh.path("real.png"), {40, 30});
        const QByteArray target = QFile::encodeName(fresh.path(c.name));
        if (QByteArray(c.name) == "pipe")
            ASSERT_EQ(mkfifo(target.constData(), 0600), 0);
        else if (QByteArray(c.name) == "folder")
            ASSERT_TRUE(QDir().mkdir(fresh.path(c.name)));
        else
            ASSERT_TRUE(QFile::link(fresh.path("real.png"), fresh.path(c.name)));
        fresh.writeIni({"[InfoPicSet]", "ShowInfoPic=Yes", QStringLiteral("ShowInfoPicName=") + c.name});
        App program(fresh.services);
        ASSERT_TRUE(program.Start()) << c.name;
        EXPECT_EQ(program.fullScreenForm().Picture5->pixmap().size(), c.shown ? QSize(40, 30) : QSize(0, 0)) << c.name;
    }
}

} // namespace
