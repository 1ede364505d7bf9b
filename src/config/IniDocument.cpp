#include "config/IniDocument.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// [begin, end) without blanks at either side.
void trim(const char* d, qsizetype& begin, qsizetype& end)
{
    while (begin < end && isBlank(d[begin]))
        ++begin;
    while (end > begin && isBlank(d[end - 1]))
        --end;
}

QByteArrayView trimmed(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    trim(v.data(), b, e);
    return v.sliced(b, e - b);
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool isGbkLead(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x81 && u <= 0xFE;
}

// Equal without regard to ASCII case. The byte after a GBK lead byte is the second half of a
// Chinese character, not a letter, and must match exactly.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (isGbkLead(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

QByteArrayView beforeLineBreak(QByteArrayView v)
{
    for (qsizetype i = 0; i < v.size(); ++i)
        if (v[i] == '\r' || v[i] == '\n')
            return v.first(i);
    return v;
}

} // namespace

IniDocument::IniDocument(QByteArray bytes) : bytes_(std::move(bytes))
{
    const char* d = bytes_.constData();
    const qsizetype n = bytes_.size();
    if (bytes_.startsWith("\xEF\xBB\xBF"))
        bom_ = 3;
    const qsizetype firstLf = bytes_.indexOf('\n');
    if (firstLf >= 0 && (firstLf == 0 || d[firstLf - 1] != '\r'))
        lineEnd_ = "\n";
    bool inSection = false;
    for (qsizetype start = bom_; start < n;) {
        Line l;
        l.start = start;
        qsizetype lf = bytes_.indexOf('\n', start);
        if (lf < 0) {
            l.contentEnd = l.end = n;
        } else {
            l.end = lf + 1;
            l.contentEnd = (lf > start && d[lf - 1] == '\r') ? lf - 1 : lf;
        }
        start = l.end;

        qsizetype b = l.start, e = l.contentEnd;
        trim(d, b, e);
        if (b < e && d[b] == '[') {
            const qsizetype close = QByteArrayView(d + b, e - b).lastIndexOf(']');
            if (close > 0) {
                l.kind = Kind::Section;
                l.nameStart = b + 1;
                l.nameEnd = b + close;
                trim(d, l.nameStart, l.nameEnd);
                inSection = true;
            }
        } else if (inSection && b < e && d[b] != ';' && d[b] != '#') {
            const qsizetype eq = QByteArrayView(d + b, e - b).indexOf('=');
            if (eq > 0) {
                l.kind = Kind::Entry;
                l.nameStart = b;
                l.nameEnd = b + eq;
                trim(d, l.nameStart, l.nameEnd);
                l.valueStart = b + eq + 1;
                l.valueEnd = e;
                trim(d, l.valueStart, l.valueEnd);
            }
        }
        lines_.push_back(l);
    }
}

IniDocument::Place IniDocument::locate(QByteArrayView section, QByteArrayView key) const
{
    section = trimmed(section);
    key = trimmed(key);
    Place p;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section) {
            if (p.header)
                break; // the end of the first matching section
            if (sameName(name(l), section))
                p.header = i;
        } else if (l.kind == Kind::Entry && p.header) {
            p.lastEntry = i;
            if (!p.entry && sameName(name(l), key))
                p.entry = i;
        }
    }
    return p;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const Place p = locate(section, key);
    if (!p.entry)
        return std::nullopt;
    const Line& l = lines_[*p.entry];
    return bytes_.sliced(l.valueStart, l.valueEnd - l.valueStart);
}

bool IniDocument::usableSection(QByteArrayView name)
{
    name = trimmed(name);
    return !name.isEmpty() && name.indexOf('\r') < 0 && name.indexOf('\n') < 0;
}

bool IniDocument::usableKey(QByteArrayView name)
{
    name = trimmed(name);
    return !name.isEmpty() && name.indexOf('=') < 0 && name.indexOf('\r') < 0 && name.indexOf('\n') < 0
        && name[0] != ';' && name[0] != '#' && name[0] != '[';
}

QByteArray IniDocument::withValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) const
{
    if (!usableSection(section) || !usableKey(key))
        return bytes_;
    section = trimmed(section);
    key = trimmed(key);
    value = trimmed(beforeLineBreak(value));

    const Place p = locate(section, key);
    QByteArray out = bytes_;
    if (p.entry) {
        // Same key spelling and line end, new value.
        const Line& l = lines_[*p.entry];
        QByteArray line = name(l).toByteArray() + '=' + value.toByteArray();
        out.replace(l.start, l.contentEnd - l.start, line);
    } else if (p.header) {
        const Line& after = lines_[p.lastEntry ? *p.lastEntry : *p.header];
        QByteArray line = key.toByteArray() + '=' + value.toByteArray() + lineEnd_;
        if (after.contentEnd == after.end) // the last line of a file without a final line end
            line.prepend(lineEnd_);
        out.insert(after.end, line);
    } else {
        if (out.size() > bom_ && !out.endsWith('\n'))
            out += lineEnd_;
        out += '[' + section.toByteArray() + ']' + lineEnd_ + key.toByteArray() + '=' + value.toByteArray() + lineEnd_;
    }
    return out;
}

QByteArray IniDocument::withLastLine(QByteArrayView line) const
{
    QByteArray out = bytes_;
    if (out.size() > bom_ && !out.endsWith('\n'))
        out += lineEnd_;
    return out + line.toByteArray() + lineEnd_;
}
