// The command line, the exit status of a start beside a running program, and the running
// program's answers.
#include "app/CommandLine.h"
#include "app/HeldKeys.h"
#include "app/InstanceRequests.h"
#include "core/SpeakerMessage.h"
#include "hotkeys/HotKeys.h"
#include "platform/instance/RequestStamp.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

TEST(CommandLine, ArgumentsGiveARequestOrAUsageError)
{
    using A = CommandLine::Action;
    const struct { QStringList args; A action; std::optional<CommandId> command; } cases[] = {
        {{}, A::Start, {}}, {{"pause"}, A::Command, CommandId::PauseContinue},
        {{"fullscreen"}, A::Command, CommandId::FullScreenMode}, {{"scheme", "5"}, A::Command, CommandId::Scheme5},
        {{"-h"}, A::Help, {}}, {{"--version"}, A::Version, {}}, {{"scheme"}, A::Usage, {}},
        {{"scheme", "6"}, A::Usage, {}}, {{"scheme", "03"}, A::Usage, {}}, {{"Start"}, A::Usage, {}},
        {{"start", "now"}, A::Usage, {}}, {{"--help", "start"}, A::Usage, {}}, {{""}, A::Usage, {}},
        {{"adjust", "+30"}, A::Command, CommandId::AdjustTime}, {{"adjust", "-3600"}, A::Command, CommandId::AdjustTime},
        {{"adjust", "3601"}, A::Usage, {}}, {{"adjust", "1e3"}, A::Usage, {}}, {{"adjust"}, A::Usage, {}},
        {{"message"}, A::Command, CommandId::SpeakerMessage}, {{"message", "a\nb", "c"}, A::Command, CommandId::SpeakerMessage},
        {{"message", QString(101, u'x')}, A::Usage, {}},
        // Characters as a person counts them: an emoji with its skin tone, a letter with its accent.
        {{"message", QString("👍🏽").repeated(100)}, A::Command, CommandId::SpeakerMessage},
        {{"message", QString("👍🏽").repeated(101)}, A::Usage, {}},
        {{"message", QString("\U0001F468\u200D\U0001F469\u200D\U0001F467").repeated(51)}, A::Usage, {}},
        {{"desktop-keys"}, A::DesktopKeys, {}}, {{"desktop-keys", "off"}, A::DesktopKeys, {}},
        {{"desktop-keys", "On"}, A::Usage, {}}, {{"desktop-keys", "on", "now"}, A::Usage, {}},
        {{"hotkey", "pause"}, A::Command, CommandId::PauseContinue}, {{"hotkey", "scheme", "2"}, A::Command, SchemeCommand(2)},
        {{"hotkey"}, A::Usage, {}}, {{"hotkey", "speaker", "2"}, A::Usage, {}}, {{"hotkey", "adjust", "+3"}, A::Usage, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.request.command, c.command);
        EXPECT_EQ(line.error.isEmpty(), c.action != A::Usage);
        EXPECT_EQ(line.request.key, c.args.value(0) == "hotkey" && c.action == A::Command);
        if (c.action == A::Start || c.action == A::Command) // the running program reads what was asked
            EXPECT_EQ(ParseRequestLine(RequestLine(line.request)), line.request);
    }
    EXPECT_EQ(ParseRequestLine(RequestLine(ParseCommandLine({"message", "a\nb", "c"}).request))->message, "a b c");
    // The most bytes: 100 characters of 4 units of 3 bytes each (an ideograph with tone marks).
    const InstanceRequest longest = ParseCommandLine({"message", QString("请\u302A\u302B\u302C").repeated(100)}).request;
    EXPECT_EQ(longest.message.size(), kSpeakerMessageUnits);
    EXPECT_LE(RequestLine(longest).size(), InstanceChannel::kMaxRequest);
    EXPECT_EQ(SpeakerMessageText(QString("e\u0301").repeated(101) + "x"), QString("e\u0301").repeated(100));
    for (const char* bad : {"HORALTO/1", "HORALTO/2 start", "HORALTO/1 scheme 6", "HORALTO/1 start start", "HORALTO/1 start\r",
                            "HORALTO/1 adjust 4000", "HORALTO/1 message a+b",
                            "HORALTO/1 hotkey", "HORALTO/1 hotkey @x start", "HORALTO/1 hotkey @-5 start", "HORALTO/1 hotkey next 2"})
        EXPECT_FALSE(ParseRequestLine(bad)) << bad;
}

TEST(CommandLine, ExitStatusFollowsTheAnswerAndOnlyAPlainStartClaims)
{
    using K = InstanceChannel::Reply::Kind;
    const struct { QStringList args; K kind; const char* answer; std::optional<int> status; int asks; } cases[] = {
        {{}, K::Claimed, "", std::nullopt, 1}, {{}, K::NoAnswer, "", 2, 1}, {{"reset"}, K::Answered, kAnswerRefused, 2, 1},
        {{"reset"}, K::NoAnswer, "", 2, 1}, {{"--help"}, K::NoneRuns, "", 0, 0}, {{"stop"}, K::Answered, kAnswerActed, 64, 0},
        // A number of seconds or a message that cannot be used is refused as a command that cannot run.
        {{"adjust", "x"}, K::Answered, kAnswerActed, 1, 0}, {{"message", QString(101, u'x')}, K::Answered, kAnswerActed, 1, 0},
        {{"adjust", "+30"}, K::Answered, kAnswerNotOffered, 1, 1},
        // Done on the displays but not stored: not done, with the reason.
        {{"next"}, K::Answered, "NOT-STORED ZGlzayBmdWxs", 1, 1},
    };
    for (const auto& c : cases) {
        FakeInstanceChannel channel;
        channel.reply = {c.kind, c.answer};
        EXPECT_EQ(HandOverOrClaim(c.args, channel), c.status) << c.args.join(' ').toStdString();
        ASSERT_EQ(int(channel.asked.size()), c.asks);
        if (c.asks)
            EXPECT_EQ(channel.asked[0].second, c.args.isEmpty()); // a command never becomes the program
    }
}

TEST(CommandLine, TheRunningProgramActsAsItsHotkeysWould)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    FakeInstanceChannel channel;
    AnswerRequests(t.app->session, *t.app, channel);
    const auto send = [&](const char* word) { return channel.answerer(QByteArray("HORALTO/1 ") + word); };
    EXPECT_EQ(send("start"), kAnswerActed);
    EXPECT_EQ(send("scheme 2"), kAnswerNotWhileTiming); // schemes only while stopped, and it says so
    EXPECT_EQ(send("scheme 9"), kAnswerRefused);
    t.app->hotKeys().UnregisterAll(); // as a dialog does while it is open
    EXPECT_EQ(send("reset"), kAnswerNotOffered);
    EXPECT_EQ(t.m().Phase(), TimingPhase::Running);
}

TEST(CommandLine, ARequestReadAfterItsSenderGaveUpIsNotActedOn)
{
    const QByteArray pause = "HORALTO/1 pause";
    const struct { QByteArray line; qint64 now; std::optional<QByteArray> taken; } cases[] = {
        {StampedRequest(pause, 1000), 1000, pause},
        {StampedRequest(pause, 1000), 1000 + kFreshRequestMs, pause},
        {StampedRequest(pause, 1000), 1001 + kFreshRequestMs, std::nullopt}, // the sender has given up
        {StampedRequest(pause, 1000), 999, std::nullopt},                    // not this machine's clock
        {pause, 1 << 30, pause},                                             // an earlier version's start
        {pause + " @12x", 0, pause + " @12x"},                               // no stamp: refused as a request
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreshRequest(c.line, c.now), c.taken) << c.line.constData() << " at " << c.now;
    EXPECT_LT(kFreshRequestMs, kAnswerWaitMs) << "an answer has time to come back";
}

TEST(CommandLine, ADesktopShortcutsKeyHeldDownActsOnce)
{
    // GNOME runs a held key's command again after 500 ms, then every 30 ms, and sends no release.
    TestApp t;
    ASSERT_TRUE(t.start());
    HeldKeys held(t.w.clock);
    FakeInstanceChannel channel;
    AnswerRequests(t.app->session, *t.app, channel, &held);
    const struct { qint64 after; const char* line; TimingPhase phase; } steps[] = {
        {0, "hotkey start", TimingPhase::Running},    {100, "hotkey pause", TimingPhase::Paused},
        {500, "hotkey pause", TimingPhase::Paused},   {30, "hotkey pause", TimingPhase::Paused},
        {590, "hotkey pause", TimingPhase::Paused},   // still within 600 ms of the last: held
        {600, "hotkey pause", TimingPhase::Running},  // released and pressed again
        {10, "pause", TimingPhase::Paused},           // a script's command is never a held key
        {10, "hotkey pause", TimingPhase::Paused},    // the key's last was 10 + 10 ms ago
        {50, "hotkey reset", TimingPhase::Idle},      // another key
        {50, "hotkey start", TimingPhase::Running},   // start's last was long ago
    };
    for (const auto& s : steps) {
        t.w.clock.pass(s.after);
        EXPECT_EQ(channel.answerer(QByteArray("HORALTO/1 ") + s.line), kAnswerActed) << s.line;
        EXPECT_EQ(t.m().Phase(), s.phase) << s.line << " after " << s.after;
    }
    // Timed by the sending processes' starts: late, and out of order, one held key is one press.
    t.w.clock.pass(10000);
    const qint64 now = t.w.clock.ms;
    for (const qint64 pressed : {now - 1000, now - 1550, now - 2100, now - 1300})
        channel.answerer("HORALTO/1 hotkey @" + QByteArray::number(pressed) + " pause");
    EXPECT_EQ(t.m().Phase(), TimingPhase::Paused);
}
