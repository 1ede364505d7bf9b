#include "config/RegularFile.h"
#include "platform/win/WinFiles.h"

#include <QCoreApplication>
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

QString FileTargetProblem(const QString& path)
{
    const std::wstring name = WinPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? QString()
                   : QCoreApplication::translate("RegularFile", "无法查看该路径");
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return QCoreApplication::translate("RegularFile", "这是一个文件夹");
    // Opened as a write would open it, links followed: a link to nothing, a device (NUL, COM1)
    // or a pipe is not a disk file.
    const HANDLE h = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                   ? QCoreApplication::translate("RegularFile", "这是一个指向不存在的文件的链接")
                   : QCoreApplication::translate("RegularFile", "无法查看该路径");
    const bool disk = WinIsDiskFile(h);
    CloseHandle(h);
    return disk ? QString() : QCoreApplication::translate("RegularFile", "这不是普通文件（是设备、管道或套接字）");
}
