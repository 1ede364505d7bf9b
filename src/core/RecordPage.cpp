#include "core/RecordPage.h"

#include "core/TimingRecord.h"

#include <QDate>
#include <algorithm>

namespace {
constexpr qint64 kChunkBytes = 64 * 1024;

// Whether a record line starts at `at`: "yyyy-mm-dd,".
bool RecordLineAt(const QByteArray& b, qsizetype at)
{
    static const char kForm[] = "dddd-dd-dd,";
    if (b.size() - at < qsizetype(sizeof kForm - 1))
        return false;
    for (qsizetype i = 0; i < qsizetype(sizeof kForm - 1); ++i) {
        const char c = b[at + i];
        if (kForm[i] == 'd' ? (c < '0' || c > '9') : c != kForm[i])
            return false;
    }
    return true;
}

bool LooksLikeFormula(const QString& t)
{
    return !t.isEmpty() && (t[0] == u'=' || t[0] == u'+' || t[0] == u'-' || t[0] == u'@' ||
                            (t[0] == u'\'' && LooksLikeFormula(t.mid(1))));
}
} // namespace

RecordChunk RecordChunkBefore(qint64 size, const RecordBytes& pread, qint64 end, qint64 bytes)
{
    if (end < 0 || end > size)
        end = size;
    for (qint64 want = std::max<qint64>(bytes, 1);; want *= 2) {
        const qint64 from = std::max<qint64>(0, end - want);
        const QByteArray data = pread(from, end - from);
        if (from == 0 || data.size() != end - from)
            return {data, 0};
        for (qsizetype nl = data.indexOf('\n'); nl >= 0; nl = data.indexOf('\n', nl + 1))
            if (RecordLineAt(data, nl + 1))
                return {data.mid(nl + 1), from + nl + 1};
    }
}

RecordPage ReadRecordPage(const RecordReader& read, qint64 end, const QString& onlyDate, int rows)
{
    RecordPage page;
    qint64 at = end;
    do {
        const RecordChunk chunk = read(at, kChunkBytes);
        at = chunk.from;
        QList<QStringList> parsed = ParseCsv(QString::fromUtf8(chunk.bytes));
        for (auto it = parsed.rbegin(); it != parsed.rend(); ++it) {
            // The column names, also as a file of an earlier version has them (12, 14 or 15 columns).
            if (IsRecordHeader(*it))
                continue;
            const QString date = it->value(DateColumn);
            if (!onlyDate.isEmpty() && date != onlyDate) {
                // The lines are in the order of the timings: an older day is where today began.
                if (date < onlyDate && QDate::fromString(date, QStringLiteral("yyyy-MM-dd")).isValid())
                    at = 0;
                continue;
            }
            while (it->size() < RecordColumns)
                *it << QString();
            page.rows.push_back(std::move(*it));
        }
    } while (at > 0 && int(page.rows.size()) < rows);
    page.older = at;
    return page;
}

QString SpreadsheetText(const QString& text)
{
    return LooksLikeFormula(text) ? u'\'' + text : text;
}

QString TypedText(const QString& kept)
{
    return kept.startsWith(u'\'') && LooksLikeFormula(kept.mid(1)) ? kept.mid(1) : kept;
}
