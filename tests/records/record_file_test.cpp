// records.csv on disk: whatever stands in its place never makes the program wait, clearing never
// replaces an earlier backup, and a title a spreadsheet would run is kept as text.
#include "core/TimingRecord.h"
#include "platform/records/RecordStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(RecordFile, ANamedPipeOrAFolderInItsPlaceIsNeitherOpenedNorMoved)
{
    for (const char* kind : {"pipe", "folder"}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("records.csv");
        ASSERT_EQ(kind[0] == 'p' ? ::mkfifo(QFile::encodeName(path), 0600) : ::mkdir(QFile::encodeName(path), 0700), 0);
        RecordFile f(path, "h\r\n");
        EXPECT_FALSE(f.append("a\r\n")) << kind; // a pipe without a reader would hold open() forever
        EXPECT_TRUE(f.reader()(-1, 100).bytes.isEmpty()) << kind;
        EXPECT_TRUE(f.readAll().isEmpty()) << kind;
        EXPECT_FALSE(f.clear()) << kind;
        EXPECT_FALSE(QFile::exists(path + ".bak")) << kind;
    }
}

TEST(RecordFile, ClearingKeepsEveryEarlierBackupUnderTheNextFreeName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("records.csv");
    RecordFile f(path, "h\r\n");
    const char* const names[] = {"records.csv.bak", "records.csv.bak.1", "records.csv.bak.2"};
    for (const char* name : names) {
        ASSERT_TRUE(f.append(QString(name) + "\r\n"));
        EXPECT_EQ(f.nextBackup(), dir.filePath(name));
        ASSERT_TRUE(f.clear());
    }
    for (const char* name : names) {
        QFile b(dir.filePath(name));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(b.readAll().endsWith(QByteArray(name) + "\r\n")) << name;
    }
}

TEST(RecordFile, TitlesASpreadsheetWouldRunAreKeptAsTextAndShownAsTyped)
{
    const struct {
        QString typed, kept;
    } cases[] = {
        {"=1+2", "'=1+2"}, {"+1", "'+1"}, {"-x", "'-x"}, {"@SUM(A1)", "'@SUM(A1)"},
        {"'=x", "''=x"},   {"'quote", "'quote"}, {"Ann", "Ann"}, {"a=b", "a=b"},
    };
    for (const auto& c : cases) {
        TimingRecord r;
        r.title = r.speaker = r.speakerTitle = c.typed; // the speaker's name and title are typed too
        const QStringList fields = RecordFields(r);
        for (int column : {int(TitleColumn), int(SpeakerColumn), int(SpeakerTitleColumn)}) {
            EXPECT_EQ(fields[column], c.kept) << c.typed.toStdString() << " column " << column;
            EXPECT_EQ(RecordFieldShown(column, ParseCsv(CsvLine(fields)).front()[column]), c.typed);
        }
    }
}
