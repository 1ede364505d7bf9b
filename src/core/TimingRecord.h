#pragma once
// The record of one timing, kept when it ends, and its form as a line of records.csv.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// How a timing ended: its end was reached (with or without overtime after it), it was reset
// before the end, a new timing was started over it, the program ended while it ran, or the
// program was cut off (killed, a crash, a power cut) and the timing is recorded at the next start.
enum class TimingEnd { Reached, Reset, Restarted, Exited, Interrupted };

struct TimingRecord {
    QDateTime start;
    QDateTime end;
    int scheme = 1;
    QString title;
    std::int32_t lengthSeconds = 0;
    std::int16_t direction = 0;       // 0 down, 1 up
    std::int32_t countedSeconds = 0;  // up to the end or the reset; pauses and overtime excluded
    int pauses = 0;
    std::int32_t pausedSeconds = 0;
    TimingEnd ending = TimingEnd::Reached;
    std::optional<std::int32_t> overtimeSeconds; // only where the scheme counts overtime after the end
    QString speaker;      // the programme's speaker timed, empty without a programme
    QString speakerTitle; // the speaker's title
    QString result;       // the time judged against the scheme's qualifying window (Qualify.h)
    std::optional<std::int32_t> adjustSeconds; // the sum of the adjustments applied; none without
    // A debate: each side's counted time, its overtime included; none for a speech.
    std::optional<std::array<std::int32_t, 2>> sideSeconds;
};

// The counter text of overtime: "+00:00:07".
QString OvertimeText(std::int32_t seconds);

// The adjustment column's text: the seconds with their sign, "+30", "-10".
QString AdjustText(std::int32_t seconds);

// The columns of records.csv, in order.
enum RecordColumn { DateColumn, StartColumn, EndColumn, SchemeColumn, TitleColumn, LengthColumn, DirectionColumn,
                    CountedColumn, PausesColumn, PausedColumn, EndingColumn, OvertimeColumn, SpeakerColumn,
                    SpeakerTitleColumn, ResultColumn, AdjustColumn, SideAColumn, SideBColumn, RecordColumns };
// The columns a records.csv of the versions before the programme holds.
inline constexpr int kFirstRecordColumns = SpeakerColumn;
// A header row of this version or an earlier one: the first `n` of today's column names.
bool IsRecordHeader(const QStringList& row);
// The header row of records.csv (the same in every language: the file is read back by it).
QStringList RecordHeader();
// The columns' titles and a field's text as the records window shows them, in the interface's
// language: the direction and the ending are the program's words, the others shown as kept.
QStringList RecordColumnTitles();
QString RecordFieldShown(int column, const QString& value);
// The record's fields in the columns' order.
QStringList RecordFields(const TimingRecord& r);
// A record (its fields as in records.csv) as one line of plain text, for a chat or a report, in
// the interface's language.
QString RecordText(const QStringList& fields);
// One line of comma-separated fields, each quoted where it holds a comma, a quote or a line
// break, ended by CR LF.
QString CsvLine(const QStringList& fields);
// The rows of a comma-separated text (a leading byte-order mark and empty lines skipped).
QList<QStringList> ParseCsv(const QString& text);
