// records.csv read from its end a page at a time: every record once, in order, whatever the
// page boundaries, and today's only where asked.
#include "core/RecordPage.h"
#include "core/TimingRecord.h"

#include <gtest/gtest.h>

TEST(RecordPage, PagesFromTheEndHoldEveryRecordOnceNewestFirst)
{
    QByteArray file = "\xEF\xBB\xBF" + CsvLine(RecordHeader()).toUtf8();
    const int lines = 9000; // about 700 kB: many pieces
    for (int i = 0; i < lines; ++i)
        file += QStringLiteral("2026-12-%1,09:00:00,09:05:00,1,\"Ann, line\n%2\",00:05:00,倒计时,00:05:00,0,00:00:00,到时,\r\n")
                    .arg(i < 8000 ? "06" : "07").arg(i).toUtf8();
    const RecordReader read = [&](qint64 end, qint64 bytes) {
        return RecordChunkBefore(file.size(), [&](qint64 from, qint64 n) { return file.mid(from, n); }, end, bytes);
    };
    for (const auto& [date, rows, expected] : {std::tuple{QString(), 1000, lines}, std::tuple{QString("2026-12-07"), 300, 1000}}) {
        int next = lines - 1, pages = 0;
        for (qint64 end = -1; end != 0; ++pages) {
            const RecordPage page = ReadRecordPage(read, end, date, rows);
            for (const QStringList& r : page.rows)
                ASSERT_EQ(r[TitleColumn], "Ann, line\n" + QString::number(next--)) << "page " << pages;
            end = page.older;
        }
        EXPECT_EQ(lines - 1 - next, expected) << date.toStdString();
        EXPECT_GT(pages, 1);
    }
}

TEST(RecordPage, TheHeaderOfEveryVersionIsNoRecord)
{
    for (const int columns : {int(kFirstRecordColumns), int(ResultColumn), int(RecordColumns)}) {
        const QByteArray file = (CsvLine(RecordHeader().mid(0, columns)) + "2026-12-07,09:00:00,09:05:00,1,T,00:05:00,倒计时,00:05:00,0,00:00:00,到时,,A,B,合格\r\n").toUtf8();
        const RecordPage page = ReadRecordPage([&](qint64 end, qint64 n) { return RecordChunkBefore(file.size(), [&](qint64 f, qint64 k) { return file.mid(f, k); }, end, n); }, -1, {}, 9);
        ASSERT_EQ(page.rows.size(), 1u) << columns;
        EXPECT_EQ(page.rows[0][ResultColumn], "合格");
    }
}
