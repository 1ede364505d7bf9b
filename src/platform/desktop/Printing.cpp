#include "platform/desktop/Printing.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

bool QtPrinting::print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    draw(printer);
    return true;
}

std::optional<QString> QtPrinting::pdfFile(QWidget* owner, const QString& title, const QString& suggested)
{
    QString name = QFileDialog::getSaveFileName(owner, title, suggested, QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty())
        return std::nullopt;
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    return name;
}
