// The table of offered commands alone.
#include "support/OfferedTable.h"

#include <gtest/gtest.h>

TEST(OfferedCommands, WholeTable)
{
    ASSERT_EQ(std::size(kTable), std::size_t(CommandId::RemoteView) + 4); // and the programme's two, the speaker's two
    // Idle, running, paused, then overtime running and paused (both the fourth column).
    const TimingPhase phases[] = {TimingPhase::Idle, TimingPhase::Running, TimingPhase::Paused, TimingPhase::Running,
                                  TimingPhase::Paused};
    for (const Row& r : kTable)
        for (int p = 0; p < 5; ++p)
            for (int m = 0; m < 3; ++m)
                EXPECT_EQ(Mark(OfferedCommand(r.id, phases[p], DisplayMode(m), p > 2)), r.phases[std::min(p, 3)][m])
                    << "command " << int(r.id) << " phase " << p << " mode " << m;
    EXPECT_FALSE(OfferedCommand(CommandId(0), TimingPhase::Idle, DisplayMode::Main).offered());
    for (int id = int(CommandId::RemoteView) + 1; id < int(CommandId::Programme); ++id)
        EXPECT_FALSE(OfferedCommand(CommandId(id), TimingPhase::Idle, DisplayMode::Main).offered()) << id;
    EXPECT_FALSE(OfferedCommand(CommandId(int(CommandId::NextSpeaker) + 1), TimingPhase::Idle, DisplayMode::Main).offered());
    EXPECT_FALSE(OfferedCommand(CommandId(int(CommandId::SpeakerMessage) + 1), TimingPhase::Idle, DisplayMode::Main).offered());
}
