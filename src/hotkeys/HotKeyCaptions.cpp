#include "hotkeys/HotKeyCaptions.h"

#include "core/Language.h"
#include "core/OfferedCommands.h"
#include "hotkeys/KeyNames.h"
#include "platform/hotkeys/VirtualKeys.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const char* const kLabels[14] = {
    "",
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "复位"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "工具条模式"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "全屏幕模式"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "返回主界面"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "暂停/继续"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时方案一"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时方案二"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时方案三"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时方案四"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "计时方案五"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "下一位选手"),
    QT_TRANSLATE_NOOP("HotKeyCaptions", "换方"),
};

QString Tr(const char* source) { return QCoreApplication::translate("HotKeyCaptions", source); }

// The latest registration was of the combination that the table holds.
bool Current(int id, const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    const HotKeyRecord& row = table[id];
    return row.Desc != kNotSet && statuses.at(id).key == row.SetA + u',' + row.SetB;
}

bool Refused(int id, const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    return Current(id, table, statuses) && statuses.at(id).refused;
}

// The desktop's words for a key in the form the dialog writes it, where they name a key it can
// show; as they stand otherwise.
QString BoundKeyText(const QString& words)
{
    const std::optional<StoredKey> key = VirtualKeyForTrigger(words);
    const QString name = key ? KeyName(key->virtualKey) : QString();
    if (name.isEmpty() || name == kNotSet || (key->modifierBits & 8))
        return words;
    const int bits = key->modifierBits; // Alt 1, Ctrl 2, Shift 4; the dialog's order is Shift, Ctrl, Alt
    return ModifierCombinationOf((bits & 4 ? 1 : 0) | (bits & 2) | (bits & 1 ? 4 : 0)).prefix + name;
}
} // namespace

QString HotKeyText(int id, const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    const std::optional<QString>& bound = statuses.at(id).bound;
    if (bound && Current(id, table, statuses))
        return bound->isEmpty() ? kNotSet : BoundKeyText(*bound);
    return Refused(id, table, statuses) ? table[id].Desc + QCoreApplication::translate("HotKeyCaptions", "（被占用）")
                                        : table[id].Desc;
}

QString HotKeyCaption(int id, const HotKeyTable& table, const HotKeyStatuses& statuses, const QString& pauseWord)
{
    const QString label = id == 6 ? pauseWord : Tr(kLabels[id]);
    const QString key = HotKeyText(id, table, statuses);
    if (key == kNotSet)
        return label;
    // English puts the key in the menu's column of shortcuts.
    if (UiLanguage() == Language::English)
        return label + u'\t' + key;
    return label + QString(std::max<qsizetype>(7 - label.size(), 0), QChar(0x3000)) + key;
}

QString RefusedKeysNote(const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    QStringList keys;
    for (int id = 1; id <= kHotKeyCommands; ++id)
        if (Refused(id, table, statuses) && !keys.contains(table[id].Desc))
            keys << table[id].Desc;
    if (keys.isEmpty())
        return {};
    return QCoreApplication::translate("HotKeyCaptions", "%1 已被其他程序占用，请另选按键！")
        .arg(keys.join(QCoreApplication::translate("HotKeyCaptions", "、")));
}

std::vector<HotkeyAction> HotKeyActions()
{
    static const char* const names[14] = {"",        "start",   "reset",   "toolbar", "fullscreen", "main", "pause",
                                          "scheme1", "scheme2", "scheme3", "scheme4", "scheme5",    "next", "switch"};
    std::vector<HotkeyAction> actions;
    for (int id = 1; id <= kHotKeyCommands; ++id)
        actions.push_back({id, QString::fromLatin1(names[id]), Tr(kLabels[id])});
    return actions;
}
