#include "config/ConfigFile.h"

#include "platform/ProgramEnv.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <vector>

// The file is read and written as bytes. Structure is found at character boundaries of GBK
// (a byte 0x81..0xFE followed by a trail byte 0x40..0x7E or 0x80..0xFE is one character), so a
// trail byte that happens to be '[' , ']' or an ASCII letter is never taken for one.
namespace {

constexpr qsizetype kValueBufferBytes = 143; // what the 144-byte lookup buffer leaves for the value

bool isLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool isTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length in bytes of the character starting at i.
qsizetype charLen(const QByteArray& s, qsizetype i)
{
    if (isLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size()
        && isTrail(static_cast<unsigned char>(s[i + 1])))
        return 2;
    return 1;
}

QByteArray trimmed(const QByteArray& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Equal as names: byte for byte, except that single-byte ASCII letters match in either case.
bool sameName(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size();) {
        const qsizetype n = charLen(a, i);
        if (n == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
        i += n;
    }
    return true;
}

QByteArray toAnsi(const QString& s)
{
    QStringEncoder enc("GBK");
    return enc.encode(s);
}

QString fromAnsi(const QByteArray& b)
{
    QStringDecoder dec("GBK");
    return dec.decode(b);
}

// One line of the file: its bytes without the line end, and the line end as found.
struct Line {
    QByteArray text;
    QByteArray end;
};

std::vector<Line> splitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', pos);
        if (nl < 0) {
            lines.push_back({bytes.mid(pos), {}});
            break;
        }
        qsizetype textEnd = nl;
        if (textEnd > pos && bytes[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({bytes.mid(pos, textEnd - pos), bytes.mid(textEnd, nl + 1 - textEnd)});
        pos = nl + 1;
    }
    return lines;
}

// The name of a section header line "[name]", blanks around the name removed; nothing for
// any other line.
std::optional<QByteArray> sectionName(const QByteArray& line)
{
    const QByteArray t = trimmed(line);
    if (!t.startsWith('['))
        return std::nullopt;
    for (qsizetype i = 1; i < t.size(); i += charLen(t, i))
        if (t[i] == ']')
            return trimmed(t.mid(1, i - 1));
    return std::nullopt;
}

// Where the key and the value of an entry line "key=value" lie. '=' is never a GBK trail byte.
struct Entry {
    QByteArray key;
    qsizetype valueStart; // the byte after '='
};

std::optional<Entry> entryOf(const QByteArray& line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return Entry{trimmed(line.left(eq)), eq + 1};
}

// The lines of the first section of that name: [header, end), where end is the next header
// or the end of the file. header is -1 when there is no such section.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = 0;
};

SectionSpan findSection(const std::vector<Line>& lines, const QByteArray& section)
{
    SectionSpan span;
    const qsizetype count = qsizetype(lines.size());
    for (qsizetype i = 0; i < count; ++i) {
        const auto name = sectionName(lines[i].text);
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(*name, section))
            span.header = i;
    }
    span.end = count;
    return span;
}

// The index of the first entry of that key inside the section, or -1.
qsizetype findKey(const std::vector<Line>& lines, const SectionSpan& span, const QByteArray& key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto e = entryOf(lines[i].text);
        if (e && sameName(e->key, key))
            return i;
    }
    return -1;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The trimmed value bytes of the key, nothing when the section or the key is missing.
std::optional<QByteArray> lookup(const QString& path, const QString& section, const QString& key)
{
    const auto lines = splitLines(readAll(path));
    const SectionSpan span = findSection(lines, toAnsi(section));
    if (span.header < 0)
        return std::nullopt;
    const qsizetype at = findKey(lines, span, toAnsi(key));
    if (at < 0)
        return std::nullopt;
    const QByteArray& text = lines[size_t(at)].text;
    return trimmed(text.mid(entryOf(text)->valueStart));
}

// The value as the 144-byte lookup returns it: its first 143 bytes, up to the first NUL. A
// double-byte character that the cut would split is left out rather than decoded half.
QString bufferedValue(const QByteArray& value)
{
    qsizetype end = 0;
    while (end < value.size() && value[end] != '\0') {
        const qsizetype next = end + charLen(value, end);
        if (next > kValueBufferBytes)
            break;
        end = next;
    }
    return fromAnsi(value.left(end));
}

} // namespace

QString ConfigFile::ConfigFilePath() const
{
    const QString exact = QStringLiteral("config.ini");
    QDir dir(dir_.path());
    if (!QFileInfo(dir.filePath(exact)).isFile()) {
        // An existing file whose name differs only in case (e.g. "Config.ini") is the same file.
        // Name filters match without regard to case.
        const QStringList found = dir.entryList({exact}, QDir::Files | QDir::Hidden, QDir::Name);
        if (!found.isEmpty())
            return dir_.path() + QLatin1Char('/') + found.first();
    }
    return dir_.path() + QLatin1Char('/') + exact;
}

QString ConfigFile::ReadIniText(const QString& section, const QString& key, const QString& def) const
{
    const auto value = lookup(ConfigFilePath(), section, key);
    if (!value || value->isEmpty()) {
        WriteIniText(section, key, def);
        return def;
    }
    return bufferedValue(*value);
}

std::int16_t ConfigFile::ReadIniInt(const QString& section, const QString& key, std::int16_t def) const
{
    const auto value = lookup(ConfigFilePath(), section, key);
    if (!value || value->isEmpty())
        return def;
    long number = 0;
    for (const char c : *value) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > 32767)
            throw ConfigError(QStringLiteral("[%1] %2 = %3 does not fit a 16-bit integer")
                                  .arg(section, key, fromAnsi(*value))
                                  .toStdString());
    }
    return std::int16_t(number);
}

void ConfigFile::WriteIniText(const QString& section, const QString& key, const QString& value) const
{
    static const QByteArray crlf("\r\n");
    const QString path = ConfigFilePath();
    const QByteArray before = readAll(path);
    std::vector<Line> lines = splitLines(before);
    const QByteArray sectionBytes = toAnsi(section);
    const QByteArray keyBytes = toAnsi(key);
    const QByteArray valueBytes = toAnsi(value);

    const SectionSpan span = findSection(lines, sectionBytes);
    if (span.header < 0) {
        if (!lines.empty()) {
            if (lines.back().end.isEmpty())
                lines.back().end = crlf;
            lines.push_back({{}, crlf}); // a blank line before the new section
        }
        lines.push_back({'[' + sectionBytes + ']', crlf});
        lines.push_back({keyBytes + '=' + valueBytes, crlf});
    } else if (const qsizetype at = findKey(lines, span, keyBytes); at >= 0) {
        Line& line = lines[size_t(at)];
        line.text = line.text.left(entryOf(line.text)->valueStart) + valueBytes;
    } else {
        // After the last line of the section that is not blank, so that blank lines before the
        // next section stay where they are.
        qsizetype last = span.end - 1;
        while (last > span.header && trimmed(lines[size_t(last)].text).isEmpty())
            --last;
        if (lines[size_t(last)].end.isEmpty())
            lines[size_t(last)].end = crlf;
        lines.insert(lines.begin() + last + 1, Line{keyBytes + '=' + valueBytes, crlf});
    }

    QByteArray after;
    after.reserve(before.size() + keyBytes.size() + valueBytes.size() + sectionBytes.size() + 8);
    for (const Line& l : lines)
        after += l.text + l.end;
    if (after == before && QFileInfo::exists(path))
        return;

    // Written whole and then put in place, so that an interrupted write leaves the old file.
    // A directory that refuses the temporary file still gets a direct write.
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(after);
    out.commit(); // a failed write passes silently
}

void ConfigFile::WriteIniInt(const QString& section, const QString& key, std::int16_t value) const
{
    WriteIniText(section, key, QString::number(value));
}
