#pragma once
#include "core/RecordPage.h"

#include <QObject>
#include <QString>

// The file that keeps the record of every timing, one line each (records.csv). A line is
// appended whole or not at all, also when the program is killed while writing.
class RecordStore : public QObject {
    Q_OBJECT
public:
    // Where the file is (it need not exist yet).
    virtual QString path() const = 0;
    // Appends one line, ended by its line break; the file is created on the first one. False
    // when it could not be written (the caller goes on regardless).
    virtual bool append(const QString& line) = 0;
    // The file's whole text; empty when there is no file.
    virtual QString readAll() const = 0;
    // A reader of pieces of the file from its end, for any thread.
    virtual RecordReader reader() const = 0;
    // Where clear() keeps the file: "<name>.bak", or when that is taken "<name>.bak.1",
    // "<name>.bak.2", ... (the first free one): no earlier backup is ever replaced.
    virtual QString nextBackup() const = 0;
    // Empties the records: the file is kept as nextBackup() and the next line starts a new
    // file. False when the file could not be moved.
    virtual bool clear() = 0;

signals:
    // After every append and every clear: the file's contents may differ.
    void changed();
};

// records.csv in $XDG_DATA_HOME/horalto (else ~/.local/share/horalto): UTF-8 with a byte-order
// mark, `firstLine` (the column names) written with the first record. Only a regular file (or a
// link to one) is read or written: a named pipe, a folder or a device in its place is never
// opened in a way that could wait, and gets a line on stderr instead.
class RecordFile final : public RecordStore {
public:
    RecordFile(QString path, QString firstLine);
    // The file's place for this user; empty when there is no home directory.
    static QString DefaultPath();

    QString path() const override { return path_; }
    bool append(const QString& line) override;
    QString readAll() const override;
    RecordReader reader() const override;
    QString nextBackup() const override;
    bool clear() override;

private:
    QString path_;
    QString firstLine_;
};
