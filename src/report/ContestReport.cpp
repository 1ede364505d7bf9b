#include "report/ContestReport.h"

#include "core/Qualify.h"
#include "core/RecordPage.h"
#include "config/ConfigFile.h"
#include "core/TimingRecord.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <tuple>

namespace {
QString Tr(const char* source) { return QCoreApplication::translate("ContestReport", source); }

const char* const kColumns[] = {QT_TRANSLATE_NOOP("ContestReport", "序号"), QT_TRANSLATE_NOOP("ContestReport", "姓名"),
                                QT_TRANSLATE_NOOP("ContestReport", "题目"), QT_TRANSLATE_NOOP("ContestReport", "用时"),
                                QT_TRANSLATE_NOOP("ContestReport", "超时"), QT_TRANSLATE_NOOP("ContestReport", "结果")};

// Latin letters, digits and signs from a Latin font first: the CJK fonts' Latin glyphs, shaped,
// are not in the PDF's text map, and "A1" would be found as "A". Chinese falls through to the
// CJK fonts.
const QStringList kLatinFamilies = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
const QStringList kCjkFamilies = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun"),
                                  QStringLiteral("Noto Serif CJK SC")};

QFont FontOf(const QStringList& families)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(10.5);
    return font;
}

QFont ReportFont() { return FontOf(kLatinFamilies + kCjkFamilies); }

// "+00:00:07" as the programme shows times: "0:00:07"; empty for anything else.
QString OvertimeShown(const QString& field)
{
    static const QRegularExpression form(QStringLiteral("^\\+(\\d{1,6}):([0-5]\\d):([0-5]\\d)$"));
    const QRegularExpressionMatch m = form.match(field);
    return m.hasMatch() ? SpokenText(m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt())
                        : QString();
}

QString Cell(const QString& text) { return text.toHtmlEscaped(); }

// A bound as the contest states it: "4:30", "1:00:00".
QString BoundText(std::int32_t seconds)
{
    return seconds >= 3600 ? SpokenText(seconds)
                           : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString WindowText(const QualifyWindow& w)
{
    return (w.min ? BoundText(*w.min) : QString()) + QStringLiteral("–") + (w.max ? BoundText(*w.max) : QString());
}

// The report's columns: 调整 after 超时 when a speaker has one.
QStringList ColumnTitles(bool adjust)
{
    QStringList titles;
    for (const char* c : kColumns)
        titles << Tr(c);
    if (adjust)
        titles.insert(5, Tr(QT_TRANSLATE_NOOP("ContestReport", "调整")));
    return titles;
}

QStringList RowCells(const ReportRow& r, bool adjust)
{
    QStringList cells{QString::number(r.number), r.name, r.title, r.spoken, r.overtime, r.result};
    if (adjust)
        cells.insert(5, r.adjust);
    return cells;
}
} // namespace

QString QualifyingText(const ConfigFile& config, const QList<Speaker>& speakers, int currentScheme)
{
    QList<int> schemes;
    for (const Speaker& s : speakers) {
        const int scheme = s.scheme ? s.scheme : currentScheme;
        if (scheme >= 1 && scheme <= 5 && !schemes.contains(scheme))
            schemes << scheme;
    }
    std::sort(schemes.begin(), schemes.end());
    QStringList windows;
    QStringList perScheme;
    for (const int scheme : schemes) {
        const QualifyWindow w = ReadQualifyWindow(config, scheme);
        if (w.Empty())
            continue;
        if (!windows.contains(WindowText(w)))
            windows << WindowText(w);
        perScheme << Tr(QT_TRANSLATE_NOOP("ContestReport", "方案%1 %2")).arg(scheme).arg(WindowText(w));
    }
    if (windows.isEmpty())
        return QString();
    return Tr(QT_TRANSLATE_NOOP("ContestReport", "合格时间 %1"))
        .arg(windows.size() == 1 ? windows.first() : perScheme.join(Tr(QT_TRANSLATE_NOOP("ContestReport", "；"))));
}

bool HasAdjustments(const ContestReport& report)
{
    return std::any_of(report.rows.begin(), report.rows.end(), [](const ReportRow& r) { return !r.adjust.isEmpty(); });
}

ContestReport BuildReport(const QList<Speaker>& speakers, const QString& recordsText, const QString& title, QDate today)
{
    // The latest record of each speaker, by name and title.
    QHash<QPair<QString, QString>, QStringList> latest;
    for (const QStringList& row : ParseCsv(recordsText))
        if (!IsRecordHeader(row) && !row.value(SpeakerColumn).isEmpty())
            latest.insert({TypedText(row.value(SpeakerColumn)), TypedText(row.value(SpeakerTitleColumn))}, row);
    ContestReport report;
    report.title = title.isEmpty() ? QCoreApplication::translate("ContestReport", "比赛报告") : title;
    QDate date;
    for (int i = 0; i < speakers.size(); ++i) {
        const Speaker& s = speakers[i];
        ReportRow row{i + 1, s.name, s.title, {}, {}, {}};
        if (s.spoken) {
            row.spoken = SpokenText(*s.spoken);
            row.result = QualifyShown(s.result);
            const auto record = latest.constFind({s.name, s.title});
            if (record != latest.cend()) {
                row.overtime = OvertimeShown(record->value(OvertimeColumn));
                row.adjust = record->value(AdjustColumn);
                const QDate day = QDate::fromString(record->value(DateColumn), QStringLiteral("yyyy-MM-dd"));
                if (day.isValid() && (!date.isValid() || day > date))
                    date = day;
            }
        } else {
            row.result = QCoreApplication::translate("ContestReport", "未上场");
        }
        report.rows << row;
    }
    report.date = date.isValid() ? date : today;
    return report;
}

QByteArray ReportCsv(const ContestReport& report)
{
    const bool adjust = HasAdjustments(report);
    QString text = CsvLine(ColumnTitles(adjust));
    for (const ReportRow& r : report.rows) {
        QStringList cells = RowCells(r, adjust);
        cells[1] = SpreadsheetText(cells[1]);
        cells[2] = SpreadsheetText(cells[2]);
        text += CsvLine(cells);
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

void FillReportDocument(const ContestReport& report, QTextDocument& document)
{
    document.setDefaultFont(ReportFont());
    QString html = QStringLiteral("<h2 align=center>%1</h2><p align=center>%2</p>")
                       .arg(Cell(report.title), report.date.toString(QStringLiteral("yyyy-MM-dd")));
    if (!report.qualifying.isEmpty())
        html += QStringLiteral("<p align=center>%1</p>").arg(Cell(report.qualifying));
    const bool adjust = HasAdjustments(report);
    const QStringList titles = ColumnTitles(adjust);
    // <thead>: the header row repeats at the top of every page.
    html += QStringLiteral("<table width=100% border=1 cellspacing=0 cellpadding=4><thead><tr>");
    // Per cent of the page's width; the title gives room to 调整.
    const QList<int> widths = adjust ? QList<int>{8, 20, 28, 11, 11, 10, 12} : QList<int>{8, 20, 36, 12, 12, 12};
    for (int i = 0; i < titles.size(); ++i)
        html += QStringLiteral("<th width=%1%>%2</th>").arg(widths[i]).arg(Cell(titles[i]));
    html += QStringLiteral("</tr></thead>");
    for (const ReportRow& r : report.rows) {
        const QStringList cells = RowCells(r, adjust);
        html += QStringLiteral("<tr>");
        for (int i = 0; i < cells.size(); ++i)
            html += (i == 1 || i == 2 ? QStringLiteral("<td>%1</td>") : QStringLiteral("<td align=center>%1</td>"))
                        .arg(Cell(cells[i]));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    document.setHtml(html);
}

void PrintReport(const ContestReport& report, QPagedPaintDevice& device)
{
    QTextDocument document;
    FillReportDocument(report, document);
    document.print(&device);
}

QByteArray ReportPdf(const ContestReport& report)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // No margins of its own: the printed document keeps 2 cm round its text.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Horalto"));
        PrintReport(report, writer);
    }
    QString text = report.title + report.qualifying;
    for (const QString& c : ColumnTitles(true))
        text += c;
    for (const ReportRow& r : report.rows)
        text += r.name + r.title + r.result;
    QFont cjk = FontOf(kCjkFamilies);
    MendCjkTextMap(bytes, text, cjk);
    cjk.setBold(true);
    MendCjkTextMap(bytes, text, cjk);
    return bytes;
}

QList<QByteArray> ReportPageImages(const ContestReport& report, int dpi)
{
    // Laid out as the printed document is: A4, 2 cm round the text, in the image's pixels.
    QImage page(qRound(210 / 25.4 * dpi), qRound(297 / 25.4 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&page);
    FillReportDocument(report, document);
    document.setPageSize(page.size());
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * dpi);
    document.rootFrame()->setFrameFormat(frame);
    QList<QByteArray> pages;
    for (int i = 0; i < document.pageCount(); ++i) {
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.translate(0, -i * page.height());
        document.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        page.save(&buffer, "PNG");
        pages << png;
    }
    return pages;
}

void MendCjkTextMap(QByteArray& pdf, const QString& text, const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return;
    // The radicals the font draws with the glyph of an ideograph in the text.
    QHash<quint32, char32_t> glyphOf; // glyph -> ideograph of the text
    for (const char32_t c : text.toUcs4())
        if (c >= 0x3400 && c <= 0xFFFF)
            if (const QList<quint32> g = raw.glyphIndexesForString(QString(QChar(char16_t(c)))); g.size() == 1 && g[0])
                glyphOf.insert(g[0], c);
    QHash<QByteArray, QByteArray> swap; // "<2F50>" -> "<6BD4>"
    for (char32_t r = 0x2E80; r <= 0x2FDF; ++r) {
        const QList<quint32> g = raw.glyphIndexesForString(QString(QChar(char16_t(r))));
        if (g.size() == 1 && g[0] && glyphOf.contains(g[0])) {
            auto hex = [](char32_t c) { return '<' + QByteArray::number(uint(c), 16).toUpper().rightJustified(4, '0') + '>'; };
            swap.insert(hex(r), hex(glyphOf[g[0]]));
        }
    }
    if (swap.isEmpty())
        return;
    // In each map's lines the first token (bfchar) or two (bfrange) are glyph codes, the rest text.
    for (const auto& [begin, end, codes] : {std::tuple{QByteArray("beginbfchar"), QByteArray("endbfchar"), 1},
                                            std::tuple{QByteArray("beginbfrange"), QByteArray("endbfrange"), 2}}) {
        qsizetype from = 0;
        while ((from = pdf.indexOf(begin, from)) >= 0) {
            const qsizetype stop = pdf.indexOf(end, from);
            if (stop < 0)
                break;
            qsizetype i = from + begin.size();
            int token = 0;
            while (i < stop) {
                const char c = pdf[i];
                if (c == '\n') {
                    token = 0;
                } else if (c == '<') {
                    const qsizetype close = pdf.indexOf('>', i);
                    if (close < 0 || close > stop)
                        break;
                    if (token++ >= codes && close - i == 5)
                        if (const auto it = swap.constFind(pdf.mid(i, 6)); it != swap.cend())
                            pdf.replace(i, 6, *it);
                    i = close;
                }
                ++i;
            }
            from = stop;
        }
    }
}
