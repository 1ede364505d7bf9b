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
    // A counter colour on its view's background; or a signal colour and the digits on it.
    const struct {
        QRgb back;
        std::optional<QRgb> counter, digits;
    } cases[] = {
        {rgb(counter_backs::kMain), rgb(k.normal), {}},
        {rgb(counter_backs::kToolbar), rgb(k.toolsBar), {}},
        {rgb(counter_backs::kFullScreen), rgb(k.fullScreen), {}},
        {kSignalGreen, {}, black},   {kSignalYellow, {}, black},        {kSignalRed, {}, white},
        {white, {}, black},          {black, {}, white},                {qRgb(0, 0, 255), {}, white},
        {qRgb(0x76, 0x76, 0x76), {}, black}, // the middle grey, where the two nearly tie
        {qRgb(0x75, 0x75, 0x75), {}, white},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SignalColorText(c.back).toStdString());
        if (c.counter)
            EXPECT_GE(ContrastRatio(*c.counter, c.back), 3.0);
        if (c.digits) {
            EXPECT_EQ(DigitsOnSignal(c.back), *c.digits);
            EXPECT_GE(ContrastRatio(*c.digits, c.back), 4.5); // the better of the two always reads
        }
    }
}
