// The timing session alone, with no window: the blink and the running light.
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

TEST(TimingSession, RunningLightGoesRoundWhileTimingAndBackToRestOtherwise)
{
    FakeRandom random;
    FakeTimers timers;
    TimingSession s(random, timers);
    std::vector<std::pair<int, int>> moves;
    QObject::connect(&s, &TimingSession::runningLightMoved, [&](int from, int to) { moves.emplace_back(from, to); });
    s.StepRunningLight(false); // at rest already: nothing moves
    EXPECT_TRUE(moves.empty());
    for (int i = 0; i < 10; ++i)
        s.StepRunningLight(true);
    EXPECT_EQ(s.LitLight(), 1); // round the nine steps once, then one more
    ASSERT_EQ(moves.size(), 10u);
    EXPECT_EQ(moves[7], std::make_pair(7, 8));
    EXPECT_EQ(moves[8], std::make_pair(8, 0));
    s.StepRunningLight(true);
    s.StepRunningLight(false);
    EXPECT_EQ(s.LitLight(), 0);
    EXPECT_EQ(moves.back(), std::make_pair(2, 0));
}
