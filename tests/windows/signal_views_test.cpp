// The contest signal in every view: the counter's background takes the signal colour and its
// digits black or white, in views built before the signal and during it, then their own again.
#include "support/TestApp.h"

#include "remote/RemoteView.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <gtest/gtest.h>

TEST(SignalViews, EveryCounterStandsOnTheSignalWithBlackOrWhiteDigitsThenOnItsOwnColours)
{
    TestApp t; // down from 5: red at 4, yellow at 2
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=05", "[TSSET1]", "TSSS1=04", "TSColor1=#E0201B", "TSSS2=02", "TSColor2=#FFD200"}));
    App& a = *t.app;
    ToolsBarForm& bar = a.toolsBarForm(); // built before the signal, the full screen during it
    const auto color = [](QWidget* w, QPalette::ColorRole role) { return w->palette().color(role).name(); };
    // Background and digits: main window, toolbar, full screen (and its bar), phone page.
    const auto shown = [&] {
        const QPoint panel = a.mainForm().Showtime->pos() + QPoint(2, 2);
        return QStringList{a.mainForm().grab().toImage().pixelColor(panel).name(), color(a.mainForm().Showtime, QPalette::WindowText),
                           color(bar.PicTime, QPalette::Window), color(bar.Showtime, QPalette::WindowText),
                           color(&a.fullScreenForm(), QPalette::Window), color(a.fullScreenForm().Picture2, QPalette::Window),
                           color(a.fullScreenForm().Showtime, QPalette::WindowText),
                           a.remoteView().State().signal.toLower(), a.remoteView().State().color};
    };
    t.m().StartTiming();
    for (const auto& [signal, digits] : {std::pair{"#e0201b", "#ffffff"}, std::pair{"#ffd200", "#000000"}}) {
        for (int k = 0; k < 2; ++k)
            t.w.clock.advance(1), t.timer(1000)->fire();
        EXPECT_EQ(shown(), QStringList({signal, digits, signal, digits, signal, signal, digits, signal, digits}));
    }
    t.m().ResetTiming();
    EXPECT_EQ(shown().mid(1), QStringList({"#ff0000", "#0000ff", "#ffff00", "#4a8af4", "#0000c0", "#ff00ff", "", "#ff0000"}));
}
