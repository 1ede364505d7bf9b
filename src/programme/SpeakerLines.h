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

// Fields separated by a comma, a tab or "，", quoted as spreadsheets write them ("a, b" and ""
// for a quote). A first line whose first field is "姓名" or "name" is a header. A line without a
// name, or with a scheme other than 1..5, is skipped; empty lines are passed over.
SpeakerLines ParseSpeakerLines(const QString& text);
// The text of an import file's bytes: UTF-8 with or without a byte-order mark, or GBK, decided
// as for config.ini.
QString DecodeSpeakerFile(const QByteArray& bytes);

// The largest file an import reads.
inline constexpr qint64 kMaxSpeakerFileBytes = 1024 * 1024;

struct SpeakerFile {
    std::optional<SpeakerLines> lines; // nothing when the file is refused
    QString refusal;                   // why, in the interface's language
};
// An import file read: a .csv or .txt regular file of at most 1 MB holding text.
SpeakerFile ReadSpeakerFile(const QString& path);
