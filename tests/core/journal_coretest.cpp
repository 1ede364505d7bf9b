// A timing cut off by the program's end: its journal read back, then continued where it would be
// now or recorded as 中断, on the fake clock.
#include "support/SessionAlone.h"

#include "core/TimingJournal.h"

#include <gtest/gtest.h>

namespace {
struct JournalWorld : SessionAlone {
    std::vector<TimingRecord> records;
    int due = 0;
    explicit JournalWorld(const QString& kind)
    {
        EXPECT_TRUE(load({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=10", "JSFX=0", "[COMMSET1]", kind == "debate" ? "Debate=Yes" : kind == "overtime" ? "OverTime=Yes" : ""}));
        QObject::connect(&s, &TimingSession::timingEnded, [this](const TimingRecord& r) { records.push_back(r); });
        QObject::connect(&s, &TimingSession::journalDue, [this] { ++due; });
    }
    // s(tart), t(ick a second later), p(ause or continue), x (换方).
    void run(const QByteArray& acts)
    {
        for (const char a : acts)
            a == 's' ? s.StartTiming() : a == 'p' ? s.TogglePause() : a == 'x' ? s.SwitchSides() : (clock.pass(1000), timer(s.Timer1).fire());
    }
    QString shown() const
    {
        const DebateShown d = s.Debate();
        return !s.IsDebate() ? s.CounterText() : (d.floor ? "" : "*") + d.sides[0].text + "|" + (d.floor ? "*" : "") + d.sides[1].text;
    }
};
} // namespace

TEST(Journal, ACutOffTimingContinuesWhereItWouldBeOrIsRecordedAsInterrupted)
{
    const struct {
        const char* kind;
        QByteArray before; // the acts before the cut
        int awayMs;        // from the journal's writing to the next start
        bool continues;
        const char* shown; // after the continue
        QByteArray after;  // acts of the continued timing before its reset
        int counted;       // the record's 计时 (a debate: 正方 ×100 + 反方)
    } cases[] = {
        {"speech", "sttttt", 3000, true, "00:00:03", "t", 7},    // 4 s counted, 3 s away
        {"speech", "stttttp", 60000, true, "00:00:06", "pt", 4}, // paused: the counter waited
        {"speech", "sttttt", 6000, false, "", "", 4},            // the length ran out meanwhile
        {"speech", "sttttt", -5000, false, "", "", 4},           // the wall clock went back
        {"overtime", "sttttttttttttt", 0, false, "", "", 12},    // counting overtime already
        {"debate", "stttxtt", 3000, true, "00:00:07|*00:00:05", "t", 306},
        {"debate", "stttxtt", 9000, false, "", "", 302},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.before.constData() << " away " << c.awayMs);
        JournalWorld first(c.kind);
        first.run(c.before);
        EXPECT_GE(first.due, 2) << "written at the start and again while it runs";
        const QByteArray bytes = JournalBytes(first.s.Journal().value());
        const std::optional<TimingJournal> j = ParseJournal(bytes);
        ASSERT_TRUE(j && JournalBytes(*j) == bytes) << bytes.constData();
        const CutOffRecovery recovery = DecideRecovery(*j, j->record.end.addMSecs(c.awayMs));
        EXPECT_EQ(recovery.canContinue, c.continues);

        JournalWorld next(c.kind);
        next.clock.pass(3600 * 1000); // a restart: another monotonic origin
        if (c.continues) {
            next.s.ContinueCutOff(*j, recovery);
            EXPECT_EQ(next.shown(), c.shown);
            EXPECT_EQ(next.s.Phase(), j->paused ? TimingPhase::Paused : TimingPhase::Running);
            next.run(c.after);
            next.s.ResetTiming();
        } else {
            next.s.RecordCutOff(*j);
        }
        ASSERT_EQ(next.records.size(), 1u);
        const TimingRecord& r = next.records[0];
        EXPECT_EQ(r.start, first.clock.t.addSecs(-c.before.count('t')));
        EXPECT_EQ(r.ending, c.continues ? TimingEnd::Reset : TimingEnd::Interrupted);
        EXPECT_EQ(r.pauses, c.before.count('p'));
        const int counted = r.sideSeconds ? (*r.sideSeconds)[0] * 100 + (*r.sideSeconds)[1] : r.countedSeconds + r.overtimeSeconds.value_or(0);
        EXPECT_EQ(counted, c.counted);
    }
    for (const char* bad : {"{\"version\":1,\"scheme\":9}", "not json"})
        EXPECT_FALSE(ParseJournal(bad));
}
