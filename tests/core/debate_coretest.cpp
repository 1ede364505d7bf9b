// A debate scheme's two clocks in the session, on the fake clock: the floor, 换方, pause, the
// sides' ends, overtime, the record; and the rule that a hand-over loses and gains no time.
#include "support/SessionAlone.h"

#include <span>
#include <gtest/gtest.h>

namespace {
struct DebateWorld : SessionAlone {
    std::vector<TimingRecord> records;

    explicit DebateWorld(bool overtime, int minutes = 0, int seconds = 10)
    {
        EXPECT_TRUE(load({"[JSSET1]", "JSHH=00", QString::asprintf("JSMM=%02d", minutes), QString::asprintf("JSSS=%02d", seconds), "JSFX=0", "[TSSET1]",
                          "TSSS1=03", "[COMMSET1]", "Debate=Yes", "SideA=Pro", overtime ? "OverTime=Yes" : ""}));
        QObject::connect(&s, &TimingSession::timingEnded, [this](const TimingRecord& r) { records.push_back(r); });
    }
    void tick() { static_cast<FakeTimer&>(*s.Timer1).fire(); }
    // "A|B" with the floor marked by '*' and a gone side by '!'.
    QString shown() const
    {
        const DebateShown d = s.Debate();
        QStringList sides;
        for (int i = 0; i < 2; ++i)
            sides << (d.floor == i ? "*" : "") + d.sides[i].text + (d.sides[i].gone ? "!" : "");
        return sides.join('|');
    }
};
} // namespace

TEST(Debate, TwoClocksOneFloor)
{
    struct Step {
        const char* act; // start, tick, switch, pause (pause/continue)
        int passMs;      // before the act
        const char* shown;
        char phase;      // i(dle), r(unning), p(aused), o(vertime running)
        int sounds;      // played so far
        bool switchOffered;
    };
    const Step plain[] = {
        {"start", 0, "*00:00:10|00:00:10", 'r', 0, true},
        {"adjust+30", 0, "*00:00:10|00:00:10", 'r', 0, true}, // nothing counted to give back
        {"tick", 2500, "*00:00:08|00:00:10", 'r', 0, true},
        {"switch", 500, "00:00:07|*00:00:10", 'r', 0, true},
        {"tick", 4000, "00:00:07|*00:00:06", 'r', 0, true},
        {"pause", 200, "00:00:07|*00:00:06", 'p', 0, true},
        {"switch", 5000, "*00:00:07|00:00:06", 'p', 0, true}, // while paused: A continues
        {"tick", 1000, "*00:00:07|00:00:06", 'p', 0, true},
        {"pause", 0, "*00:00:07|00:00:06", 'r', 0, true},
        {"tick", 4000, "*00:00:03|00:00:06", 'r', 1, true},      // A's prompt at 3 s
        {"adjust+2", 0, "*00:00:05|00:00:06", 'r', 1, true},     // the floor's clock; the prompt in front again
        {"tick", 2000, "*00:00:03|00:00:06", 'r', 2, true},      // and heard again
        {"tick", 3500, "00:00:00!|*00:00:06", 'r', 3, false},    // A's time gone: B has the floor
        {"switch", 0, "00:00:00!|*00:00:06", 'r', 3, false},     // nobody to hand over to
        {"adjust-1", 0, "00:00:00!|*00:00:05", 'r', 3, false},
        {"adjust+1", 0, "00:00:00!|*00:00:06", 'r', 3, false},
        {"tick", 3000, "00:00:00!|*00:00:03", 'r', 4, false},    // B's prompt
        {"tick", 3000, "00:00:00!|*00:00:00!", 'i', 5, false},   // both gone: the timing ends
    };
    const Step overtime[] = {
        {"start", 0, "*00:00:10|00:00:10", 'r', 0, true},
        {"tick", 10000, "*+00:00:00!|00:00:10", 'r', 2, true}, // prompt and end; A keeps the floor
        {"tick", 2000, "*+00:00:02!|00:00:10", 'r', 2, true},
        {"switch", 0, "+00:00:02!|*00:00:10", 'r', 2, true},
        {"tick", 10000, "+00:00:02!|*+00:00:00!", 'o', 4, true},
        {"tick", 1000, "+00:00:02!|*+00:00:01!", 'o', 4, true},
        {"switch", 0, "*+00:00:02!|+00:00:01!", 'o', 4, true},
        {"tick", 1000, "*+00:00:03!|+00:00:01!", 'o', 4, true},
    };
    for (const bool over : {false, true}) {
        DebateWorld w(over);
        EXPECT_FALSE(w.s.Offered(CommandId::SwitchSides).enabled);
        EXPECT_TRUE(w.s.Offered(CommandId::SwitchSides).visible);
        int i = 0;
        for (const Step& step : over ? std::span<const Step>(overtime) : std::span<const Step>(plain)) {
            SCOPED_TRACE(testing::Message() << (over ? "overtime" : "plain") << " step " << i++ << " " << step.act);
            w.clock.pass(step.passMs);
            const QString act = step.act;
            if (act == "start")
                w.s.StartTiming();
            else if (act == "tick")
                w.tick();
            else if (act.startsWith("adjust"))
                w.s.AdjustTime(act.mid(6).toInt());
            else if (act == "switch")
                w.s.SwitchSides();
            else
                w.s.TogglePause();
            EXPECT_EQ(w.shown(), step.shown);
            const char phase = w.s.Phase() == TimingPhase::Idle ? 'i' : w.s.Overtime() ? 'o' : w.s.IsTiming() ? 'r' : 'p';
            EXPECT_EQ(phase, step.phase);
            EXPECT_EQ(w.sound.played.size(), step.sounds);
            EXPECT_EQ(w.s.Offered(CommandId::SwitchSides).enabled, step.switchOffered);
        }
        w.s.ResetTiming();
        EXPECT_EQ(w.shown(), "*00:00:10|00:00:10");
        ASSERT_EQ(w.records.size(), 1u);
        const TimingRecord& r = w.records[0];
        ASSERT_TRUE(r.sideSeconds);
        EXPECT_EQ(*r.sideSeconds, (over ? std::array<std::int32_t, 2>{13, 11} : std::array<std::int32_t, 2>{10, 10}));
        EXPECT_EQ(r.countedSeconds, 20);
        EXPECT_EQ(r.overtimeSeconds, over ? std::optional<std::int32_t>(4) : std::nullopt);
        EXPECT_EQ(RecordFields(r)[SideAColumn], over ? "00:00:13" : "00:00:10");
        EXPECT_EQ(RecordFields(r)[AdjustColumn], over ? "" : "+2");
        EXPECT_EQ(w.s.SideName(0), "Pro");
    }
}

TEST(Debate, AHandOverLosesAndGainsNoTime)
{
    // Four minutes, the floor handed over every 5 s off the tick's phase, one tick 3 s late.
    DebateWorld w(false, 3, 0);
    w.s.StartTiming();
    qint64 wall = 370;
    w.clock.pass(370);
    for (int k = 0; k < 48; ++k) {
        for (int t = 0; t < 5; ++t) {
            const int late = t == 2 && k == 20 ? 2000 : 0;
            w.clock.pass(1000 + late);
            wall += 1000 + late;
            w.tick();
        }
        w.s.SwitchSides();
    }
    const DebateShown d = w.s.Debate();
    // A spoke 24 spans (one of them 2 s longer) and the first 370 ms: 122.37 s; B 24 spans.
    EXPECT_EQ(d.sides[0].text, "00:00:58");
    EXPECT_EQ(d.sides[1].text, "00:01:00");
    w.s.ResetTiming();
    ASSERT_EQ(w.records.size(), 1u);
    const auto sides = *w.records[0].sideSeconds;
    EXPECT_EQ(sides[0] * 1000 + sides[1] * 1000, wall - 370);
    EXPECT_EQ(w.records[0].countedSeconds, 242);
}

TEST(Debate, AnAdjustmentAfterAStallTakesNoTimeBack)
{
    // A stall past the floor's end: the minus before the late tick gives that side nothing back.
    for (const bool over : {false, true}) {
        SCOPED_TRACE(over);
        DebateWorld w(over);
        w.s.StartTiming();
        w.clock.pass(8500), w.tick(), w.clock.pass(4000);
        EXPECT_EQ(w.s.AdjustTime(-5), over ? 0 : -5); // without overtime B has the floor now
        EXPECT_EQ(w.shown(), over ? "*+00:00:02!|00:00:10" : "00:00:00!|*00:00:03");
        w.s.ResetTiming();
        ASSERT_EQ(w.records.size(), 1u);
        EXPECT_EQ((*w.records[0].sideSeconds)[0], over ? 12 : 10);
        EXPECT_EQ(RecordFields(w.records[0])[AdjustColumn], over ? "" : "-5");
    }
}
