#pragma once
// The report laid out on A4 pages, ready to draw. The layout of a long programme takes a while:
// it is made on any thread, while drawing the pages made is quick, on a printer, the preview or a
// PDF writer.
#include "report/ContestReport.h"

#include <QList>
#include <QPicture>
#include <QSizeF>

struct ReportPages {
    QList<QPicture> pages;
    QSizeF pageSize; // A4 in the pictures' units
    qreal dpi = 96;  // the pictures' units per inch
};

// The report's pages: the title, the date, the table with its header on every page, 2 cm round
// the text. Runs on any thread.
ReportPages LayOutReport(const ContestReport& report);
// Each page on a sheet of its own, at the device's resolution (a device without margins).
void DrawReportPages(const ReportPages& pages, QPagedPaintDevice& device);
