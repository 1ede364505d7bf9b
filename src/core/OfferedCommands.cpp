#include "core/OfferedCommands.h"

#include <array>

namespace {
using Flags = std::array<bool, 3>;
constexpr Flags kAll{true, true, true};

struct Rule {
    Flags enabledInPhase; // Idle, Running, Paused
    Flags visibleInMode;  // Main, Toolbar, FullScreen
    Flags enabledInMode;
};

constexpr Flags kIdleOnly{true, false, false};
constexpr Flags kTiming{false, true, true};

// Index: command id - 1.
constexpr Rule kRules[] = {
    /* Start          */ {kIdleOnly, kAll, kAll},
    /* Reset          */ {kAll, kAll, kAll},
    /* ToolbarMode    */ {kAll, {true, false, true}, kAll},
    /* FullScreenMode */ {kAll, {true, true, false}, kAll},
    /* BackToMain     */ {kAll, {false, true, true}, kAll},
    /* PauseContinue  */ {kTiming, kAll, kAll},
    /* Scheme1        */ {kIdleOnly, kAll, kAll},
    /* Scheme2        */ {kIdleOnly, kAll, kAll},
    /* Scheme3        */ {kIdleOnly, kAll, kAll},
    /* Scheme4        */ {kIdleOnly, kAll, kAll},
    /* Scheme5        */ {kIdleOnly, kAll, kAll},
    /* About          */ {kAll, kAll, kAll},
    /* Setup          */ {kIdleOnly, kAll, kAll},
    /* HotKeySetup    */ {kAll, kAll, kAll},
    /* AppInfo        */ {kAll, kAll, {true, true, false}},
    /* Shake          */ {kAll, kAll, kAll},
    /* LargeToolbar   */ {kAll, kAll, kAll},
    /* Exit           */ {kAll, kAll, kAll},
};
static_assert(std::size(kRules) == std::size_t(CommandId::Exit));
} // namespace

CommandOffer OfferedCommand(CommandId id, TimingPhase phase, DisplayMode mode)
{
    const int i = int(id) - 1;
    if (i < 0 || i >= int(std::size(kRules)))
        return {false, false};
    const Rule& r = kRules[i];
    return {r.visibleInMode[int(mode)], r.enabledInPhase[int(phase)] && r.enabledInMode[int(mode)]};
}
