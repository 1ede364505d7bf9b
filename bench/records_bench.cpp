// The records window on a large records.csv (offscreen, in this process): the time from the
// window being asked for until its list is filled and painted, and the resident memory it took,
// for 今天 and for 全部, then the memory left after the window closed.
// Usage: bench_records [LINES]   (bench/records builds and runs it)
#include "core/TimingRecord.h"
#include "platform/records/RecordStore.h"
#include "records/RecordsForm.h"
#include "support/CoreFakes.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {
long RssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Waits until the list is filled and painted; the milliseconds since `t` started.
qint64 Shown(RecordsForm& f, QElapsedTimer& t)
{
    while (f.Loading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    f.RecordList->viewport()->repaint();
    QCoreApplication::processEvents();
    return t.elapsed();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    {
        // 200 timings a day, the newest day today, every line about 118 bytes as a contest's are.
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write("\xEF\xBB\xBF" + CsvLine(RecordHeader()).toUtf8());
        const QDate today = QDate::currentDate();
        for (int i = 0; i < lines; ++i) {
            const QDate day = today.addDays(-((lines - 1 - i) / 200));
            out.write(QStringLiteral("%1,09:%2:00,09:%3:00,2,第%4位选手 青年,00:05:00,倒计时,00:05:00,1,00:00:09,到时,+00:00:02\r\n")
                          .arg(day.toString(QStringLiteral("yyyy-MM-dd")))
                          .arg(i % 60, 2, 10, QLatin1Char('0'))
                          .arg((i + 5) % 60, 2, 10, QLatin1Char('0'))
                          .arg(i, 6, 10, QLatin1Char('0'))
                          .toUtf8());
        }
    }
    RecordFile records(path, CsvLine(RecordHeader()));
    FakeDesktop desktop;
    FakeDialogs dialogs;
    SystemClock clock;
    RecordsForm form(records, desktop, dialogs, clock);
    const long before = RssKb();

    QElapsedTimer t;
    t.start();
    form.Form_Show();
    const qint64 todayMs = Shown(form, t);
    const long todayKb = RssKb();
    const int todayRows = form.RecordList->rowCount();
    t.restart();
    form.All->click();
    const qint64 allMs = Shown(form, t);
    const long allKb = RssKb();
    const int allRows = form.RecordList->rowCount();
    form.hide();
    QCoreApplication::processEvents();
    const long closedKb = RssKb();

    std::printf("records.csv: %d lines, %.1f MB\n", lines, double(QFile(path).size()) / 1e6);
    std::printf("今天: %d rows shown in %lld ms, %+ld kB resident\n", todayRows, todayMs, todayKb - before);
    std::printf("全部: %d rows shown in %lld ms (the first page), %+ld kB resident\n", allRows, allMs, allKb - before);
    std::printf("after the window closed: %+ld kB resident against before it opened\n", closedKb - before);
    return 0;
}
