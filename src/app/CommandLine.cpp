#include "app/CommandLine.h"

#include "core/Language.h"
#include "core/SpeakerMessage.h"
#include "core/TimeText.h"

#include <QCoreApplication>

namespace {
struct Word {
    const char* text;
    CommandId command;
};
// The commands a script may send: those a hotkey has, by the same ids.
const Word kWords[] = {
    {"start", CommandId::Start},          {"pause", CommandId::PauseContinue},
    {"reset", CommandId::Reset},          {"main", CommandId::BackToMain},
    {"toolbar", CommandId::ToolbarMode},  {"fullscreen", CommandId::FullScreenMode},
    {"next", CommandId::NextSpeaker},     {"switch", CommandId::SwitchSides},
};
const char kSpeakerWord[] = "speaker";
// The largest row "speaker N" names: more than any programme holds.
constexpr int kMaxSpeaker = 99999;
const char kAdjustWord[] = "adjust";
const char kMessageWord[] = "message";
// The most "adjust N" moves the counter either way: an hour.
constexpr int kMostAdjust = 3600;
const char kRequestPrefix[] = "HORALTO/1";
const char kShowWord[] = "show";
const char kHotkeyWord[] = "hotkey";
const char kDesktopKeysWord[] = "desktop-keys";

// "speaker N": N a row number 1.. in plain digits.
std::optional<InstanceRequest> ParseSpeakerWords(const QStringList& words, QString* error)
{
    bool ok = false;
    const int n = words.size() == 2 && words[1].size() <= 5 && !words[1].startsWith(u'+') ? words[1].toInt(&ok) : 0;
    if (ok && n >= 1 && n <= kMaxSpeaker)
        return InstanceRequest{CommandId::NextSpeaker, n, 0, {}};
    if (error)
        *error = words.size() > 2 ? CommandLineText::UnknownWord(words[2]) : CommandLineText::SpeakerNumber();
    return std::nullopt;
}

// "adjust N": N seconds with an optional sign, within an hour either way.
std::optional<InstanceRequest> ParseAdjustWords(const QStringList& words, QString* error)
{
    const QString& n = words.value(1);
    const qsizetype digits = n.size() - (n.startsWith(u'+') || n.startsWith(u'-') ? 1 : 0);
    bool ok = words.size() == 2 && digits >= 1 && digits <= 4;
    for (qsizetype i = n.size() - digits; ok && i < n.size(); ++i)
        ok = n[i] >= u'0' && n[i] <= u'9';
    const int seconds = ok ? n.toInt(&ok, 10) : 0;
    if (ok && seconds >= -kMostAdjust && seconds <= kMostAdjust)
        return InstanceRequest{CommandId::AdjustTime, 0, seconds, {}};
    if (error)
        *error = words.size() > 2 ? CommandLineText::UnknownWord(words[2]) : CommandLineText::AdjustSeconds();
    return std::nullopt;
}

// A command with its words ("start", "scheme 3"); nothing with an error line when the words
// are not one.
std::optional<CommandId> ParseCommandWords(const QStringList& words, QString* error)
{
    if (words[0] == QLatin1String("scheme")) {
        if (words.size() == 2 && words[1].size() == 1 && words[1][0] >= u'1' && words[1][0] <= u'5')
            return SchemeCommand(words[1][0].unicode() - u'0');
        if (error)
            *error = words.size() > 2 ? CommandLineText::UnknownWord(words[2]) : CommandLineText::SchemeNumber();
        return std::nullopt;
    }
    for (const Word& w : kWords) {
        if (words[0] == QLatin1String(w.text)) {
            if (words.size() == 1)
                return w.command;
            if (error)
                *error = CommandLineText::UnknownWord(words[1]);
            return std::nullopt;
        }
    }
    if (error)
        *error = CommandLineText::UnknownWord(words[0]);
    return std::nullopt;
}

// A request with its words: a command, or "speaker N".
std::optional<InstanceRequest> ParseRequestWords(const QStringList& words, QString* error)
{
    if (words.isEmpty())
        return std::nullopt;
    if (words[0] == QLatin1String(kHotkeyWord)) {
        // A hotkey's command as a desktop shortcut sends it; between the processes, with the time
        // of the key ("@12345").
        QStringList rest = words.mid(1);
        qint64 pressedAt = 0;
        if (!rest.isEmpty() && rest[0].startsWith(u'@')) {
            bool ok = false;
            pressedAt = rest.takeFirst().mid(1).toLongLong(&ok);
            if (!ok || pressedAt <= 0)
                return std::nullopt;
        }
        std::optional<CommandId> id = rest.isEmpty() ? std::nullopt : ParseCommandWords(rest, error);
        if (!id && rest.isEmpty() && error)
            *error = CommandLineText::HotkeyWords();
        if (!id)
            return std::nullopt;
        InstanceRequest request{id, 0, 0, {}};
        request.key = true;
        request.pressedAt = pressedAt;
        return request;
    }
    if (words[0] == QLatin1String(kSpeakerWord))
        return ParseSpeakerWords(words, error);
    if (words[0] == QLatin1String(kAdjustWord))
        return ParseAdjustWords(words, error);
    if (const auto id = ParseCommandWords(words, error))
        return InstanceRequest{id, 0, 0, {}};
    return std::nullopt;
}
} // namespace

QStringList ArgumentList(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

CommandLine ParseCommandLine(const QStringList& args)
{
    CommandLine line;
    if (args.isEmpty())
        return line;
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (args.size() == 1 && args[0] == QLatin1String("--version")) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    if (args[0] == QLatin1String("report")) {
        // Written by this start itself, from the files: no running program is asked.
        if (args.size() == 2 && !args[1].isEmpty()) {
            line.action = CommandLine::Action::Report;
            line.file = args[1];
        } else {
            line.action = CommandLine::Action::Usage;
            line.error = args.size() > 2 ? CommandLineText::UnknownWord(args[2]) : CommandLineText::ReportFile();
        }
        return line;
    }
    if (args[0] == QLatin1String(kDesktopKeysWord)) {
        // Done by this start itself, in the desktop's settings.
        const QString word = args.value(1);
        if (args.size() <= 2 && (args.size() == 1 || word == QLatin1String("on") || word == QLatin1String("off"))) {
            line.action = CommandLine::Action::DesktopKeys;
            line.desktopKeys = word;
        } else {
            line.action = CommandLine::Action::Usage;
            line.error = args.size() > 2 ? CommandLineText::UnknownWord(args[2]) : CommandLineText::DesktopKeysWord();
        }
        return line;
    }
    if (args[0] == QLatin1String(kMessageWord)) {
        // The words after it are the message, as one line; none clears it.
        const QString text = SpeakerMessageLine(args.mid(1).join(u' '));
        if (!SpeakerMessageFits(text)) {
            line.action = CommandLine::Action::Usage;
            line.status = ExitStatus::NotOffered;
            line.error = CommandLineText::MessageLength();
            return line;
        }
        line.action = CommandLine::Action::Command;
        line.request = InstanceRequest{CommandId::SpeakerMessage, 0, 0, text};
        return line;
    }
    if (const auto request = ParseRequestWords(args, &line.error)) {
        line.action = CommandLine::Action::Command;
        line.request = *request;
    } else {
        line.action = CommandLine::Action::Usage;
        // A number that is not one or out of range is refused as a command that cannot run.
        if (args[0] == QLatin1String(kAdjustWord) && args.size() <= 2)
            line.status = ExitStatus::NotOffered;
    }
    return line;
}

QByteArray RequestLine(const InstanceRequest& request)
{
    QByteArray line = kRequestPrefix;
    line += ' ';
    if (request.key)
        line += kHotkeyWord + QByteArray(" ") + (request.pressedAt > 0 ? '@' + QByteArray::number(request.pressedAt) + ' ' : QByteArray());
    if (!request.command) {
        line += kShowWord;
    } else if (request.command == CommandId::AdjustTime) {
        line += kAdjustWord + QByteArray(" ") + (request.seconds > 0 ? "+" : "") + QByteArray::number(request.seconds);
    } else if (request.command == CommandId::SpeakerMessage) {
        // The text in base64 (URL form, no padding): any characters, still one line of words.
        line += kMessageWord;
        if (!request.message.isEmpty())
            line += ' ' + request.message.toUtf8().toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    } else if (request.speaker > 0) {
        line += kSpeakerWord + QByteArray(" ") + QByteArray::number(request.speaker);
    } else if (const int scheme = SchemeOf(*request.command)) {
        line += "scheme " + QByteArray::number(scheme);
    } else {
        for (const Word& w : kWords)
            if (w.command == *request.command)
                line += w.text;
    }
    return line;
}

std::optional<InstanceRequest> ParseRequestLine(const QByteArray& line)
{
    QStringList words = QString::fromLatin1(line).split(u' ');
    if (words.size() < 2 || words.takeFirst() != QLatin1String(kRequestPrefix))
        return std::nullopt;
    if (words.size() == 1 && words[0] == QLatin1String(kShowWord))
        return InstanceRequest{};
    if (words[0] == QLatin1String(kMessageWord)) {
        if (words.size() == 1)
            return InstanceRequest{CommandId::SpeakerMessage, 0, 0, {}};
        const auto decoded = QByteArray::fromBase64Encoding(words[1].toLatin1(), QByteArray::Base64UrlEncoding |
                                                                                 QByteArray::AbortOnBase64DecodingErrors);
        if (words.size() != 2 || !decoded)
            return std::nullopt;
        const QString text = SpeakerMessageLine(QString::fromUtf8(*decoded));
        if (text.isEmpty() || !SpeakerMessageFits(text))
            return std::nullopt;
        return InstanceRequest{CommandId::SpeakerMessage, 0, 0, text};
    }
    return ParseRequestWords(words, nullptr);
}

namespace {
const char kNotStoredWord[] = "NOT-STORED ";
}

QByteArray NotStoredAnswer(const QString& reason)
{
    return kNotStoredWord + reason.toUtf8().toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::optional<QString> NotStoredReason(const QByteArray& answer)
{
    if (!answer.startsWith(kNotStoredWord))
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(answer.mid(qsizetype(sizeof kNotStoredWord) - 1),
                                                        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    // Shown on a terminal: one line, no control characters.
    return decoded ? SpeakerMessageLine(QString::fromUtf8(*decoded)) : QString();
}

namespace CommandLineText {
namespace {
QString Tr(const char* source) { return ProgramText("CommandLine", source); }
} // namespace

QString Help()
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine",
        "用法：horalto [命令]\n"
        "\n"
        "不带命令时启动 Horalto；Horalto 已在运行时，把它正在使用的显示窗口调到最前面。\n"
        "\n"
        "命令发给正在运行的 Horalto，作用与对应的热键相同，只在该命令此时可用时执行：\n"
        "  start         开始计时\n"
        "  pause         暂停或继续计时\n"
        "  reset         复位\n"
        "  main          返回主界面\n"
        "  toolbar       工具条模式\n"
        "  fullscreen    全屏幕模式\n"
        "  scheme N      切换到计时方案 N（1 到 5）\n"
        "  next          比赛名单的下一位选手\n"
        "  speaker N     比赛名单的第 N 位选手\n"
        "  adjust N      调整正在进行的计时：+N 给演讲者 N 秒，-N 收回 N 秒（N 最多 3600）\n"
        "  message TEXT  在演讲者页面上显示消息 TEXT（最多 100 个字符）；不带 TEXT 时清除消息\n"
        "  switch        辩论计时方案：换方，发言权交给另一方\n"
        "  hotkey 命令   与该命令相同，供桌面快捷键使用：按住不放只起一次作用\n"
        "\n"
        "  desktop-keys  显示各热键是否设为桌面快捷键（GNOME 的自定义快捷键）\n"
        "  desktop-keys on   把热键设为桌面快捷键，在任何窗口有焦点时都起作用\n"
        "  desktop-keys off  取消 Horalto 的桌面快捷键，只留下用户自己的\n"
        "\n"
        "  report FILE   把比赛报告（比赛名单、用时和结果）写入 FILE（.pdf 或 .csv），\n"
        "                不需要 Horalto 正在运行；写成返回 0，否则返回 1\n"
        "\n"
        "  -h, --help    显示本说明\n"
        "  --version     显示版本\n"
        "\n"
        "退出状态：0 已执行；1 命令此时不可用（或 adjust 的秒数、消息的长度不对），\n"
        "或者已执行但更改无法保存（原因见标准错误输出）；2 没有正在运行的 Horalto，\n"
        "或者它在等待时间内没有回答：命令没有执行，可以再发一次；64 命令行有误。\n"));
}
QString Version() { return QStringLiteral("Horalto ") + ProgramVersion() + u'\n'; }
QString UsageHint() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "用法见 horalto --help\n")); }
QString UnknownWord(const QString& word)
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：无法识别的参数“%1”\n")).arg(word);
}
QString SchemeNumber() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：scheme 后面应是方案号 1 到 5\n")); }
QString SpeakerNumber() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：speaker 后面应是选手的序号\n")); }
QString AdjustSeconds()
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：adjust 后面应是秒数 -3600 到 +3600，如 +30 或 -30\n"));
}
QString MessageLength() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：消息最多 100 个字符\n")); }
QString DesktopKeysWord()
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：desktop-keys 后面应是 on 或 off，或者什么也不带\n"));
}
QString HotkeyWords() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：hotkey 后面应是热键的命令，如 start\n")); }
QString ReportFile() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：report 后面应是报告的文件名（.pdf 或 .csv）\n")); }
QString NoInstance() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：没有正在运行的 Horalto\n")); }
QString NoAnswer()
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：正在运行的 Horalto 没有及时回答，命令没有执行\n"));
}
QString NotStored(const QString& reason)
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：已执行，但更改没有保存：%1\n")).arg(reason);
}
QString NotWhileTiming()
{
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：正在计时，计时结束或复位后才能切换选手或方案\n"));
}
QString NoNextSpeaker() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：比赛名单中没有下一位选手\n")); }
QString NotOfferedNow() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "horalto：这个命令此时不可用\n")); }
} // namespace CommandLineText
