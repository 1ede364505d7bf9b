#include "app/DesktopKeysCommand.h"

#include "app/CommandLine.h"
#include "config/ConfigFile.h"
#include "core/Language.h"
#include "core/OfferedCommands.h"
#include "hotkeys/HotKeyCaptions.h"
#include "hotkeys/HotKeys.h"
#include "platform/hotkeys/GioKeySettings.h"
#include "platform/ProgramEnv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {
QString Tr(const char* source) { return QCoreApplication::translate("DesktopKeys", source); }

void Print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

int Fail(const QString& line)
{
    Print(stderr, line);
    return 1;
}

QString Padded(const QString& text, int width)
{
    // Chinese characters take two columns.
    int columns = 0;
    for (const QChar c : text)
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    return text + QString(std::max(width - columns, 1), u' ');
}
} // namespace

std::vector<DesktopKeyAction> DesktopKeyActions()
{
    std::vector<DesktopKeyAction> actions;
    for (const HotkeyAction& a : HotKeyActions()) {
        const QByteArray line = RequestLine(InstanceRequest{HotKeyCommand(a.id), 0, 0, {}});
        actions.push_back({a.id, a.name, QStringLiteral("Horalto：") + a.description,
                           QString::fromLatin1(line.mid(line.indexOf(' ') + 1))});
    }
    return actions;
}

std::map<int, StoredKey> KeysInUse(const HotKeyTable& table)
{
    std::map<int, StoredKey> keys;
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        bool ok = false;
        const int code = table[id].SetB.trimmed().toInt(&ok, 10);
        if (table[id].Desc != kNotSet && ok)
            keys[id] = {ModifierBits(table[id].SetA), code};
    }
    return keys;
}

QString DesktopKeysReport(const HotKeyTable& table, const std::map<int, DesktopKeyState>& states, bool on)
{
    QString report;
    for (const HotkeyAction& a : HotKeyActions()) {
        const auto it = states.find(a.id);
        QString key = table[a.id].Desc, state;
        if (it == states.end() || it->second.accelerator.isEmpty()) {
            state = key == kNotSet ? QString() : Tr(QT_TRANSLATE_NOOP("DesktopKeys", "桌面快捷键无法使用这个键"));
        } else if (!it->second.holder.isEmpty()) {
            key += QCoreApplication::translate("HotKeyCaptions", "（被占用）");
            state = Tr(QT_TRANSLATE_NOOP("DesktopKeys", "已被桌面的“%1”占用")).arg(it->second.holder);
        } else {
            state = on ? Tr(QT_TRANSLATE_NOOP("DesktopKeys", "桌面快捷键")) : Tr(QT_TRANSLATE_NOOP("DesktopKeys", "未设为桌面快捷键"));
        }
        report += (Padded(a.description, 14) + Padded(key, 16) + state).trimmed() + u'\n';
    }
    return report;
}

int DesktopKeysCommand(const QString& word, DesktopKeySettings& settings, const QString& executable,
                       std::vector<DesktopKeyAction> actions, const HotKeyTable& table, bool portalBindsKeys)
{
    if (!settings.installed())
        return Fail(Tr(QT_TRANSLATE_NOOP("DesktopKeys", "horalto：这里没有 GNOME 的自定义快捷键（没有安装 gnome-settings-daemon）\n")));
    DesktopKeys keys(settings, executable, std::move(actions));
    if (word == QLatin1String("off")) {
        keys.Remove();
        Print(stdout, Tr(QT_TRANSLATE_NOOP("DesktopKeys", "Horalto 的桌面快捷键已取消。\n")));
        return 0;
    }
    if (word == QLatin1String("on")) {
        if (portalBindsKeys)
            return Fail(Tr(QT_TRANSLATE_NOOP("DesktopKeys",
                "horalto：这个桌面的门户提供全局快捷键，Horalto 的热键由它绑定，不需要桌面快捷键\n")));
        if (!settings.available())
            return Fail(Tr(QT_TRANSLATE_NOOP("DesktopKeys",
                "horalto：只有在 GNOME 桌面（gnome-settings-daemon 正在运行）上才能设为桌面快捷键\n")));
        const std::map<int, DesktopKeyState> states = keys.Write(KeysInUse(table));
        Print(stdout, DesktopKeysReport(table, states, true));
        return 0;
    }
    Print(stdout, DesktopKeysReport(table, keys.Plan(KeysInUse(table)), keys.On()));
    return 0;
}

int RunDesktopKeysCommand(int& argc, char** argv, const QString& word)
{
    QCoreApplication app(argc, argv);
    std::vector<DesktopKeyAction> actions = DesktopKeyActions(); // before the catalogue: the names are Chinese
    const ExecutableDir dir;
    const ConfigFile config(dir);
    ProgramTexts texts;
    texts.Use(config.FileUsable() ? ReadLanguage(config) : Language::Chinese);
    GioKeySettings settings;
    const bool portal = word == QLatin1String("on") && GioKeySettings::PortalHasGlobalShortcuts();
    return DesktopKeysCommand(word, settings, QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(),
                              std::move(actions), PeekHotKeyTable(config), portal);
}
