// Windows has no ICU here: UTF-8 is what decodes strictly, GB18030 and GBK come from the
// system's code pages (54936, else the ANSI code page 936 of simplified Chinese Windows).
#include "config/IniCharsets.h"

#include <QString>

#include <windows.h>

namespace {
UINT GbCodePage()
{
    static const UINT page = IsValidCodePage(54936) ? 54936 : 936;
    return page;
}
} // namespace

int Utf8Confidence(const QByteArray& bytes)
{
    // Strictly valid: a broken or cut-off sequence would come back as U+FFFD's bytes.
    if (QString::fromUtf8(bytes).toUtf8() != bytes)
        return 0;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return 100;
    return 10; // ASCII alone says nothing
}

QByteArray EncodeGb18030(const QString& text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto* w = reinterpret_cast<const wchar_t*>(text.utf16());
    const int n = WideCharToMultiByte(GbCodePage(), 0, w, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray out(n, Qt::Uninitialized);
    WideCharToMultiByte(GbCodePage(), 0, w, int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

QString DecodeGb18030(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int n = MultiByteToWideChar(GbCodePage(), 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString out(n, Qt::Uninitialized);
    MultiByteToWideChar(GbCodePage(), 0, bytes.constData(), int(bytes.size()), reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}
