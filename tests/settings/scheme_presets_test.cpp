// The presets' counter colours read on each view's background, and the digits on a signal are
// the better of black and white.
#include "core/Colors.h"
#include "settings/SchemePresets.h"
#include "windows/CounterBacks.h"

#include <gtest/gtest.h>

TEST(SchemePresets, CounterColoursReadOnTheirViewsAndSignalDigitsOnTheirColours)
{
    const auto rgb = [](int bgr) { return ColorFromBgr(bgr).rgb(); };
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const PresetCounterColors& k = kPresetCounterColors;
    // A view's background and the preset's counter colour on it; or a signal colour and its digits.
    const struct { QRgb back, front; bool signal; } cases[] = {
        {rgb(counter_backs::kMain), rgb(k.normal), false}, {rgb(counter_backs::kToolbar), rgb(k.toolsBar), false},
        {rgb(counter_backs::kFullScreen), rgb(k.fullScreen), false}, {kSignalGreen, black, true},
        {kSignalYellow, black, true}, {kSignalRed, white, true}, {white, black, true}, {black, white, true},
        {qRgb(0, 0, 255), white, true}, {qRgb(0x76, 0x76, 0x76), black, true}, // the greys where the two
        {qRgb(0x75, 0x75, 0x75), white, true}};                                  // nearly tie
    for (const auto& c : cases) {
        SCOPED_TRACE(SignalColorText(c.back).toStdString());
        EXPECT_GE(ContrastRatio(c.front, c.back), c.signal ? 4.5 : 3.0); // the better of black and white always reads
        if (c.signal)
            EXPECT_EQ(DigitsOnSignal(c.back), c.front);
    }
}
