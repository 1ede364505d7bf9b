#pragma once
// The journal of the timing on the counter on disk (journal.json beside records.csv): written
// whole by one rename whenever the session says it is due, removed once the timing's record is
// written. Found at a start, it is a timing the program's end cut off.
#include "core/TimingJournal.h"

#include <QString>
#include <optional>

class JournalStore {
public:
    // `path` empty: nothing is kept.
    explicit JournalStore(QString path);

    const QString& Path() const { return path_; }
    // The journal left by the last run; nothing when there is none. A file that is not a journal
    // is put aside as "<name>.bad" (a line on standard error says so) and counts as none.
    std::optional<TimingJournal> Read() const;
    // False (and a line on standard error) when it could not be written.
    bool Write(const TimingJournal& journal) const;
    void Remove() const;

    // Beside records.csv at `recordsPath`; empty with it.
    static QString PathBeside(const QString& recordsPath);

private:
    QString path_;
};
