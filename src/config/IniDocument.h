#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

// The bytes of an INI file, read and edited without any change of encoding: names and values
// are byte strings (GBK or UTF-8 in config.ini). Only LF ends a line; a CR before it belongs to
// the line end. A UTF-8 byte-order mark at the start belongs to no line and stays. Blanks (space, tab, CR) around names and values are not part of them. A line whose first
// non-blank is "[" and that holds a "]" opens a section named by the text up to the last "]";
// inside a section a line holding "=" that does not begin with ";", "#" or "[" is an entry.
// Everything else is kept but means nothing. Names match without regard to ASCII case (the
// second byte of a GBK pair is never folded); the first matching section and, within it, the
// first matching key win. A later section of the same name is never looked at.
class IniDocument {
public:
    explicit IniDocument(QByteArray bytes);

    const QByteArray& bytes() const { return bytes_; }

    // The trimmed value of the key; nullopt when the section or the key is missing.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;

    // The bytes of the document with the key set to `value` (trimmed, cut before any CR or LF).
    // A present key has its line replaced in place, keeping its spelling and its line end; a
    // missing key goes on a new line after the last entry of the section (after the header
    // when it has none); a missing section is appended at the end of the file. New lines end
    // as the file's first line does (CR LF when it has no line end). Every other byte stays as
    // it is. Names that could not be read back (see
    // usableSection, usableKey) leave the bytes unchanged.
    QByteArray withValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) const;

    // The bytes with `line` added as the new last line, ended as new lines are.
    QByteArray withLastLine(QByteArrayView line) const;

    // A section name can be written when, trimmed, it is not empty and holds no CR or LF.
    static bool usableSection(QByteArrayView name);
    // A key can be written when, trimmed, it is not empty, holds no "=", CR or LF and does not
    // begin with ";", "#" or "[".
    static bool usableKey(QByteArrayView name);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        qsizetype start = 0;      // first byte of the line
        qsizetype contentEnd = 0; // end of the text, before CR LF or LF
        qsizetype end = 0;        // after the line end
        Kind kind = Kind::Other;
        qsizetype nameStart = 0, nameEnd = 0;   // section or key name, trimmed
        qsizetype valueStart = 0, valueEnd = 0; // entry value, trimmed
    };
    struct Place {
        std::optional<std::size_t> header;    // line of the first matching section
        std::optional<std::size_t> entry;     // line of the first matching key in it
        std::optional<std::size_t> lastEntry; // last entry line of that section
    };

    Place locate(QByteArrayView section, QByteArrayView key) const;
    QByteArrayView name(const Line& l) const { return QByteArrayView(bytes_).sliced(l.nameStart, l.nameEnd - l.nameStart); }

    QByteArray bytes_;
    std::vector<Line> lines_;
    qsizetype bom_ = 0;                    // length of a leading byte-order mark
    QByteArray lineEnd_ = "\r\n";          // the line end of new lines
};
