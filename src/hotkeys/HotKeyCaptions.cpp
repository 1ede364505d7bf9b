#include "hotkeys/HotKeyCaptions.h"

#include <QStringList>

namespace {
const QString kRefused = QStringLiteral("（被占用）");

bool Refused(int id, const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    const HotKeyRecord& row = table[id];
    const HotKeyStatus& status = statuses.at(id);
    return row.Desc != kNotSet && status.refused && status.key == row.SetA + u',' + row.SetB;
}
} // namespace

QString HotKeyText(int id, const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    return Refused(id, table, statuses) ? table[id].Desc + kRefused : table[id].Desc;
}

QString HotKeyCaption(int id, const HotKeyTable& table, const HotKeyStatuses& statuses, const QString& pauseWord)
{
    static const char16_t* const labels[12] = {u"",         u"计时",      u"复位",       u"工具条模式",
                                               u"全屏幕模式", u"返回主界面", u"",           u"计时方案一",
                                               u"计时方案二", u"计时方案三", u"计时方案四", u"计时方案五"};
    const QString label = id == 6 ? pauseWord : QString::fromUtf16(labels[id]);
    if (table[id].Desc == kNotSet)
        return label;
    return label + QString(std::max<qsizetype>(7 - label.size(), 0), QChar(0x3000)) + HotKeyText(id, table, statuses);
}

QString RefusedKeysNote(const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    QStringList keys;
    for (int id = 1; id <= 11; ++id)
        if (Refused(id, table, statuses) && !keys.contains(table[id].Desc))
            keys << table[id].Desc;
    if (keys.isEmpty())
        return {};
    return keys.join(u'、') + QStringLiteral(" 已被其他程序占用，请另选按键！");
}
