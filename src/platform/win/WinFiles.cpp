#include "platform/win/WinFiles.h"

#include <QDir>

#include <windows.h>

std::wstring WinPath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString WinErrorText(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString result = n ? QString::fromWCharArray(text, int(n)).trimmed() : QStringLiteral("error %1").arg(code);
    LocalFree(text);
    return result;
}

QString WinLastErrorText()
{
    return WinErrorText(GetLastError());
}

bool WinIsDiskFile(void* handle)
{
    return GetFileType(static_cast<HANDLE>(handle)) == FILE_TYPE_DISK;
}
