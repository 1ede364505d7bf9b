#include "config/IniEncoding.h"

#include "config/IniCharsets.h"
#include "config/IniDocument.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool isAscii(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Plausible as GBK text: every two-byte character lies in GB2312 (lead byte A1..A9 or B0..F7,
// second byte A1..FE), no four-byte GB18030 sequence, no byte that starts nothing. Text in UTF-8
// read this way gives characters outside GB2312 (its lead bytes E0..F4 before a byte 80..BF),
// while GBK text that happens to be valid UTF-8 (学校 is D1 A7 D0 A3) is made of GB2312 ones.
bool plausibleGbk(const QByteArray& bytes)
{
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (d[i] < 0x80)
            continue;
        if (i + 1 >= n)
            return false;
        const unsigned char lead = d[i], trail = d[++i];
        const bool gb2312Row = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7);
        if (!gb2312Row || trail < 0xA1 || trail > 0xFE)
            return false;
    }
    return true;
}

bool readAsUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith(kByteOrderMark))
        return true;
    if (isAscii(bytes) || plausibleGbk(bytes))
        return false;
    return Utf8Confidence(bytes) >= 80;
}

} // namespace

IniEncoding IniEncoding::of(const QByteArray& fileBytes)
{
    // Every access of the file asks; most ask about the same bytes as the one before.
    thread_local QByteArray lastBytes;
    thread_local bool lastUtf8 = false;
    if (fileBytes.isEmpty() || isAscii(fileBytes))
        return IniEncoding(false);
    if (fileBytes != lastBytes) {
        lastUtf8 = readAsUtf8(fileBytes);
        lastBytes = fileBytes;
    }
    return IniEncoding(lastUtf8);
}

QByteArray IniEncoding::encode(const QString& text) const
{
    if (utf8_)
        return text.toUtf8();
    return EncodeGb18030(text);
}

QString IniEncoding::decode(const QByteArray& bytes) const
{
    if (utf8_)
        return QString::fromUtf8(bytes);
    return DecodeGb18030(bytes);
}

QByteArray IniEncoding::keptIn(const QByteArray& updated) const
{
    const IniEncoding now = of(updated);
    if (now.utf8_ == utf8_ || now.decode(updated) == decode(updated))
        return updated;
    // A GBK comment is no valid UTF-8; a UTF-8 one holds characters outside GB2312.
    return IniDocument(updated).withLastLine(
        encode(utf8_ ? QStringLiteral("; 本文件为 UTF-8 编码") : QStringLiteral("; 本文件为 GBK 编码")));
}
