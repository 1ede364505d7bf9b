#include "core/Qualify.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
// The words for the translation catalogue.
[[maybe_unused]] const char* const kWords[] = {QT_TRANSLATE_NOOP("Qualify", "不足时"), QT_TRANSLATE_NOOP("Qualify", "超时"),
                                               QT_TRANSLATE_NOOP("Qualify", "合格")};
} // namespace

QString QualifyResult(std::int32_t seconds, const QualifyWindow& window)
{
    if (window.min && seconds < *window.min)
        return QString::fromUtf8(kQualifyShort);
    if (window.max && seconds > *window.max)
        return QString::fromUtf8(kQualifyOver);
    return window.Empty() ? QString() : QString::fromUtf8(kQualifyPassed);
}

QString QualifyShown(const QString& stored)
{
    for (const char* word : {kQualifyShort, kQualifyOver, kQualifyPassed})
        if (stored == QString::fromUtf8(word))
            return QCoreApplication::translate("Qualify", word);
    return stored;
}

std::optional<std::int32_t> QualifyBound(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):([0-5]\\d):([0-5]\\d)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt();
}

QualifyWindow ReadQualifyWindow(const ConfigFile& config, int scheme)
{
    const QString section = IniSection::COMMSET + QString::number(scheme);
    auto bound = [&](const char* key) {
        const std::optional<QString> text = config.PeekIniText(section, key);
        return text ? QualifyBound(*text) : std::nullopt;
    };
    return {bound(IniKey::QualifyMin), bound(IniKey::QualifyMax)};
}
