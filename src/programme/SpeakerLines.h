#pragma once
// The import form of a programme: one speaker a line, 姓名[,题目[,方案]], as a file holds it, a
// spreadsheet copies it or a chat message carries it.
#include "programme/Programme.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct SpeakerLines {
    QList<Speaker> speakers;
    // One line naming the lines that were skipped ("第 7 行没有姓名，已跳过"), empty when none.
    QString skipped;
};

// A programme's bounds, so that the programme file of the largest one is read back whole.
inline constexpr int kMaxSpeakers = 5000;
inline constexpr int kMaxNameLength = 60;   // UTF-16 units
inline constexpr int kMaxTitleLength = 150; // UTF-16 units

// Fields separated as a spreadsheet saves them: by tabs when any line has one, else by commas,
// else by full-width commas "，"; a field quoted at its start may hold separators, line breaks
// and doubled quotes ("a, b", ""), and a quote anywhere else is a character. A first line whose
// first field is "姓名" or "name" is a header. Control characters are dropped. A line without a
// name, with a name or title too long, or with a scheme other than 1..5 is skipped; empty lines
// are passed over.
SpeakerLines ParseSpeakerLines(const QString& text);
// The text of an import file's bytes: UTF-16 with a byte-order mark, UTF-8 with or without
// one, or GBK, decided as for config.ini.
QString DecodeSpeakerFile(const QByteArray& bytes);
// Why `adding` speakers cannot join a programme of `having`; empty when they can.
QString SpeakerLimitProblem(int having, int adding);

// The largest file an import reads.
inline constexpr qint64 kMaxSpeakerFileBytes = 1024 * 1024;

struct SpeakerFile {
    std::optional<SpeakerLines> lines; // nothing when the file is refused
    QString refusal;                   // why, in the interface's language
};
// An import file read: a .csv or .txt regular file of at most 1 MB holding text.
SpeakerFile ReadSpeakerFile(const QString& path);
