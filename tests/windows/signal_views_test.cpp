// The contest signal in every view: the counter's background takes the signal colour and its
// digits black or white, in views built before the signal and during it, then their own again.
#include "support/TestApp.h"

#include "remote/RemoteView.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/LabelColor.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <gtest/gtest.h>

TEST(SignalViews, EveryCounterStandsOnTheSignalWithBlackOrWhiteDigitsThenOnItsOwnColours)
{
    TestApp t;
    // Down from 5: red at 4, yellow at 2.
    ASSERT_TRUE(t.start({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=05", "[TSSET1]", "TSSS1=04", "TSColor1=#E0201B",
                         "TSSS2=02", "TSColor2=#FFD200"}));
    App& a = *t.app;
    const QColor ownBack = a.toolsBarForm().PicTime->palette().color(QPalette::Window); // built before
    const QColor ownDigits = a.toolsBarForm().Showtime->palette().color(QPalette::WindowText);
    const QPoint panel(a.mainForm().Showtime->x() + 2, a.mainForm().Showtime->y() + 2);
    // What each view shows: background and digits, main window, small toolbar, full screen, page.
    const auto shown = [&] {
        const FullScreenForm& fs = a.fullScreenForm(); // built the first time during the signal
        const RemoteState page = a.remoteView().State();
        return QStringList{a.mainForm().grab().toImage().pixelColor(panel).name(), ColorFromBgr(ForeColor(a.mainForm().Showtime)).name(),
                           a.toolsBarForm().PicTime->palette().color(QPalette::Window).name(),
                           a.toolsBarForm().Showtime->palette().color(QPalette::WindowText).name(),
                           fs.palette().color(QPalette::Window).name(), fs.Picture2->palette().color(QPalette::Window).name(),
                           fs.Showtime->palette().color(QPalette::WindowText).name(), page.signal.toLower(), page.color};
    };
    t.m().StartTiming();
    for (const auto& [ticks, signal, digits] : {std::tuple{2, "#e0201b", "#ffffff"}, std::tuple{2, "#ffd200", "#000000"}}) {
        for (int k = 0; k < ticks; ++k) {
            t.w.clock.advance(1);
            t.timer(1000)->fire();
        }
        EXPECT_EQ(shown(), QStringList({signal, digits, signal, digits, signal, signal, digits, signal, digits}));
    }
    t.m().ResetTiming();
    const QStringList after = shown();
    EXPECT_EQ(after.mid(2, 2), QStringList({ownBack.name(), ownDigits.name()}));
    EXPECT_EQ(after[7], "");
    EXPECT_EQ(after.filter("#ffd200"), QStringList());
}
