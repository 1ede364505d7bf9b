#pragma once
// The offered-command table as the tests expect it.
#include "core/OfferedCommands.h"

#include <iterator>

namespace offered_table {
// Per phase (idle, running, paused, overtime running or paused) three marks for the modes main, toolbar, full screen:
// 'o' offered, 'd' shown but disabled, 'h' hidden.
struct Row {
    CommandId id;
    const char* phases[4];
};
inline const Row kTable[] = {
    {CommandId::Start, {"ooo", "ddd", "ddd", "ooo"}},
    {CommandId::Reset, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::ToolbarMode, {"oho", "oho", "oho", "oho"}},
    {CommandId::FullScreenMode, {"ooh", "ooh", "ooh", "ooh"}},
    {CommandId::BackToMain, {"hoo", "hoo", "hoo", "hoo"}},
    {CommandId::PauseContinue, {"ddd", "ooo", "ooo", "ooo"}},
    {CommandId(7), {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId(8), {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId(9), {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId(10), {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId(11), {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId::About, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::Setup, {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId::HotKeySetup, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::AppInfo, {"ood", "ood", "ood", "ood"}},
    {CommandId::Shake, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::LargeToolbar, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::Exit, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::Records, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::RemoteView, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::Programme, {"ooo", "ooo", "ooo", "ooo"}},
    {CommandId::NextSpeaker, {"ooo", "ddd", "ddd", "ddd"}},
    {CommandId::AdjustTime, {"ddd", "ooo", "ooo", "ooo"}},
    {CommandId::SpeakerMessage, {"ooo", "ooo", "ooo", "ooo"}},
};
inline char Mark(CommandOffer o) { return !o.visible ? 'h' : o.enabled ? 'o' : 'd'; }
} // namespace
using offered_table::kTable;
using offered_table::Mark;
using offered_table::Row;
