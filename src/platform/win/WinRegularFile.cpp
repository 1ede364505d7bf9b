#include "config/RegularFile.h"
#include "platform/win/WinFiles.h"

#include <QFile>

#include <windows.h>

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty())
        return std::nullopt;
    if (path.startsWith(QLatin1Char(':'))) { // compiled-in resource
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() > maxBytes)
            return std::nullopt;
        return f.readAll();
    }
    // Shared for writing and deleting: a file another program holds open is still read.
    const HANDLE h = CreateFileW(WinPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<QByteArray> result;
    LARGE_INTEGER size {};
    if (WinIsDiskFile(h) && GetFileSizeEx(h, &size) && size.QuadPart <= maxBytes) {
        QByteArray bytes(qsizetype(size.QuadPart), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < bytes.size()) {
            DWORD n = 0;
            const DWORD want = DWORD(std::min<qsizetype>(bytes.size() - got, 1 << 30));
            if (!ReadFile(h, bytes.data() + got, want, &n, nullptr) || n == 0)
                break;
            got += n;
        }
        if (got == bytes.size()) // a file that shrank while read counts as unreadable
            result = std::move(bytes);
    }
    CloseHandle(h);
    return result;
}
