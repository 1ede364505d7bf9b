#pragma once
// The contest report made on a thread of its own: judged from the records, written as a PDF and
// drawn as pictures of its pages while the counter, the hotkeys and the pages go on; the result
// is handed over on the thread that asked.
#include "report/ContestReport.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <functional>

class QThread;

class ReportJob : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(ContestReport report, QByteArray pdf, QList<QByteArray> pages)>;
    // Starts at once; `done` runs on this thread's event loop when the PDF and the pictures are made.
    // `qualifying`: the qualifying windows' line below the date (QualifyingText).
    ReportJob(QList<Speaker> speakers, QString recordsText, QString title, QDate today, QString qualifying, Done done);
    // Waits for the thread when it still runs.
    ~ReportJob() override;
    bool Running() const { return running_; }

private:
    QThread* thread_ = nullptr;
    ContestReport report_;
    QByteArray pdf_;
    QList<QByteArray> pages_; // PNG
    bool running_ = true;
};
