#include "programme/SpeakerLines.h"

#include "config/IniEncoding.h"
#include "config/RegularFile.h"
#include "core/UserText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

namespace {

// The one separator of a text, as a spreadsheet chose it when it saved the file.
QChar SeparatorOf(QStringView text)
{
    if (text.contains(u'\t'))
        return u'\t';
    if (text.contains(u','))
        return u',';
    return u'，';
}

bool EndsField(QStringView text, qsizetype at, QChar separator)
{
    return at >= text.size() || text[at] == separator || text[at] == u'\n' || text[at] == u'\r';
}

// Where the quoted field opened at `open` ends (its closing quote), or -1 when no closing quote
// is followed by the field's end: then the opening quote is a character.
qsizetype ClosingQuote(QStringView text, qsizetype open, QChar separator)
{
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] != u'"')
            continue;
        if (i + 1 < text.size() && text[i + 1] == u'"') {
            ++i;
            continue;
        }
        return EndsField(text, i + 1, separator) ? i : -1;
    }
    return -1;
}

struct Row {
    QStringList fields;
    int line = 0; // 1.. where it starts
};

// The rows of a text, each with its fields trimmed.
QList<Row> SplitRows(QStringView text, QChar separator)
{
    QList<Row> rows;
    Row row{{}, 1};
    QString field;
    int line = 1;
    bool atFieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && atFieldStart) {
            if (const qsizetype close = ClosingQuote(text, i, separator); close >= 0) {
                for (qsizetype k = i + 1; k < close; ++k) {
                    field += text[k];
                    if (text[k] == u'"')
                        ++k; // the second of a doubled quote
                    else if (text[k] == u'\n')
                        ++line;
                }
                i = close;
                atFieldStart = false;
                continue;
            }
        }
        if (c == separator) {
            row.fields << field.trimmed();
            field.clear();
            atFieldStart = true;
        } else if (c == u'\n') {
            row.fields << field.trimmed();
            rows << row;
            row = Row{{}, ++line};
            field.clear();
            atFieldStart = true;
        } else {
            field += c;
            atFieldStart = false;
        }
    }
    row.fields << field.trimmed();
    rows << row;
    return rows;
}
} // namespace

SpeakerLines ParseSpeakerLines(const QString& text)
{
    SpeakerLines result;
    QStringList notes;
    QStringView body(text);
    if (body.startsWith(QChar(0xFEFF)))
        body = body.mid(1);
    const QList<Row> rows = SplitRows(body, SeparatorOf(body));
    bool first = true;
    for (const Row& row : rows) {
        QStringList f;
        for (const QString& field : row.fields)
            f << KeptText(field).trimmed();
        if (f.join(QString()).isEmpty())
            continue;
        const bool header = first && (f[0] == QStringLiteral("姓名") || f[0].compare(QLatin1String("name"), Qt::CaseInsensitive) == 0);
        first = false;
        if (header)
            continue;
        Speaker s;
        s.name = f[0];
        s.title = f.value(1);
        const QString scheme = f.value(2);
        if (s.name.isEmpty()) {
            notes << QCoreApplication::translate("SpeakerLines", "第 %1 行没有姓名").arg(row.line);
            continue;
        }
        if (s.name.size() > kMaxNameLength) {
            notes << QCoreApplication::translate("SpeakerLines", "第 %1 行的姓名超过 %2 个字符").arg(row.line).arg(kMaxNameLength);
            continue;
        }
        if (s.title.size() > kMaxTitleLength) {
            notes << QCoreApplication::translate("SpeakerLines", "第 %1 行的题目超过 %2 个字符").arg(row.line).arg(kMaxTitleLength);
            continue;
        }
        if (!scheme.isEmpty()) {
            if (scheme.size() != 1 || scheme[0] < u'1' || scheme[0] > u'5') {
                notes << (f.size() > 3 ? QCoreApplication::translate("SpeakerLines", "第 %1 行有 %2 列，多于 姓名,题目,方案 三列").arg(row.line).arg(f.size())
                                       : QCoreApplication::translate("SpeakerLines", "第 %1 行的方案不是 1 到 5").arg(row.line));
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
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.mid(2));
    }
    return IniEncoding::of(bytes).decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

QString SpeakerLimitProblem(int having, int adding)
{
    if (having + qint64(adding) <= kMaxSpeakers)
        return QString();
    return QCoreApplication::translate("SpeakerLines", "比赛名单最多 %1 位选手：现有 %2 位，再加 %3 位就超过了").arg(kMaxSpeakers).arg(having).arg(adding);
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
    // Text has no zero bytes, UTF-16 aside: a picture or a document renamed is refused.
    const bool utf16 = bytes->startsWith("\xFF\xFE") || bytes->startsWith("\xFE\xFF");
    if (utf16 ? bytes->size() % 2 != 0 || DecodeSpeakerFile(*bytes).contains(QChar(0)) : bytes->contains('\0'))
        return {std::nullopt, QCoreApplication::translate("SpeakerLines", "该文件不是文本文件，没有导入")};
    return {ParseSpeakerLines(DecodeSpeakerFile(*bytes)), QString()};
}
