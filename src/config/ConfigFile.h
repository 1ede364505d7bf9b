#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

class ProgramDir;

// The section of a timing scheme: the section word followed by the scheme number in decimal
// ("JSSET" and 2 give "JSSET2"). Also forms numbered keys ("TSHH" and 1 give "TSHH1").
inline QString numbered(const QString& word, int n) { return word + QString::number(n); }

// A configuration value that cannot be used (a number that does not convert or is out of range,
// a time that is not a time of day). Loading a scheme turns it into the configuration-error message.
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// config.ini: every setting of the program. Nothing is cached between calls; each call opens,
// reads or updates, and closes the file (see DefaultsBatch and SaveBatch for the exceptions). Sections and
// keys are matched without regard to ASCII case, the first occurrence wins, blanks around names
// and values are not part of them. The file is GB18030 (GBK for every character GBK has) or,
// when an editor saved it so, UTF-8 (see IniEncoding); a new file is GBK with CR LF line ends,
// new lines take the line end of the file; lines a write does not touch keep their bytes.
class ConfigFile {
public:
    explicit ConfigFile(const ProgramDir& dir) : dir_(dir) {}

    // A larger file is no configuration file: it is not read.
    static constexpr qint64 kMaxFileBytes = qint64(16) << 20;

    // The file's full path, built anew on every call. In a writable program directory: an
    // existing file whose name is "config.ini" in any case there, otherwise "config.ini" there.
    // When the program directory is not writable, the user's own file "horalto/config.ini" in
    // the configuration folder (the same rule for the case of its name); until that file exists,
    // values are read from the program directory's file, and the first write creates the user's
    // file from that file's content.
    QString ConfigFilePath() const;

    // False when the file there (through a symbolic link, its target) is not a regular file of
    // at most kMaxFileBytes: a named pipe, a device, a directory, a huge file. Such a file is
    // never read (reads see it as unreadable) and ends the start as a configuration error.
    // A missing file is usable: it is created on the first write.
    bool FileUsable() const;

    // The key's value; when the key is missing or its value empty (or only blanks), writes
    // `def` under the section and key and returns it.
    QString ReadIniText(const QString& section, const QString& key, const QString& def) const;

    // The value's leading decimal digits as a number (0 when it does not begin with a digit),
    // `def` when the key is missing or empty. Writes nothing. Throws ConfigError when the
    // number does not fit 16 bits.
    std::int16_t ReadIniInt(const QString& section, const QString& key, std::int16_t def) const;

    // The key's value without writing anything; nullopt when the key is missing or empty.
    std::optional<QString> PeekIniText(const QString& section, const QString& key) const;

    // Creates the file, the section (appended at the end) or the key (at the end of its section)
    // as needed, or replaces the value in place. True when the file holds the value afterwards.
    // Callers other than an explicit save by the user let a failed write pass silently.
    // Each call is one write, also while a DefaultsBatch lives; while a SaveBatch lives the
    // value is gathered (true when it could be).
    bool WriteIniText(const QString& section, const QString& key, const QString& value) const;
    bool WriteIniInt(const QString& section, const QString& key, std::int16_t value) const;

    // Removes the temporary files that a write killed midway left beside the file.
    void RemoveStaleTempFiles() const;

    // While one lives, the defaults that ReadIniText fills in are gathered in memory and reach
    // the disk in one write when the outermost one ends or is committed: the same bytes as one
    // write per default would give. Reads meanwhile see them. An explicit write goes to disk at
    // once, together with the defaults gathered so far. For one start-up and one scheme load.
    class DefaultsBatch {
    public:
        explicit DefaultsBatch(const ConfigFile& config);
        ~DefaultsBatch();
        DefaultsBatch(const DefaultsBatch&) = delete;
        DefaultsBatch& operator=(const DefaultsBatch&) = delete;
        // Writes the gathered defaults now (before a message that ends the program).
        void commit();

    private:
        const ConfigFile& config_;
        bool done_ = false;
    };

    // While one lives, explicit writes are gathered in memory too (with any defaults read
    // meanwhile), so that one save of the user reaches the disk whole or not at all: commit()
    // replaces the file once, with exactly the bytes one write per value would give, and only
    // when they differ from the file's; it tells whether the file now holds every value. A batch
    // ended without commit, or whose commit fails, leaves the file as it was.
    class SaveBatch {
    public:
        explicit SaveBatch(const ConfigFile& config);
        ~SaveBatch();
        SaveBatch(const SaveBatch&) = delete;
        SaveBatch& operator=(const SaveBatch&) = delete;
        bool commit();

    private:
        bool finish(bool keep);
        const ConfigFile& config_;
        bool done_ = false;
    };

    // For tests: with batching off every default is written on its own as it is read.
    static void setBatching(bool on);

private:
    // Where the file is kept and where its content comes from now: the program directory's
    // file, until the user's own file exists.
    struct Location {
        QString path;
        QString source;
    };
    // The content as read (`disk`) and with the defaults gathered since (`bytes`).
    struct Snapshot {
        Location at;
        QByteArray disk;
        QByteArray bytes;
    };

    Location locate() const;
    // The file's content now; nullopt when it is there but cannot be read.
    std::optional<Snapshot> current() const;
    bool store(const Location& at, const QByteArray& bytes) const;
    void fillDefault(const QString& section, const QString& key, const QString& def) const;
    // Writes the batch's content when it differs from the file's; true when the file holds it.
    bool flush() const;
    void endBatch() const;

    const ProgramDir& dir_;
    mutable int batchDepth_ = 0;
    mutable std::optional<Snapshot> pending_; // the batch's content, once read
    mutable int savingDepth_ = 0;             // SaveBatches alive
    mutable bool writeFailed_ = false;        // a write of the outermost SaveBatch failed
};
