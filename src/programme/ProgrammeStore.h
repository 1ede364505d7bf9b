#pragma once
// The programme kept on disk (programme.csv): read at start, written whole by one rename at every
// change, so that a kill at any moment leaves the programme as it last showed.
#include "programme/Programme.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The file's form: UTF-8 with a byte-order mark, CR LF, the header
// 序号,姓名,题目,方案,用时,结果,当前,重计, "*" under 当前 on the current row and under 重计 on
// the rows of speakers timed more than once (a file without 重计 is read as well); names and
// titles guarded against formulas as SpreadsheetText() does, read back by TypedText().
QByteArray ProgrammeBytes(const Programme& programme);

// A programme file's bytes read back into `speakers` and `current`; false with `problem` set when
// they are not a programme. Bytes in the import form (姓名[,题目[,方案]], with or without its
// header) are a programme where nobody has spoken, the first speaker current.
bool ParseProgrammeBytes(const QByteArray& bytes, QList<Speaker>& speakers, int& current, QString& problem);

class ProgrammeStore : public QObject {
    Q_OBJECT
public:
    // `path` empty: nothing is kept.
    ProgrammeStore(QString path, Programme& programme);

    const QString& Path() const { return path_; }
    // Reads the file into the programme (a missing file is an empty programme) and from then on
    // writes it at every change. A file that cannot be read is left alone: false, with
    // Problem() saying why (also on standard error); the programme stays empty and is not kept.
    bool Load();
    // Why the file is not used; empty while it is.
    const QString& Problem() const { return problem_; }
    bool Usable() const { return problem_.isEmpty(); }
    // Writes the programme whole; false (and a line on standard error) when it could not be,
    // the old file then untouched; every change tries again. What this store last wrote is not
    // written again: a change announced twice (the list, then its current speaker) costs one write.
    bool Save();
    // Why the programme shown is not the one on disk: the last write failed. Empty once a write
    // succeeds again.
    const QString& WriteProblem() const { return writeProblem_; }
    // How many writes have failed since the start.
    int FailedWrites() const { return failedWrites_; }

    // The largest programme file read.
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

signals:
    // WriteProblem() changed.
    void writeProblemChanged();

private:
    void SetWriteProblem(const QString& problem);

    QString path_;
    Programme& programme_;
    QString problem_;
    QString writeProblem_;
    int failedWrites_ = 0;
    QByteArray written_; // the file's bytes as this store last wrote them
};
