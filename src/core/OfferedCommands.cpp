#include "core/OfferedCommands.h"

#include <array>

namespace {
using Flags = std::array<bool, 4>;
constexpr Flags kAll{true, true, true, true};

struct Rule {
    Flags enabledInPhase; // Idle, Running, Paused, Overtime (running or paused)
    Flags visibleInMode;  // Main, Toolbar, FullScreen
    Flags enabledInMode;
};

constexpr Flags kIdleOnly{true, false, false, false};
constexpr Flags kIdleOrOvertime{true, false, false, true};
constexpr Flags kTiming{false, true, true, true};
constexpr int kOvertime = 3;

// Index: command id - 1.
constexpr Rule kRules[] = {
    /* Start          */ {kIdleOrOvertime, kAll, kAll},
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
    /* Records        */ {kAll, kAll, kAll},
    /* RemoteView     */ {kAll, kAll, kAll},
};
static_assert(std::size(kRules) == std::size_t(CommandId::RemoteView));

// The programme's commands follow the windows' own ones (which are offered nowhere).
// Index: command id - Programme.
constexpr Rule kProgrammeRules[] = {
    /* Programme      */ {kAll, kAll, kAll},
    // As the scheme switch; the programme adds that a following speaker exists.
    /* NextSpeaker    */ {kIdleOnly, kAll, kAll},
};
static_assert(std::size(kProgrammeRules) == std::size_t(int(CommandId::NextSpeaker) - int(CommandId::Programme) + 1));

// Index: command id - AdjustTime.
constexpr Rule kSpeakerRules[] = {
    /* AdjustTime     */ {kTiming, kAll, kAll},
    /* SpeakerMessage */ {kAll, kAll, kAll},
};
static_assert(std::size(kSpeakerRules) == std::size_t(int(CommandId::SpeakerMessage) - int(CommandId::AdjustTime) + 1));

const Rule* RuleOf(CommandId id)
{
    const int i = int(id) - 1;
    if (i >= 0 && i < int(std::size(kRules)))
        return &kRules[i];
    const int j = int(id) - int(CommandId::Programme);
    if (j >= 0 && j < int(std::size(kProgrammeRules)))
        return &kProgrammeRules[j];
    const int k = int(id) - int(CommandId::AdjustTime);
    if (k >= 0 && k < int(std::size(kSpeakerRules)))
        return &kSpeakerRules[k];
    return nullptr;
}
} // namespace

CommandOffer OfferedCommand(CommandId id, TimingPhase phase, DisplayMode mode, bool overtime)
{
    const Rule* rule = RuleOf(id);
    if (!rule)
        return {false, false};
    const Rule& r = *rule;
    const int column = overtime && phase != TimingPhase::Idle ? kOvertime : int(phase);
    return {r.visibleInMode[int(mode)], r.enabledInPhase[column] && r.enabledInMode[int(mode)]};
}
