#pragma once
// Reading records.csv from its end, a page at a time: the records window shows the newest
// records first and reads older ones only when they are scrolled to, so a file of any size
// opens at once and costs little memory.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Whole lines of the file, in the file's order, that end where the reading began.
struct RecordChunk {
    QByteArray bytes;
    qint64 from = 0; // where they start in the file: where the next piece back ends (0: none)
};
// Reads the piece of about `bytes` ending at `end` (-1: the file's end); may run on any thread.
using RecordReader = std::function<RecordChunk(qint64 end, qint64 bytes)>;
// The bytes of a file `size` long at [from, from + n), as `pread` gives them.
using RecordBytes = std::function<QByteArray(qint64 from, qint64 n)>;

// The piece of a file ending at `end` (-1: the file's end) that starts where a record line
// starts (a line beginning with its date), at least `bytes` long unless the file's start comes
// first; a title holding a line break is not cut apart.
RecordChunk RecordChunkBefore(qint64 size, const RecordBytes& pread, qint64 end, qint64 bytes);

struct RecordPage {
    std::vector<QStringList> rows; // newest first, each with every column
    qint64 older = 0;              // where the next page back ends; 0: there is none
};
// At least `rows` records ending at `end` (-1: the newest), or all that are left; only those of
// the day `onlyDate` ("yyyy-MM-dd") when given, where an older day ends the reading.
RecordPage ReadRecordPage(const RecordReader& read, qint64 end, const QString& onlyDate, int rows);

// A text the user typed, as every CSV file the program writes (records.csv, programme.csv, the
// report) keeps it: one that a spreadsheet would take for a
// formula (it begins with "=", "+", "-" or "@") gets an apostrophe in front, as does one that
// would otherwise lose its own apostrophe when read back.
QString SpreadsheetText(const QString& text);
// The text as the user typed it again.
QString TypedText(const QString& kept);
