#include "core/TimingRecord.h"

#include "core/TimeText.h"

QString OvertimeText(std::int32_t seconds)
{
    return QLatin1Char('+') + SecondsToTimeText(seconds);
}

QStringList RecordHeader()
{
    return {QStringLiteral("日期"), QStringLiteral("开始"), QStringLiteral("结束"), QStringLiteral("方案"),
            QStringLiteral("标题"), QStringLiteral("时长"), QStringLiteral("方向"), QStringLiteral("计时"),
            QStringLiteral("暂停次数"), QStringLiteral("暂停时长"), QStringLiteral("结束方式"), QStringLiteral("超时")};
}

QStringList RecordFields(const TimingRecord& r)
{
    static const char16_t* const endings[] = {u"到时", u"复位", u"重新开始", u"退出"};
    const QString clock = QStringLiteral("HH:mm:ss");
    QStringList f(RecordColumns);
    f[DateColumn] = r.start.date().toString(QStringLiteral("yyyy-MM-dd"));
    f[StartColumn] = r.start.time().toString(clock);
    f[EndColumn] = r.end.time().toString(clock);
    f[SchemeColumn] = QString::number(r.scheme);
    f[TitleColumn] = r.title;
    f[LengthColumn] = SecondsToTimeText(r.lengthSeconds);
    f[DirectionColumn] = r.direction == 1 ? QStringLiteral("正计时") : QStringLiteral("倒计时");
    f[CountedColumn] = SecondsToTimeText(r.countedSeconds);
    f[PausesColumn] = QString::number(r.pauses);
    f[PausedColumn] = SecondsToTimeText(r.pausedSeconds);
    f[EndingColumn] = QString::fromUtf16(endings[int(r.ending)]);
    f[OvertimeColumn] = r.overtimeSeconds ? OvertimeText(*r.overtimeSeconds) : QString();
    return f;
}

QString RecordText(const QStringList& fields)
{
    QStringList f = fields;
    while (f.size() < RecordColumns)
        f << QString();
    QString text = QStringLiteral("%1 %2-%3 %4（方案%5，%6 %7）计时 %8")
                       .arg(f[DateColumn], f[StartColumn], f[EndColumn], f[TitleColumn], f[SchemeColumn],
                            f[DirectionColumn], f[LengthColumn], f[CountedColumn]);
    if (!f[OvertimeColumn].isEmpty())
        text += QStringLiteral(" 超时 ") + f[OvertimeColumn];
    if (f[PausesColumn].toInt() > 0)
        text += QStringLiteral(" 暂停%1次 %2").arg(f[PausesColumn], f[PausedColumn]);
    return text + u' ' + f[EndingColumn];
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
