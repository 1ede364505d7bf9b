#include "config/IniEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) with at least one
// multi-byte sequence.
bool isMultiByteUtf8(const QByteArray& bytes)
{
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    bool multiByte = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = d[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0, min = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1, cp = c & 0x1F, min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2, cp = c & 0x0F, min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3, cp = c & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if (!isContinuation(d[i + k]))
                return false;
            cp = (cp << 6) | (d[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

} // namespace

IniEncoding IniEncoding::of(const QByteArray& fileBytes)
{
    return IniEncoding(fileBytes.startsWith("\xEF\xBB\xBF") || isMultiByteUtf8(fileBytes));
}

QByteArray IniEncoding::encode(const QString& text) const
{
    if (utf8_)
        return text.toUtf8();
    QStringEncoder enc("GB18030");
    return enc.encode(text);
}

QString IniEncoding::decode(const QByteArray& bytes) const
{
    if (utf8_)
        return QString::fromUtf8(bytes);
    QStringDecoder dec("GB18030");
    return dec.decode(bytes);
}
