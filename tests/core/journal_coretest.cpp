// A timing cut off by the program's end: its journal read back, then continued where it would be
// now or recorded as 中断, on the fake clock.
#include "support/SessionAlone.h"

#include "core/TimingJournal.h"

#include <gtest/gtest.h>

namespace {
struct JournalWorld : SessionAlone {
    std::vector<TimingRecord> records;
    int due = 0;
    explicit JournalWorld(const char* kind)
    {
        QStringList lines{"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=10", "JSFX=0", "[COMMSET1]"};
        if (QByteArray(kind) == "debate")
            lines << "Debate=Yes";
        if (QByteArray(kind) == "overtime")
            lines << "OverTime=Yes";
        EXPECT_TRUE(load(lines));
        QObject::connect(&s, &TimingSession::timingEnded, [this](const TimingRecord& r) { records.push_back(r); });
        QObject::connect(&s, &TimingSession::journalDue, [this] { ++due; });
    }
    void run(const char* acts)
    {
        for (const char* a = acts; *a; ++a) {
            if (*a == 's')
                s.StartTiming();
            else if (*a == 't')
                clock.pass(1000), timer(s.Timer1).fire();
            else if (*a == 'p')
                s.TogglePause();
            else if (*a == 'x')
                s.SwitchSides();
        }
    }
    QString shown() const
    {
        if (!s.IsDebate())
            return s.CounterText();
        const DebateShown d = s.Debate();
        return (d.floor == 0 ? "*" : "") + d.sides[0].text + "|" + (d.floor == 1 ? "*" : "") + d.sides[1].text;
    }
};
} // namespace

TEST(Journal, ACutOffTimingContinuesWhereItWouldBeOrIsRecordedAsInterrupted)
{
    const struct {
        const char* kind;
        const char* before;    // the acts before the cut: s(tart), t(ick), p(ause), x (换方)
        int awayMs;            // from the journal's writing to the next start
        bool continues;
        const char* shown;     // after the continue (and after, its acts)
        const char* after;     // acts of the continued timing before its reset
        int counted;           // the record's 计时 (a debate: 正方, 反方 ×100)
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
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.before << " away " << c.awayMs);
        JournalWorld first(c.kind);
        first.run(c.before);
        EXPECT_GE(first.due, 2) << "written at the start and again while it runs";
        const std::optional<TimingJournal> written = first.s.Journal();
        ASSERT_TRUE(written);
        const QByteArray bytes = JournalBytes(*written);
        const std::optional<TimingJournal> j = ParseJournal(bytes);
        ASSERT_TRUE(j) << bytes.constData();
        EXPECT_EQ(JournalBytes(*j), bytes);
        const CutOffRecovery recovery = DecideRecovery(*j, j->record.end.addMSecs(c.awayMs));
        EXPECT_EQ(recovery.canContinue, c.continues);

        JournalWorld next(c.kind);
        next.clock.pass(3600 * 1000);
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
        EXPECT_EQ(r.start, first.clock.t.addSecs(-qint64(QByteArray(c.before).count('t'))));
        EXPECT_EQ(r.ending, c.continues ? TimingEnd::Reset : TimingEnd::Interrupted);
        EXPECT_EQ(r.pauses, QByteArray(c.before).count('p') + QByteArray(c.after).count('p') / 2);
        const int counted = r.sideSeconds ? (*r.sideSeconds)[0] * 100 + (*r.sideSeconds)[1] : r.countedSeconds + r.overtimeSeconds.value_or(0);
        EXPECT_EQ(counted, c.counted);
    }
    EXPECT_FALSE(ParseJournal("{\"version\":1,\"scheme\":9}"));
    EXPECT_FALSE(ParseJournal("not json"));
}
