#include "report/ReportPreview.h"

#include "config/AtomicFile.h"
#include "config/RegularFile.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/Printing.h"

#include <QDir>
#include <QRegularExpression>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

ReportPreview::ReportPreview(ContestReport report, QByteArray pdf, QList<QByteArray> pages, Printing& printing,
                             Dialogs& dialogs, QString folder, QWidget* owner)
    : QDialog(owner), report_(std::move(report)), pdf_(std::move(pdf)), pages_(std::move(pages)), printing_(printing), dialogs_(dialogs), folder_(std::move(folder))
{
    setWindowTitle(tr("比赛报告"));
    setModal(true);
    // The pages drawn for the screen as a PDF would hold them: no printer is asked for this.
    screen_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    screen_->setOutputFormat(QPrinter::PdfFormat);
    screen_->setResolution(300); // as the PDF is written
    // No margins of its own: the printed document keeps 2 cm round its text.
    screen_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                       QPageLayout::Millimeter));
    Pages = new QPrintPreviewWidget(screen_.get(), this);
    // The pictures drawn on its pages: the layout was made off this thread.
    connect(Pages, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        QPainter painter(p);
        const QRect sheet(QPoint(), p->pageLayout().fullRectPixels(p->resolution()).size());
        for (int i = 0; i < pages_.size(); ++i) {
            if (i > 0)
                p->newPage();
            painter.drawImage(sheet, QImage::fromData(pages_[i], "PNG"));
        }
    });
    Print = new QPushButton(tr("打印..."), this);
    SavePdf = new QPushButton(tr("保存为 PDF..."), this);
    CloseMe = new QPushButton(tr("关闭"), this);
    connect(Print, &QPushButton::clicked, this, &ReportPreview::Print_Click);
    connect(SavePdf, &QPushButton::clicked, this, &ReportPreview::SavePdf_Click);
    connect(CloseMe, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {Print, SavePdf, CloseMe}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(buttons);
    resize(720, 860);
    Pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::Print_Click()
{
    printing_.print(this, [this](QPagedPaintDevice& device) { PrintReport(report_, device); });
}

void ReportPreview::SavePdf_Click()
{
    // Named after the contest (its title, less what a file name cannot hold) and the day.
    QString name = report_.title;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral(" "));
    name = name.simplified().left(80);
    if (name.isEmpty() || name.startsWith(u'.'))
        name = tr("比赛报告");
    const QString suggested = QDir(folder_).filePath(name + QStringLiteral(" ")
                                                     + report_.date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf"));
    const std::optional<QString> file = printing_.pdfFile(this, tr("保存为 PDF"), suggested);
    if (!file)
        return;
    folder_ = QFileInfo(*file).absolutePath();
    if (const QString refused = FileTargetProblem(*file); !refused.isEmpty())
        dialogs_.warning(this, tr("比赛报告"), tr("无法写入 %1：%2").arg(QDir::toNativeSeparators(*file), refused));
    else if (!AtomicFile::replace(*file, pdf_))
        dialogs_.warning(this, tr("比赛报告"), tr("无法写入 %1").arg(QDir::toNativeSeparators(*file)));
    else
        dialogs_.information(this, tr("比赛报告"), tr("报告已保存为 PDF：\n%1").arg(QDir::toNativeSeparators(*file)));
}
