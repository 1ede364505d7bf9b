// The toolbars and the full-screen window are built when first shown; one built in the middle
// of a timing shows what it would have shown had it been built at start-up.
#include "support/TestApp.h"

#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/LabelColor.h"
#include "windows/MainForm.h"
#include "windows/RunningLights.h"
#include "windows/ToolsBarForm.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
// What a user sees of a display window.
struct Look {
    QString counter;
    int color = 0;
    QString enabled; // the command controls, '1' enabled
    QString title, info, lights;
    bool picture = false;
    QSize pictureSize;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& l, std::ostream* os)
{
    *os << l.counter.toStdString() << " colour " << l.color << " enabled " << l.enabled.toStdString() << " title "
        << l.title.toStdString() << " lights " << l.lights.toStdString() << " picture " << l.picture;
}

QString Enabled(std::initializer_list<QWidget*> controls)
{
    QString s;
    for (QWidget* c : controls)
        s += c->isEnabled() ? u'1' : u'0';
    return s;
}

Look Of(ToolsBarForm& f)
{
    return {f.Showtime->text(), ForeColor(f.Showtime),
            Enabled({f.StartTimer, f.StopTimer, f.SystemSetup, f.BacktoMain, f.GoFullScreen}), {}, {}, {}, false, {}};
}

Look Of(FullScreenForm& f)
{
    QString lights;
    for (int k = 0; k < 9; ++k)
        lights += f.LightLit(k) ? u'1' : u'0';
    return {f.Showtime->text(), ForeColor(f.Showtime), Enabled({f.KongZhi1, f.KongZhi2, f.KongZhi3, f.KongZhi4}),
            f.Label1->text(), f.Label2->text(), lights, !f.Picture5->isHidden(), f.Picture5->size()};
}

void Tick(TestApp& t, int times)
{
    for (int i = 0; i < times; ++i) {
        t.app->mainForm().Timer1_Timer();
        static_cast<FakeTimer&>(*t.app->session.LightsTimer).fire();
        static_cast<FakeTimer&>(*t.app->session.Timer2).fire();
    }
}

// Runs `steps` on a program whose display windows were all built right after start-up and on
// one that builds them only now, and compares what they show.
void ExpectLateWindowsMatch(const QStringList& ini, const std::function<void(TestApp&)>& steps)
{
    TestApp early, late;
    for (TestApp* t : {&early, &late}) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(t->w.path("pic.png")));
        ASSERT_TRUE(t->start(ini));
    }
    early.app->toolsBarForm();
    early.app->toolsBarFormMax();
    early.app->fullScreenForm();
    steps(early);
    steps(late);
    EXPECT_EQ(Of(late.app->toolsBarForm()), Of(early.app->toolsBarForm()));
    EXPECT_EQ(Of(late.app->toolsBarFormMax()), Of(early.app->toolsBarFormMax()));
    EXPECT_EQ(Of(late.app->fullScreenForm()), Of(early.app->fullScreenForm()));
    // The sounds' defaults name each program's own directory.
    auto lines = [](const TestApp& t) { return t.w.iniLines().replaceInStrings(t.w.tmp.path(), "<dir>"); };
    EXPECT_EQ(lines(late), lines(early)) << "building a window reads nothing from config.ini";
}

const QStringList kScheme = {"[FangAnSelect]", "JsFangAnId=1", "[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=30", "JSFX=0",
                             "[TSSET1]", "TSSS1=27", "[InfoPicSet]", "ShowInfoPic=Yes", "ShowInfoPicName=pic.png"};
} // namespace

TEST(LateWindows, BuiltWhilePausedWithABlinkRunning)
{
    ExpectLateWindowsMatch(kScheme, [](TestApp& t) {
        t.app->session.StartTiming();
        Tick(t, 5); // the prompt at 27 starts the blink
        ASSERT_TRUE(t.app->session.Blinking());
        t.app->session.TogglePause();
        if (!t.app->ToolbarBuilt(false)) {
            EXPECT_FALSE(t.app->ToolbarBuilt(true));
            EXPECT_FALSE(t.app->FullScreenBuilt()) << "a window never shown is not built";
        }
    });
}

TEST(LateWindows, BuiltAfterAnEndIntoFullScreenWithThePictureShown)
{
    QStringList ini = kScheme;
    ini.replace(ini.indexOf("JSSS=30"), "JSSS=02");
    ini << "[COMMSET1]" << "FINSHSTATE=2";
    ExpectLateWindowsMatch(ini, [](TestApp& t) {
        t.app->session.StartTiming();
        Tick(t, 3);
        ASSERT_TRUE(t.app->session.InfoPictureShown());
        ASSERT_EQ(t.app->session.Mode(), DisplayMode::FullScreen);
        t.app->session.EnterToolbarMode(); // the small toolbar now, the large one built later
    });
}
