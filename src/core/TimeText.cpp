#include "config/ConfigFile.h"
#include "core/TimeText.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace {
// A part of a time text: one or more decimal digits.
int TimePart(const QString& part, int max)
{
    if (part.isEmpty() || part.size() > 9)
        throw ConfigError("time part");
    for (QChar c : part)
        if (c < u'0' || c > u'9')
            throw ConfigError("time part");
    const int v = part.toInt();
    if (v > max)
        throw ConfigError("time part out of range");
    return v;
}
} // namespace

std::int32_t TimeTextToSeconds(const QString& text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3)
        throw ConfigError("not a time of day");
    return TimePart(parts[0], 23) * 3600 + TimePart(parts[1], 59) * 60 + TimePart(parts[2], 59);
}

QString SecondsToTimeText(std::int32_t seconds)
{
    const std::int32_t h = seconds / 3600;
    const std::int32_t m = (seconds - h * 3600) / 60;
    const std::int32_t s = seconds - h * 3600 - m * 60;
    auto part = [](std::int32_t v) { return v <= 9 ? QStringLiteral("0") + QString::number(v) : QString::number(v); };
    return part(h) + u':' + part(m) + u':' + part(s);
}

std::int16_t SchemeNumberFromText(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw ConfigError("scheme number is not a number");
    const double r = std::nearbyint(v); // halves go to the even neighbour
    if (r < -32768 || r > 32767)
        throw ConfigError("scheme number out of range");
    return std::int16_t(r);
}

QString ProgramVersion()
{
    return QStringLiteral("%1.%2.%3").arg(HORALTO_VERSION_MAJOR).arg(HORALTO_VERSION_MINOR).arg(HORALTO_VERSION_PATCH);
}

namespace {
const char* const kDefaultInfo = QT_TRANSLATE_NOOP("TimeText", "Horalto 计时器 —— 由 Horalto 开发组设计制作");
}

QString DefaultInfoText()
{
    return QString::fromUtf8(kDefaultInfo);
}

QString ShownInfoText(const QString& stored)
{
    return stored == DefaultInfoText() ? QCoreApplication::translate("TimeText", kDefaultInfo) : stored;
}

QString ConfigErrorMessage()
{
    return QCoreApplication::translate("TimeText", "配置文件错误！请删除程序目录下的 Config.ini 文件后重新运行！");
}
