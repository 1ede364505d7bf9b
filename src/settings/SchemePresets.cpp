#include "settings/SchemePresets.h"

#include <QCoreApplication>

const std::vector<SchemePreset>& SchemePresets()
{
    static const std::vector<SchemePreset> presets{
        {QT_TRANSLATE_NOOP("SchemePresets", "演讲 5–7 分钟"), true, "00:07:30",
         {{"00:05:00", kSignalGreen}, {"00:06:00", kSignalYellow}, {"00:07:00", kSignalRed}}, "00:04:30", "00:07:30"},
        {QT_TRANSLATE_NOOP("SchemePresets", "即兴演讲 1–2 分钟"), true, "00:02:30",
         {{"00:01:00", kSignalGreen}, {"00:01:30", kSignalYellow}, {"00:02:00", kSignalRed}}, "00:00:30", "00:02:30"},
        {QT_TRANSLATE_NOOP("SchemePresets", "点评 2–3 分钟"), true, "00:03:30",
         {{"00:02:00", kSignalGreen}, {"00:02:30", kSignalYellow}, {"00:03:00", kSignalRed}}, "00:01:30", "00:03:30"},
        {QT_TRANSLATE_NOOP("SchemePresets", "演讲比赛 8 分钟"), false, "00:08:00",
         {{"00:01:00", kSignalYellow}, {"00:00:30", kSignalRed}}, "00:06:00", "00:08:00"},
    };
    return presets;
}

QString SchemePresetName(const SchemePreset& preset)
{
    return QCoreApplication::translate("SchemePresets", preset.name);
}
