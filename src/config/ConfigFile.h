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

// config.ini in the program directory: every setting of the program. Nothing is cached; each call
// opens, reads or updates, and closes the file. Sections and keys are matched without regard to
// ASCII case, the first occurrence wins, blanks around names and values are not part of them.
// The file is GBK with CR LF line ends; lines a write does not touch keep their bytes.
class ConfigFile {
public:
    explicit ConfigFile(const ProgramDir& dir) : dir_(dir) {}

    // The file's full path, built anew on every call: an existing file whose name is "config.ini"
    // in any case is the one used; otherwise "config.ini" in the program directory.
    QString ConfigFilePath() const;

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
    bool WriteIniText(const QString& section, const QString& key, const QString& value) const;
    bool WriteIniInt(const QString& section, const QString& key, std::int16_t value) const;

private:
    const ProgramDir& dir_;
};
