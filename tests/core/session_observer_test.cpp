// A view of the timing that is not a window: a plain recorder on the session's signals sees the
// counter and the title the main window shows, step by step over a whole timing.
#include "support/TestApp.h"

#include "core/TimingSession.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"

#include <QAction>
#include <functional>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

namespace {
struct Recorder {
    QStringList counters;
    QStringList titles;
    void follow(TimingSession& s)
    {
        QObject::connect(&s, &TimingSession::counterTextChanged, [this](const QString& t) { counters << t; });
        QObject::connect(&s, &TimingSession::schemeTitleChanged, [this](const QString& t) { titles << t; });
    }
};

void AppendChanged(QStringList& seq, const QString& text)
{
    if (seq.isEmpty() || seq.last() != text)
        seq << text;
}
} // namespace

TEST(SessionObserver, RecorderSeesTheMainWindowsCounterAndTitleOverAWholeTiming)
{
    TestApp t;
    t.w.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=03", "JSFX=0",
                  "[JSSET2]", "JSHH=00", "JSMM=00", "JSSS=02", "JSFX=1"});
    t.app = std::make_unique<App>(t.w.services);
    Recorder r;
    r.follow(t.app->session);
    ASSERT_TRUE(t.app->Start());
    MainForm& f = t.app->mainForm();
    // The main window's label right after each write (this connection runs after the window's).
    QStringList labelTrace;
    QObject::connect(&t.app->session, &TimingSession::counterTextChanged,
                     [&](const QString&) { labelTrace << f.Showtime->text(); });
    const int before = r.counters.size();

    QStringList counters;
    QStringList titles;
    auto look = [&] {
        AppendChanged(counters, f.Showtime->text());
        AppendChanged(titles, f.Label5->text());
        EXPECT_EQ(t.app->session.CounterText(), f.Showtime->text());
        EXPECT_EQ(t.app->session.SchemeTitle(), f.windowTitle());
    };
    look();
    f.JishiStart_Click();
    look();
    for (int i = 0; i < 5; ++i) { // down from 3, the end, one idle tick
        t.w.clock.advance(1);
        f.Timer1_Timer();
        look();
    }
    t.app->menuForm().MJsFa[2]->trigger(); // count up from zero to 2
    look();
    f.JishiStart_Click();
    look();
    for (int i = 0; i < 4; ++i) {
        t.w.clock.advance(1);
        f.Timer1_Timer();
        look();
    }

    QStringList recorded;
    for (const QString& c : r.counters)
        AppendChanged(recorded, c);
    // Counting up, the last tick shows the full length and then the end's zeros: the window, looked
    // at between ticks, only has the zeros; the recorder sees both, as the label got both.
    const QStringList expected = {"00:00:03", "00:00:02", "00:00:01", "00:00:00", "00:00:02",
                                  "00:00:00", "00:00:01", "00:00:02", "00:00:00"};
    EXPECT_EQ(recorded, expected);
    EXPECT_EQ(labelTrace, r.counters.mid(before));
    QStringList betweenTicks = expected;
    betweenTicks.removeAt(7);
    EXPECT_EQ(counters, betweenTicks);
    EXPECT_EQ(r.titles, titles);
    EXPECT_EQ(titles, (QStringList{"Horalto 计时方案1", "Horalto 计时方案2"}));
}

TEST(SessionObserver, InformationPictureFollowsTheSessionThroughEndStartAndReset)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=01", "JSFX=0",
                         "[COMMSET1]", "FINSHSTATE=2", "[InfoPicSet]", "ShowInfoPic=Yes"}));
    MainForm& f = t.app->mainForm();
    QWidget* picture = t.app->fullScreenForm().Picture5;
    std::vector<bool> told;
    QObject::connect(&t.app->session, &TimingSession::infoPictureShownChanged, [&](bool s) { told.push_back(s); });
    for (const auto& [act, shown] : std::vector<std::pair<std::function<void()>, bool>>{
             {[&] { f.JishiStart_Click(); }, false},
             {[&] { for (int i = 0; i < 2; ++i) f.Timer1_Timer(); }, true}, // the end, into full screen
             {[&] { f.JishiStart_Click(); }, false},
             {[&] { for (int i = 0; i < 2; ++i) f.Timer1_Timer(); }, true},
             {[&] { f.JishiEnd_Click(); }, false}}) {
        act();
        EXPECT_EQ(t.app->session.InfoPictureShown(), shown);
        EXPECT_EQ(picture->isVisible(), shown);
    }
    EXPECT_EQ(told, (std::vector<bool>{false, true, false, true, false}));
}
