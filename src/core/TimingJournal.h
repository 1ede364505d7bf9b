#pragma once
// The journal of the timing on the counter: what a record of it would hold at the moment it was
// written, and what it takes to continue it. Kept on disk while a timing runs or is paused, so
// that a timing the program's end cut off (killed, a crash, a power cut) is found at the next start.
#include "core/TimingRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <optional>

struct TimingJournal {
    // The record as if the timing had ended when the journal was written (`end`), ending 中断.
    TimingRecord record;
    bool paused = false;
    bool overtime = false;           // counting beyond the end
    std::array<qint64, 2> sideMs{};  // a debate: each side's counted time, overtime included
    int floor = 0;                   // a debate: the side with the floor
    int speakerRow = -1;             // the programme's row of the speaker timed; -1 none
};

// The journal as its file holds it (one JSON object, UTF-8), and read back; nothing for bytes
// that are not a journal.
QByteArray JournalBytes(const TimingJournal& journal);
std::optional<TimingJournal> ParseJournal(const QByteArray& bytes);

// What becomes of a timing found cut off, at `now` on the wall clock.
struct CutOffRecovery {
    // Its length has not run out: the user may continue it where it would be now.
    bool canContinue = false;
    // A speech: where the counter would be now (continued) in seconds counted.
    std::int32_t countedSeconds = 0;
    // A debate: where each side's clock would be now.
    std::array<qint64, 2> sideMs{};
};
// A running timing went on while the program was away (the counter where it would be now); a
// paused one stood still. Its length has run out when its counter (a debate: the clock with
// the floor) would have reached the end, when it counted overtime already, or when the wall
// clock went back. A counter that stands still never runs out.
CutOffRecovery DecideRecovery(const TimingJournal& journal, const QDateTime& now);
