#include "report/ReportJob.h"

#include <QThread>

ReportJob::ReportJob(QList<Speaker> speakers, QString recordsText, QString title, QDate today, QString qualifying,
                     Done done)
{
    thread_ = QThread::create([this, speakers = std::move(speakers), records = std::move(recordsText),
                               title = std::move(title), today, qualifying = std::move(qualifying)] {
        report_ = BuildReport(speakers, records, title, today);
        report_.qualifying = qualifying;
        pdf_ = ReportPdf(report_);
        pages_ = ReportPageImages(report_, 120);
    });
    connect(thread_, &QThread::finished, this, [this, done = std::move(done)] {
        running_ = false;
        done(std::move(report_), std::move(pdf_), std::move(pages_));
    });
    thread_->start();
}

ReportJob::~ReportJob()
{
    thread_->wait();
    delete thread_;
}
