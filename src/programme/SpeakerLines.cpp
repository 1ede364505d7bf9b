#include "programme/SpeakerLines.h"

#include "config/IniEncoding.h"
#include "config/RegularFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

bool IsSeparator(QChar c) { return c == u',' || c == u'\t' || c == u'，'; }

// The fields of one line; a quoted field may hold separators and doubled quotes.
QStringList SplitFields(QStringView line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool startOfField = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field += line[++i];
            else
                quoted = false;
        } else if (c == u'"' && startOfField) {
            quoted = true;
            startOfField = false;
        } else if (IsSeparator(c)) {
            fields << field.trimmed();
            field.clear();
            startOfField = true;
        } else {
            field += c;
            if (!c.isSpace())
                startOfField = false;
        }
    }
    fields << field.trimmed();
    return fields;
}

// The lines of a text; a line break inside quotes belongs to its field.
QList<QStringView> SplitLines(const QString& text)
{
    QList<QStringView> lines;
    qsizetype start = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    bool quoted = false;
    for (qsizetype i = start; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == u'"')
            quoted = !quoted;
        if (i == text.size() || (text[i] == u'\n' && !quoted)) {
            QStringView line = QStringView(text).mid(start, i - start);
            if (line.endsWith(u'\r'))
                line.chop(1);
            lines << line;
            start = i + 1;
        }
    }
    return lines;
}
} // namespace

SpeakerLines ParseSpeakerLines(const QString& text)
{
    SpeakerLines result;
    QStringList notes;
    const QList<QStringView> lines = SplitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList f = SplitFields(lines[i]);
        const int lineNo = i + 1;
        if (i == 0 && (f[0] == QStringLiteral("姓名") || f[0].compare(QLatin1String("name"), Qt::CaseInsensitive) == 0))
            continue;
        Speaker s;
        s.name = f[0];
        s.title = f.value(1);
        const QString scheme = f.value(2);
        if (s.name.isEmpty()) {
            notes << QCoreApplication::translate("SpeakerLines", "第 %1 行没有姓名").arg(lineNo);
            continue;
        }
        if (!scheme.isEmpty()) {
            if (scheme.size() != 1 || scheme[0] < u'1' || scheme[0] > u'5') {
                notes << QCoreApplication::translate("SpeakerLines", "第 %1 行的方案不是 1 到 5").arg(lineNo);
                continue;
            }
            s.scheme = scheme[0].unicode() - u'0';
        }
        result.speakers << s;
    }
    if (!notes.isEmpty())
        result.skipped = notes.join(QCoreApplication::translate("SpeakerLines", "；")) + QCoreApplication::translate("SpeakerLines", "，已跳过");
    return result;
}

QString DecodeSpeakerFile(const QByteArray& bytes)
{
    return IniEncoding::of(bytes).decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

SpeakerFile ReadSpeakerFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("csv") && suffix != QLatin1String("txt"))
        return {std::nullopt, QCoreApplication::translate("SpeakerLines", "只能导入 .csv 或 .txt 文件")};
    const QFileInfo info(path);
    if (info.exists() && info.isFile() && info.size() > kMaxSpeakerFileBytes)
        return {std::nullopt, QCoreApplication::translate("SpeakerLines", "文件大于 1 MB，没有导入")};
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxSpeakerFileBytes);
    if (!bytes)
        return {std::nullopt, QCoreApplication::translate("SpeakerLines", "无法读取该文件")};
    // Text has no zero bytes: a picture or a document renamed is refused.
    if (bytes->contains('\0'))
        return {std::nullopt, QCoreApplication::translate("SpeakerLines", "该文件不是文本文件，没有导入")};
    return {ParseSpeakerLines(DecodeSpeakerFile(*bytes)), QString()};
}
