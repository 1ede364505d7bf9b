#include "core/TimingRecord.h"

#include "core/Qualify.h"
#include "core/RecordPage.h"
#include "core/TimeText.h"

#include <QCoreApplication>

QString OvertimeText(std::int32_t seconds)
{
    return QLatin1Char('+') + SecondsToTimeText(seconds);
}

QString AdjustText(std::int32_t seconds)
{
    return (seconds < 0 ? QString() : QStringLiteral("+")) + QString::number(seconds);
}

namespace {
const char* const kHeader[RecordColumns] = {
    QT_TRANSLATE_NOOP("TimingRecord", "日期"),     QT_TRANSLATE_NOOP("TimingRecord", "开始"),
    QT_TRANSLATE_NOOP("TimingRecord", "结束"),     QT_TRANSLATE_NOOP("TimingRecord", "方案"),
    QT_TRANSLATE_NOOP("TimingRecord", "标题"),     QT_TRANSLATE_NOOP("TimingRecord", "时长"),
    QT_TRANSLATE_NOOP("TimingRecord", "方向"),     QT_TRANSLATE_NOOP("TimingRecord", "计时"),
    QT_TRANSLATE_NOOP("TimingRecord", "暂停次数"), QT_TRANSLATE_NOOP("TimingRecord", "暂停时长"),
    QT_TRANSLATE_NOOP("TimingRecord", "结束方式"), QT_TRANSLATE_NOOP("TimingRecord", "超时"),
    QT_TRANSLATE_NOOP("TimingRecord", "选手"),     QT_TRANSLATE_NOOP("TimingRecord", "题目"),
    QT_TRANSLATE_NOOP("TimingRecord", "结果"),     QT_TRANSLATE_NOOP("TimingRecord", "调整"),
    // A debate's sides by their places, whatever the scheme names them.
    QT_TRANSLATE_NOOP("TimingRecord", "正方用时"), QT_TRANSLATE_NOOP("TimingRecord", "反方用时")};
const char* const kEndings[] = {QT_TRANSLATE_NOOP("TimingRecord", "到时"), QT_TRANSLATE_NOOP("TimingRecord", "复位"),
                                QT_TRANSLATE_NOOP("TimingRecord", "重新开始"), QT_TRANSLATE_NOOP("TimingRecord", "退出"),
                                QT_TRANSLATE_NOOP("TimingRecord", "中断")};
const char* const kUp = QT_TRANSLATE_NOOP("TimingRecord", "正计时");
const char* const kDown = QT_TRANSLATE_NOOP("TimingRecord", "倒计时");

QString Tr(const char* source) { return QCoreApplication::translate("TimingRecord", source); }
} // namespace

QStringList RecordHeader()
{
    QStringList header;
    for (const char* title : kHeader)
        header << QString::fromUtf8(title);
    return header;
}

bool IsRecordHeader(const QStringList& row)
{
    return row.size() >= kFirstRecordColumns && row == RecordHeader().mid(0, row.size());
}

QStringList RecordColumnTitles()
{
    QStringList titles;
    for (const char* title : kHeader)
        titles << Tr(title);
    return titles;
}

QString RecordFieldShown(int column, const QString& value)
{
    // Only the program's own words: a title is the user's text, whatever it says.
    if (column == ResultColumn)
        return QualifyShown(value);
    if (column == TitleColumn || column == SpeakerColumn || column == SpeakerTitleColumn)
        return TypedText(value);
    if (column != DirectionColumn && column != EndingColumn)
        return value;
    return Tr(value.toUtf8().constData());
}

QStringList RecordFields(const TimingRecord& r)
{
    const QString clock = QStringLiteral("HH:mm:ss");
    QStringList f(RecordColumns);
    f[DateColumn] = r.start.date().toString(QStringLiteral("yyyy-MM-dd"));
    f[StartColumn] = r.start.time().toString(clock);
    f[EndColumn] = r.end.time().toString(clock);
    f[SchemeColumn] = QString::number(r.scheme);
    f[TitleColumn] = SpreadsheetText(r.title);
    f[LengthColumn] = SecondsToTimeText(r.lengthSeconds);
    f[DirectionColumn] = QString::fromUtf8(r.direction == 1 ? kUp : kDown);
    f[CountedColumn] = SecondsToTimeText(r.countedSeconds);
    f[PausesColumn] = QString::number(r.pauses);
    f[PausedColumn] = SecondsToTimeText(r.pausedSeconds);
    f[EndingColumn] = QString::fromUtf8(kEndings[int(r.ending)]);
    f[OvertimeColumn] = r.overtimeSeconds ? OvertimeText(*r.overtimeSeconds) : QString();
    f[SpeakerColumn] = SpreadsheetText(r.speaker);
    f[SpeakerTitleColumn] = SpreadsheetText(r.speakerTitle);
    f[ResultColumn] = r.result;
    f[AdjustColumn] = r.adjustSeconds ? AdjustText(*r.adjustSeconds) : QString();
    if (r.sideSeconds) {
        f[SideAColumn] = SecondsToTimeText((*r.sideSeconds)[0]);
        f[SideBColumn] = SecondsToTimeText((*r.sideSeconds)[1]);
    }
    return f;
}

QString RecordText(const QStringList& fields)
{
    QStringList f = fields;
    while (f.size() < RecordColumns)
        f << QString();
    QString text = QCoreApplication::translate("TimingRecord", "%1 %2-%3 %4（方案%5，%6 %7）计时 %8")
                       .arg(f[DateColumn], f[StartColumn], f[EndColumn], RecordFieldShown(TitleColumn, f[TitleColumn]), f[SchemeColumn],
                            RecordFieldShown(DirectionColumn, f[DirectionColumn]), f[LengthColumn], f[CountedColumn]);
    if (!f[SpeakerColumn].isEmpty())
        text += u' ' + RecordFieldShown(SpeakerColumn, f[SpeakerColumn]);
    if (!f[OvertimeColumn].isEmpty())
        text += QCoreApplication::translate("TimingRecord", " 超时 %1").arg(f[OvertimeColumn]);
    if (!f[ResultColumn].isEmpty())
        text += u' ' + QualifyShown(f[ResultColumn]);
    if (!f[AdjustColumn].isEmpty())
        text += QCoreApplication::translate("TimingRecord", " 调整 %1 秒").arg(f[AdjustColumn]);
    if (!f[SideAColumn].isEmpty() || !f[SideBColumn].isEmpty())
        text += QCoreApplication::translate("TimingRecord", "（正方 %1，反方 %2）").arg(f[SideAColumn], f[SideBColumn]);
    if (f[PausesColumn].toInt() > 0)
        text += QCoreApplication::translate("TimingRecord", " 暂停%1次 %2").arg(f[PausesColumn], f[PausedColumn]);
    return text + u' ' + RecordFieldShown(EndingColumn, f[EndingColumn]);
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        const bool quote = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
        quoted << (quote ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"' : field);
    }
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QList<QStringList> ParseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowHasText = false;
    auto endRow = [&] {
        if (rowHasText || !row.isEmpty()) {
            row << field;
            rows << row;
        }
        row.clear();
        field.clear();
        rowHasText = false;
    };
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = rowHasText = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            endRow();
        } else if (c != u'\r') {
            field += c;
            rowHasText = true;
        }
    }
    endRow();
    return rows;
}
