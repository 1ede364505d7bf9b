#include "report/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>

ReportPages LayOutReport(const ContestReport& report)
{
    ReportPages out;
    QPicture measure;
    out.dpi = measure.logicalDpiY();
    QTextDocument document;
    // Laid out in the pictures' units, so that they are drawn as measured.
    document.documentLayout()->setPaintDevice(&measure);
    FillReportDocument(report, document);
    out.pageSize = QSizeF(210 / 25.4 * out.dpi, 297 / 25.4 * out.dpi);
    document.setPageSize(out.pageSize);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * out.dpi);
    document.rootFrame()->setFrameFormat(frame);
    const int count = document.pageCount();
    out.pages.reserve(count);
    for (int i = 0; i < count; ++i) {
        QPicture page;
        QPainter painter(&page);
        const QRectF sheet(QPointF(0, i * out.pageSize.height()), out.pageSize);
        painter.translate(0, -sheet.top());
        document.drawContents(&painter, sheet);
        painter.end();
        out.pages << page;
    }
    return out;
}

void DrawReportPages(const ReportPages& pages, QPagedPaintDevice& device)
{
    QPainter painter(&device);
    const qreal scale = device.logicalDpiY() / pages.dpi;
    for (int i = 0; i < pages.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.drawPicture(0, 0, pages.pages[i]);
        painter.restore();
    }
}
