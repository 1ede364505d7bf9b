// Figures of the contest report with N speakers (1000 unless given): judged from as many
// records, then laid out and written as a PDF (on the thread that makes it in the program).
#include "core/TimingRecord.h"
#include "report/ContestReport.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    QList<Speaker> speakers;
    QString records = CsvLine(RecordHeader());
    for (int i = 1; i <= n; ++i) {
        Speaker s;
        s.name = QStringLiteral("选手%1 Smith").arg(i);
        s.title = QStringLiteral("我的梦想第%1篇 http://127.0.0.1/").arg(i);
        s.spoken = 300 + i % 120;
        s.result = QStringLiteral("合格");
        speakers << s;
        TimingRecord r;
        r.start = r.end = QDateTime(QDate(2026, 5, 4), QTime(9, 0));
        r.speaker = s.name;
        r.speakerTitle = s.title;
        r.overtimeSeconds = i % 10;
        records += CsvLine(RecordFields(r));
    }
    QElapsedTimer clock;
    clock.start();
    const ContestReport report = BuildReport(speakers, records, QString(), QDate::currentDate());
    const double buildMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const QByteArray pdf = ReportPdf(report);
    const double pdfMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const QList<QByteArray> pages = ReportPageImages(report, 120);
    const double picturesMs = clock.nsecsElapsed() / 1e6;
    std::printf("speakers %d, PDF %lld KB, %lld pages\n", n, qlonglong(pdf.size() / 1024), qlonglong(pages.size()));
    std::printf("judged from the records %8.1f ms\n", buildMs);
    std::printf("laid out as a PDF       %8.1f ms\n", pdfMs);
    std::printf("speakers to PDF         %8.1f ms\n", buildMs + pdfMs);
    std::printf("pictures for a preview  %8.1f ms\n", picturesMs);
    return 0;
}
