// The table of offered commands alone.
#include "support/OfferedTable.h"

#include <gtest/gtest.h>

TEST(OfferedCommands, WholeTable)
{
    ASSERT_EQ(std::size(kTable), std::size_t(CommandId::Exit));
    for (const Row& r : kTable)
        for (int p = 0; p < 3; ++p)
            for (int m = 0; m < 3; ++m)
                EXPECT_EQ(Mark(OfferedCommand(r.id, TimingPhase(p), DisplayMode(m))), r.phases[p][m])
                    << "command " << int(r.id) << " phase " << p << " mode " << m;
    EXPECT_FALSE(OfferedCommand(CommandId(0), TimingPhase::Idle, DisplayMode::Main).offered());
    EXPECT_FALSE(OfferedCommand(CommandId(19), TimingPhase::Idle, DisplayMode::Main).offered());
}
