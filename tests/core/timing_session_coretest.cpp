// The timing session with no window at all: the end rules, prompts, pause and continue, the
// blink. This target links no QtWidgets.
#include "support/SessionAlone.h"

#include <gtest/gtest.h>

namespace {
struct SessionWorld : SessionAlone {
    void load(const QStringList& lines) { EXPECT_TRUE(SessionAlone::load(lines)); }
};

QStringList Scheme(int direction, int length, int prompt = 0)
{
    return {"[FangAnSelect]", "JsFangAnId=1", "[JSSET1]", "JSHH=00", "JSMM=00", QString("JSSS=%1").arg(length, 2, 10, QChar('0')),
            QString("JSFX=%1").arg(direction), "[TSSET1]", QString("TSSS1=%1").arg(prompt)};
}
} // namespace

TEST(TimingSessionAlone, EndRulesByDirection)
{
    struct Case {
        int direction, length;
        QStringList shown; // the counter after each tick while timing
        bool ends;         // on the last of those ticks
    };
    const Case cases[] = {
        {0, 3, {"00:00:03", "00:00:02", "00:00:01", "00:00:00"}, true},
        {1, 3, {"00:00:00", "00:00:01", "00:00:02", "00:00:03"}, true},
        {0, 0, {"00:00:00"}, true},
        {1, 0, {"00:00:00"}, true},
        {2, 3, {"00:00:00", "00:00:00", "00:00:00", "00:00:00", "00:00:00"}, false}, // stands still
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction << " length " << c.length);
        SessionWorld w;
        w.load(Scheme(c.direction, c.length));
        QStringList shown;
        QObject::connect(&w.s, &TimingSession::counterTextChanged, [&](const QString& t) { shown << t; });
        w.s.StartTiming();
        EXPECT_EQ(shown, QStringList{QString("00:00:0%1").arg(c.length)});
        shown.clear();
        for (qsizetype i = 0; i < c.shown.size(); ++i) {
            EXPECT_TRUE(w.s.IsTiming()) << "before tick " << i + 1;
            w.timer(w.s.Timer1).fire();
        }
        if (c.ends) {
            EXPECT_EQ(shown, c.shown + QStringList{"00:00:00"}); // the end resets the counter
            EXPECT_EQ(w.s.Phase(), TimingPhase::Idle);
            EXPECT_EQ(w.sound.played, QStringList{w.s.DefaultEndWav()});
            EXPECT_EQ(w.events.calls, 2);
            EXPECT_EQ(w.s.StartTimeText(), "00:00:00");
        } else {
            EXPECT_EQ(shown, c.shown);
            EXPECT_TRUE(w.s.IsTiming());
            EXPECT_TRUE(w.sound.played.isEmpty());
        }
    }
}

TEST(TimingSessionAlone, PromptAndEndOnTheSameTickPlayPromptThenEnd)
{
    SessionWorld w;
    w.load(Scheme(1, 2, 2));
    w.s.StartTiming();
    for (int i = 0; i < 3; ++i)
        w.timer(w.s.Timer1).fire();
    EXPECT_EQ(w.sound.played, (QStringList{w.s.DefaultPromptWav(), w.s.DefaultEndWav()}));
    EXPECT_TRUE(w.s.Blinking()) << "the end leaves a running blink alone";
    EXPECT_EQ(w.s.Phase(), TimingPhase::Idle);
}

TEST(TimingSessionAlone, ContinueAfterPauseCountsOnFromWhereItStood)
{
    SessionWorld w;
    w.load(Scheme(0, 10));
    std::vector<TimingPhase> phases;
    QObject::connect(&w.s, &TimingSession::phaseChanged, [&](TimingPhase p) { phases.push_back(p); });
    w.s.StartTiming();
    w.timer(w.s.Timer1).fire();
    w.timer(w.s.Timer1).fire();
    w.s.TogglePause();
    EXPECT_EQ(w.s.PauseWord(), "继续");
    EXPECT_FALSE(w.s.Offered(CommandId::Start).enabled);
    EXPECT_TRUE(w.screenSaver.held) << "paused is still a timing";
    for (int i = 0; i < 5; ++i)
        w.timer(w.s.Timer1).fire();
    EXPECT_EQ(w.s.CounterText(), "00:00:09") << "a paused tick leaves the counter";
    w.clock.advance(300);
    w.s.TogglePause();
    EXPECT_EQ(w.s.PauseWord(), "暂停");
    EXPECT_EQ(w.s.EndTimeText(), w.s.DateTimeText(w.clock.t.addSecs(8)));
    w.timer(w.s.Timer1).fire();
    EXPECT_EQ(w.s.CounterText(), "00:00:08");
    EXPECT_EQ(phases, (std::vector{TimingPhase::Running, TimingPhase::Paused, TimingPhase::Running}));
}

TEST(TimingSessionAlone, BlinkDrawsSevenTimesThenRestoresTheConfiguredColours)
{
    SessionWorld w;
    w.load(Scheme(0, 30) + QStringList{"[ColorSet1]", "Normal=255", "ToolsBar=65535", "FullScreen=16711935"});
    FakeTimer& blink = w.timer(w.s.Timer2);
    EXPECT_EQ(blink.interval(), 500);
    std::vector<std::pair<int, int>> colors;
    QObject::connect(&w.s, &TimingSession::counterColorChanged, [&](int view, int color) { colors.emplace_back(view, color); });
    blink.fire(); // off: nothing
    EXPECT_TRUE(colors.empty());

    w.random.script = {1, 2, 3, 4, 5, 6};
    w.s.StartBlink();
    blink.fire();
    ASSERT_EQ(colors.size(), 4u);
    EXPECT_EQ(colors[0], std::make_pair(int(TimingSession::MainCounter), 3 * 65536 + 2 * 256 + 1));
    EXPECT_EQ(colors[1], std::make_pair(int(TimingSession::SmallToolbarCounter), 6 * 65536 + 5 * 256 + 4));
    EXPECT_EQ(colors[3].first, int(TimingSession::FullScreenCounter));
    EXPECT_EQ(w.s.CounterColor(TimingSession::MainCounter), colors[0].second) << "a view built now shows it";

    w.s.StartBlink(); // a second prompt keeps the count
    for (int i = 0; i < 6; ++i)
        blink.fire();
    EXPECT_EQ(w.random.calls, 7 * 12);
    EXPECT_TRUE(w.s.Blinking());
    const int drawnMain = w.s.CounterColor(TimingSession::MainCounter);
    w.config.WriteIniText("ColorSet1", "Normal", "red"); // edited into something unusable meanwhile

    colors.clear();
    blink.fire(); // the eighth step restores without a draw
    EXPECT_EQ(w.random.calls, 7 * 12);
    EXPECT_FALSE(w.s.Blinking());
    EXPECT_EQ(w.s.BlinkTicks(), 0);
    EXPECT_EQ(colors, (std::vector<std::pair<int, int>>{{1, 65535}, {2, 65535}, {3, 16711935}}));
    EXPECT_EQ(w.s.CounterColor(TimingSession::MainCounter), drawnMain);
}

TEST(TimingSessionAlone, RunningLightGoesRoundWhileTimingAndBackToRestOtherwise)
{
    SessionWorld w;
    std::vector<std::pair<int, int>> moves;
    QObject::connect(&w.s, &TimingSession::runningLightMoved, [&](int from, int to) { moves.emplace_back(from, to); });
    w.s.StepRunningLight(false); // at rest already: nothing moves
    EXPECT_TRUE(moves.empty());
    for (int i = 0; i < 10; ++i)
        w.s.StepRunningLight(true);
    EXPECT_EQ(w.s.LitLight(), 1); // round the nine steps once, then one more
    ASSERT_EQ(moves.size(), 10u);
    EXPECT_EQ(moves[7], std::make_pair(7, 8));
    EXPECT_EQ(moves[8], std::make_pair(8, 0));
    w.s.StepRunningLight(true);
    w.s.StepRunningLight(false);
    EXPECT_EQ(w.s.LitLight(), 0);
    EXPECT_EQ(moves.back(), std::make_pair(2, 0));
}

namespace {
// Drives the session: t a tick a second after the last, p pause or continue, w five seconds
// pass, s start, r reset, x the program ends. The records it announces are kept as CSV lines.
QStringList Play(SessionWorld& w, const char* script)
{
    QStringList lines;
    QObject::connect(&w.s, &TimingSession::timingEnded, [&](const TimingRecord& r) { lines << CsvLine(RecordFields(r)); });
    for (const char* c = script; *c; ++c) {
        if (*c == 't') {
            w.clock.advance(1);
            w.timer(w.s.Timer1).fire();
        }
        *c == 'p' ? w.s.TogglePause() : *c == 'w' ? w.clock.advance(5) : *c == 's' ? w.s.StartTiming()
            : *c == 'r' ? w.s.ResetTiming() : *c == 'x' ? w.s.RecordExit() : void();
    }
    w.s.disconnect();
    return lines;
}
const QStringList kOvertime{"[COMMSET1]", "OverTime=Yes"};
} // namespace

TEST(TimingSessionAlone, OvertimeCountsOnAfterTheEndUntilReset)
{
    for (const int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        SessionWorld w;
        w.load(Scheme(direction, 2) + kOvertime);
        Play(w, "sttt");
        EXPECT_EQ(w.sound.played, QStringList{w.s.DefaultEndWav()});
        EXPECT_EQ(w.s.CounterText(), direction ? "00:00:02" : "00:00:00") << "the end leaves the counter";
        EXPECT_TRUE(w.s.Overtime());
        EXPECT_EQ(w.s.StartTimeText(), w.s.DateTimeText(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0))));
        EXPECT_TRUE(w.s.Offered(CommandId::Start).enabled && !w.s.Offered(CommandId::Setup).enabled);
        Play(w, "ttptt");
        EXPECT_EQ(w.s.CounterText(), "+00:00:02");
        EXPECT_EQ(w.s.PauseWord(), "继续");
        EXPECT_TRUE(w.screenSaver.held);
        Play(w, "pt");
        EXPECT_EQ(w.s.CounterText(), "+00:00:03");
        EXPECT_EQ(w.sound.played.size(), 1);
        Play(w, "r");
        EXPECT_FALSE(w.s.Overtime());
        EXPECT_EQ(w.s.Phase(), TimingPhase::Idle);
        EXPECT_EQ(w.s.CounterText(), "00:00:02");
        EXPECT_FALSE(w.screenSaver.held);
    }
}

TEST(TimingSessionAlone, EveryWayATimingEndsIsRecordedOnce)
{
    struct Case {
        int direction;
        QStringList extra;
        const char* script;
        QString line; // the record, started at 09:00:00 (no speaker)
    };
    const QString head = "2026-12-07,09:00:00,";
    const Case cases[] = {
        {0, {"[COMMSET1]", "OverTime=No"}, "sttt", head + "09:00:03,1,\"Ann \"\"A\"\", B\",00:00:02,倒计时,00:00:02,0,00:00:00,到时,,,,,,,\r\n"},
        {1, {}, "sttpwpr", head + "09:00:07,1,T,00:00:02,正计时,00:00:01,1,00:00:05,复位,,,,,,,\r\n"},
        {0, {}, "stts", head + "09:00:02,1,T,00:00:02,倒计时,00:00:01,0,00:00:00,重新开始,,,,,,,\r\n"},
        {0, {}, "sttpwx", head + "09:00:07,1,T,00:00:02,倒计时,00:00:01,1,00:00:05,退出,,,,,,,\r\n"},
        {0, kOvertime, "stttttpwpts", head + "09:00:11,1,T,00:00:02,倒计时,00:00:02,1,00:00:05,到时,+00:00:03,,,,,,\r\n"},
        {1, kOvertime, "stttx", head + "09:00:03,1,T,00:00:02,正计时,00:00:02,0,00:00:00,到时,+00:00:00,,,,,,\r\n"},
        // The whole time spoken is judged: pauses left out, overtime included.
        {0, kOvertime + QStringList{"QualifyMax=00:00:04"}, "stttttpwpts",
         head + "09:00:11,1,T,00:00:02,倒计时,00:00:02,1,00:00:05,到时,+00:00:03,,,超时,,,\r\n"},
        {0, QStringList{"[COMMSET1]", "QualifyMin=00:00:02", "QualifyMax=00:00:02"}, "sttt",
         head + "09:00:03,1,T,00:00:02,倒计时,00:00:02,0,00:00:00,到时,,,,合格,,,\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        SessionWorld w;
        w.load(Scheme(c.direction, 2) + c.extra);
        w.s.TitleText = &c == cases ? "Ann \"A\", B" : "T";
        EXPECT_EQ(Play(w, c.script).join('|').toStdString(), c.line.toStdString());
        EXPECT_EQ(w.config.PeekIniText("COMMSET1", "OverTime").has_value(), !c.extra.filter("OverTime=").isEmpty()) << "never written";
    }
}

TEST(TimingSessionAlone, AStallCostsTheCounterNoSecond)
{
    // Script: s start, p pause or continue, +N the next tick N ms after the last (a stall
    // when N is over a second), t the same as +1000, ~N N ms pass with no tick.
    struct Case {
        int direction, length, prompt;
        const char* overtime;
        const char* script;
        const char* shown;  // the counter at the script's end
        const char* sounds; // P the prompt, E the end, in the order played
        const char* record; // counted, pauses, paused, overtime (after a reset at the end)
    };
    const Case cases[] = {
        {0, 40, 0, "No", "s t t +1500 +500 t", "00:00:36", "", "00:00:04,0,00:00:00,"},
        {0, 40, 0, "No", "s t t +2500 t", "00:00:36", "", "00:00:04,0,00:00:00,"},
        {0, 40, 37, "No", "s t t +4000 t", "00:00:34", "P", "00:00:06,0,00:00:00,"},
        {1, 40, 3, "No", "s t t +4000", "00:00:05", "P", "00:00:05,0,00:00:00,"},
        {0, 10, 0, "No", "s t t +30000 t", "00:00:00", "E", "00:00:10,0,00:00:00,"},
        {0, 10, 9, "Yes", "s t t +30000 t", "+00:00:22", "P E", "00:00:10,0,00:00:00,+00:00:22"},
        {0, 40, 0, "No", "s t t p +30000 +30000 p t", "00:00:38", "", "00:00:02,1,00:01:00,"},
        {0, 40, 0, "No", "s t t ~3000 p", "00:00:37", "", "00:00:03,1,00:00:00,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        SessionWorld w;
        w.load(Scheme(c.direction, c.length, c.prompt) + QStringList{"[COMMSET1]", QString("OverTime=") + c.overtime});
        QStringList record;
        QObject::connect(&w.s, &TimingSession::timingEnded, [&](const TimingRecord& r) {
            record = RecordFields(r).mid(CountedColumn, 3) << RecordFields(r)[OvertimeColumn];
        });
        for (const QString& step : QString(c.script).split(' ')) {
            step == "s" ? w.s.StartTiming() : step == "p" ? w.s.TogglePause() : w.clock.pass(step == "t" ? 1000 : step.mid(1).toInt());
            if (step == "t" || step.startsWith('+'))
                w.timer(w.s.Timer1).fire();
        }
        EXPECT_EQ(w.s.CounterText().toStdString(), c.shown);
        const QString sounds = w.sound.played.join(' ').replace(w.s.DefaultEndWav(), "E").replace(w.s.DefaultPromptWav(), "P");
        EXPECT_EQ(sounds.toStdString(), c.sounds);
        w.s.ResetTiming();
        EXPECT_EQ(record.join(',').toStdString(), c.record);
    }
}

TEST(TimingSessionAlone, SignalColourFromItsPromptUntilTheNextSignalTheEndOrAReset)
{
    // Prompts: 2 s green, 3 s without a colour (it blinks), 4 s red. The script as in Play, one
    // letter per step; after each step the signal shown: G green, R red, - none.
    struct Case {
        int direction, length;
        bool overtime;
        const char* script;
        const char* signal;
    };
    const Case cases[] = {
        {1, 6, false, "stttttttt", "---GGRR--"}, // up: shows 0,1,2…; the end clears it
        {1, 6, true, "stttttttt", "---GGRRRR"},  // overtime keeps the last signal
        {1, 6, false, "stttptttptt", "---GGGGGGGR"}, // a pause keeps it; paused ticks pass nothing
        {1, 6, false, "stttrst", "---G---"},       // a reset clears it, so does a start
        {1, 6, false, "ststtt", "-----G"},         // a restart counts from the start again
        {0, 5, false, "sttttt", "--RRGG"},         // down: shows 5,4,3,2,1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.script << " direction " << c.direction << " overtime " << c.overtime);
        SessionWorld w;
        w.load(Scheme(c.direction, c.length, 2) + QStringList{"TSSS2=03", "TSSS3=04", "TSColor1=#00a651", "TSColor3=#E0201B", "TSColor2=",
                                                              "[COMMSET1]", c.overtime ? "OverTime=Yes" : "OverTime=No"});
        QString shown;
        for (const char* step = c.script; *step; ++step) {
            const char one[] = {*step, 0};
            Play(w, one);
            const auto s = w.s.SignalColor();
            shown += !s ? '-' : *s == qRgb(0x00, 0xA6, 0x51) ? 'G' : *s == qRgb(0xE0, 0x20, 0x1B) ? 'R' : '?';
        }
        EXPECT_EQ(shown.toStdString(), std::string(c.signal));
    }
}

TEST(TimingSessionAlone, AdjustingGivesOrTakesTimeWithinZeroAndTheLength)
{
    // Length 10, a green prompt at 5. Steps: s start, t tick, p pause, + and - three seconds,
    // G and T a minute given or taken. After the steps: the counter, the sounds (P prompt, E
    // end), the signal (G green, - none), then the record's counted time and adjustment.
    struct Case {
        int direction;
        bool overtime;
        const char* script;
        const char* counter;
        const char* sounds;
        char signal;
        const char* counted;
        const char* adjusted;
    };
    const Case cases[] = {
        // Down, shows 10, 9, 8 …: a minus jumps over the prompt silently, its signal shows.
        {0, false, "stttt-", "00:00:04", "", 'G', "00:00:06", "-3"},
        {0, false, "stttt-tttt", "00:00:00", "E", '-', "00:00:10", "-3"},
        // A plus moves a passed prompt back in front of the counter: it sounds again.
        {0, false, "sttttttt+", "00:00:07", "P", '-', "00:00:03", "+3"},
        {0, false, "sttttttt+tt", "00:00:05", "P P", 'G', "00:00:05", "+3"},
        // The limits: never beyond the length, never below zero (which ends on the next tick).
        {0, false, "s+", "00:00:10", "", '-', "00:00:00", ""},
        {0, false, "stG", "00:00:10", "", '-', "00:00:00", ""},   // it shows the length already
        {0, false, "sttT", "00:00:01", "", 'G', "00:00:09", "-8"},
        {0, false, "sttTt", "00:00:00", "E", '-', "00:00:10", "-8"},
        {0, false, "stttp+", "00:00:10", "", '-', "00:00:00", "+2"}, // paused too
        // Up, shows 0, 1, 2 …: a plus takes from the elapsed time.
        {1, false, "stttttt+ttt", "00:00:05", "P P", 'G', "00:00:05", "+3"},
        {1, false, "stt-t", "00:00:05", "P", 'G', "00:00:05", "-3"},
        {1, false, "stG", "00:00:00", "", '-', "00:00:00", ""},
        {1, false, "stttT", "00:00:09", "", 'G', "00:00:09", "-7"},
        // Beyond the end only the overtime moves: a plus takes from it, down to nothing.
        {0, true, "sttttttttttttttt+", "+00:00:01", "P E", 'G', "00:00:10", "+3"},
        {0, true, "sttttttttttttttG-t", "+00:00:04", "P E", 'G', "00:00:10", "+0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.script << " direction " << c.direction);
        SessionWorld w;
        w.load(Scheme(c.direction, 10, 5) + QStringList{"TSColor1=#00A651", "[COMMSET1]", c.overtime ? "OverTime=Yes" : "OverTime=No"});
        QStringList record;
        QObject::connect(&w.s, &TimingSession::timingEnded, [&](const TimingRecord& r) { record = RecordFields(r); });
        for (const char* step = c.script; *step; ++step) {
            const int by = *step == '+' ? 3 : *step == '-' ? -3 : *step == 'G' ? 60 : *step == 'T' ? -60 : 0;
            if (*step == 't')
                w.clock.advance(1), w.timer(w.s.Timer1).fire();
            by ? void(w.s.AdjustTime(by)) : *step == 's' ? w.s.StartTiming() : *step == 'p' ? w.s.TogglePause() : void();
        }
        EXPECT_EQ(w.s.CounterText().toStdString(), c.counter);
        const QString sounds = w.sound.played.join(' ').replace(w.s.DefaultEndWav(), "E").replace(w.s.DefaultPromptWav(), "P");
        EXPECT_EQ(sounds.toStdString(), c.sounds);
        EXPECT_EQ(w.s.SignalColor() ? 'G' : '-', c.signal);
        if (w.s.Phase() != TimingPhase::Idle)
            w.s.ResetTiming();
        EXPECT_EQ(record.value(CountedColumn).toStdString(), c.counted);
        EXPECT_EQ(record.value(AdjustColumn).toStdString(), c.adjusted);
        EXPECT_EQ(w.s.AdjustTime(3), 0) << "idle: nothing to adjust";
    }
}
