#pragma once
// The contest report a timekeeper hands to the chief judge: the programme's speakers in running
// order with the time each spoke, the overtime and the judged result, as a table.
#include "programme/Programme.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class ConfigFile;
class QFont;
class QPagedPaintDevice;
class QTextDocument;

struct ReportRow {
    int number = 0;  // 1.. in running order
    QString name;
    QString title;
    QString spoken;   // "0:05:07"; empty before the speaker spoke
    QString overtime; // the overtime after the scheme's end, "0:00:07"; empty without one
    QString result;   // the judged result, or "未上场", in the interface's language
    QString adjust;   // the adjustments' sum from the latest record, "+30"; empty without one
};

struct ContestReport {
    QString title;
    QDate date;
    QString qualifying; // "合格时间 4:30–7:30" below the date; empty without a window
    QList<ReportRow> rows;
};

// The report of `speakers` as the records (records.csv's text) complete them: a speaker's
// overtime and the date come from the latest record naming the speaker; `title` empty gives
// "比赛报告"; `today` is the date when no record names anyone.
ContestReport BuildReport(const QList<Speaker>& speakers, const QString& recordsText, const QString& title, QDate today);

// The qualifying windows of the schemes the speakers are timed with (a speaker without a scheme
// with `currentScheme`): "合格时间 4:30–7:30", or each scheme's where they differ; empty when
// none has one. Read from config.ini without writing.
QString QualifyingText(const ConfigFile& config, const QList<Speaker>& speakers, int currentScheme);
// Whether any row has an adjustment: the report then has the column 调整.
bool HasAdjustments(const ContestReport& report);

// The report as a spreadsheet reads it: UTF-8 with a byte-order mark, CR LF, the column names
// then one row per speaker.
QByteArray ReportCsv(const ContestReport& report);
// The report laid out for A4 pages: the title, the date, the table (its header on every page).
void FillReportDocument(const ContestReport& report, QTextDocument& document);
// The report on `device` (a printer or a PDF writer), page after page.
void PrintReport(const ContestReport& report, QPagedPaintDevice& device);
// The report as a PDF file's bytes: A4, the fonts embedded, the text searchable. Runs on any
// thread.
QByteArray ReportPdf(const ContestReport& report);
// The report's A4 pages as PNG pictures of `dpi` dots per inch, for a preview. Runs on any thread.
QList<QByteArray> ReportPageImages(const ContestReport& report, int dpi);

// A PDF's text map made to read every CJK character as the character the text holds: a font
// draws a radical (U+2E80..U+2FDF) and its ideograph with one glyph, and the map names the first
// of them, which searches and copies then miss. Same-length edits: the file's offsets stay.
void MendCjkTextMap(QByteArray& pdf, const QString& text, const QFont& font);
