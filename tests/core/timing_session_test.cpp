// The timing session alone, with no window: the blink's random colours and its restore.
#include "support/Fakes.h"

#include "core/TimingSession.h"

#include <gtest/gtest.h>
#include <vector>

TEST(TimingSession, BlinkDrawsRedGreenBlueForEachViewSevenTimesThenRestoresOnce)
{
    FakeRandom random;
    FakeTimers timers;
    TimingSession s(random, timers);
    std::vector<std::pair<int, int>> colors;
    int restored = 0;
    bool timerOnAtRestore = false;
    QObject::connect(&s, &TimingSession::blinkColorDrawn, [&](int view, int color) { colors.emplace_back(view, color); });
    QObject::connect(&s, &TimingSession::blinkRestored, [&] { ++restored; timerOnAtRestore = s.Blinking(); });

    ASSERT_EQ(timers.made.size(), 1u);
    FakeTimer& blink = *timers.made[0];
    EXPECT_EQ(blink.interval(), 500);
    blink.fire(); // off: nothing
    EXPECT_TRUE(colors.empty());

    random.script = {1, 2, 3, 4, 5, 6};
    s.StartBlink();
    blink.fire();
    ASSERT_EQ(colors.size(), 4u);
    EXPECT_EQ(colors[0], std::make_pair(int(TimingSession::MainCounter), 3 * 65536 + 2 * 256 + 1));
    EXPECT_EQ(colors[1], std::make_pair(int(TimingSession::SmallToolbarCounter), 6 * 65536 + 5 * 256 + 4));
    EXPECT_EQ(colors[3].first, int(TimingSession::FullScreenCounter));
    EXPECT_EQ(s.BlinkTicks(), 1);

    s.StartBlink(); // a second prompt keeps the count
    for (int i = 0; i < 6; ++i)
        blink.fire();
    EXPECT_EQ(random.calls, 7 * 12);
    EXPECT_EQ(restored, 0);
    EXPECT_TRUE(s.Blinking());

    blink.fire(); // the eighth step restores without a draw
    EXPECT_EQ(random.calls, 7 * 12);
    EXPECT_EQ(restored, 1);
    EXPECT_TRUE(timerOnAtRestore);
    EXPECT_FALSE(s.Blinking());
    EXPECT_EQ(s.BlinkTicks(), 0);

    s.StartBlink(); // the next prompt starts from the first step again
    s.StopBlink();
    blink.fire();
    EXPECT_EQ(colors.size(), 7u * 4u);
}
