// Arbitrary bytes as an INI file: looking a key up, setting it and looking it up again must
// find the new value, leave every other lookup as it was and change at most the lines that the
// edit is about.
#include "config/IniDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <vector>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Short names from a small alphabet, so that they often meet the names in the file.
QByteArray pickName(FuzzedDataProvider& in)
{
    static const char alphabet[] = "aAbB[]=; \t\r\n#\x81\xCC";
    QByteArray name;
    const auto n = in.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < n; ++i)
        name += alphabet[in.ConsumeIntegralInRange<std::size_t>(0, sizeof(alphabet) - 2)];
    return name;
}

QByteArray expectedValue(QByteArray v)
{
    for (qsizetype i = 0; i < v.size(); ++i)
        if (v[i] == '\r' || v[i] == '\n') {
            v.truncate(i);
            break;
        }
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    qsizetype b = 0, e = v.size();
    while (b < e && blank(v[b]))
        ++b;
    while (e > b && blank(v[e - 1]))
        --e;
    return v.mid(b, e - b);
}

// Lines with their line ends.
std::vector<QByteArray> lines(const QByteArray& d)
{
    std::vector<QByteArray> out;
    for (qsizetype s = 0; s < d.size();) {
        qsizetype lf = d.indexOf('\n', s);
        qsizetype e = lf < 0 ? d.size() : lf + 1;
        out.push_back(d.mid(s, e - s));
        s = e;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QByteArray section = pickName(in);
    const QByteArray key = pickName(in);
    const QByteArray otherSection = pickName(in);
    const QByteArray otherKey = pickName(in);
    const std::string v = in.ConsumeRandomLengthString(64);
    const QByteArray value(v.data(), qsizetype(v.size()));
    const bool bom = in.ConsumeBool();
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray bytes = (bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + QByteArray(rest.data(), qsizetype(rest.size()));
    // New lines end as the file's first line does (CR LF when it has no line end).
    const qsizetype firstLf = bytes.indexOf('\n');
    const QByteArray eol = firstLf >= 0 && (firstLf == 0 || bytes[firstLf - 1] != '\r') ? "\n" : "\r\n";

    const IniDocument before(bytes);
    check(before.bytes() == bytes);
    before.value(section, key);

    const QByteArray after = before.withValue(section, key, value);
    if (!IniDocument::usableSection(section) || !IniDocument::usableKey(key)) {
        check(after == bytes);
        return 0;
    }
    const IniDocument edited(after);
    check(edited.value(section, key) == expectedValue(value));
    // Setting the same value again changes nothing.
    check(edited.withValue(section, key, value) == after);

    // Another key keeps its value unless it is the same key under another spelling.
    const bool sameKey =
        IniDocument("[" + section + "]\n" + key + "=1\n").value(otherSection, otherKey).has_value();
    if (!sameKey)
        check(before.value(otherSection, otherKey) == edited.value(otherSection, otherKey));

    // Untouched lines stay: after the common first and last lines, at most one old line is
    // left (the replaced entry, or a last line that got its line end), and at most three new
    // lines (that line, a new section header, a new entry).
    const std::vector<QByteArray> o = lines(bytes), n = lines(after);
    std::size_t p = 0;
    while (p < o.size() && p < n.size() && o[p] == n[p])
        ++p;
    std::size_t s = 0;
    while (s < o.size() - p && s < n.size() - p && o[o.size() - 1 - s] == n[n.size() - 1 - s])
        ++s;
    const std::size_t oldLeft = o.size() - p - s, newLeft = n.size() - p - s;
    check(oldLeft <= 1 && newLeft <= 3);
    // Apart from a value replaced in place, the lines are new and end in the file's line end.
    // A last line that is only a byte-order mark is followed by them directly.
    const bool grown = oldLeft == 1 && newLeft > 1
        && (n[p] == o[p] + eol || (o[p] == "\xEF\xBB\xBF" && n[p].startsWith(o[p])));
    if (oldLeft == 1)
        check(newLeft == 1 || grown);
    if (oldLeft == 0 || grown)
        for (std::size_t i = p; i < p + newLeft; ++i)
            check(n[i].endsWith(eol));
    return 0;
}
