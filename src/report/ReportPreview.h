#pragma once
#include "report/ContestReport.h"

#include <QDialog>

class Dialogs;
class Printing;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

// The contest report's pages as they will print, with 打印... (the system's print dialog) and
// 保存为 PDF.... Modal over the programme window. Given the report's PDF and the pictures of its
// pages made already: the preview shows the pictures, 保存为 PDF... writes the PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(ContestReport report, QByteArray pdf, QList<QByteArray> pages, Printing& printing, Dialogs& dialogs,
                  QString folder, QWidget* owner);
    ~ReportPreview() override;

    void Print_Click();
    void SavePdf_Click();
    // The folder the last PDF went to.
    const QString& Folder() const { return folder_; }

    QPrintPreviewWidget* Pages = nullptr;
    QPushButton* Print = nullptr;
    QPushButton* SavePdf = nullptr;
    QPushButton* CloseMe = nullptr;

private:
    ContestReport report_;
    QByteArray pdf_;
    QList<QByteArray> pages_; // PNG
    Printing& printing_;
    Dialogs& dialogs_;
    QString folder_;
    std::unique_ptr<QPrinter> screen_;
};
