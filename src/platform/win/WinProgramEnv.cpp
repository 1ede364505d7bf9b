// The program's folder on Windows: portable beside Horalto.exe (config.ini, wav\, records.csv),
// or, installed under Program Files where users may not write, the user's %APPDATA%\Horalto.
#include "platform/ProgramEnv.h"
#include "platform/win/WinFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

namespace {
// A system folder named by an environment variable ("ProgramFiles"), in Qt's form.
QString SystemFolder(const char* variable)
{
    const QString v = qEnvironmentVariable(variable);
    return v.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(v));
}

bool Inside(const QString& dir, const QString& folder)
{
    return !folder.isEmpty()
        && (dir.compare(folder, Qt::CaseInsensitive) == 0
            || dir.startsWith(folder + QLatin1Char('/'), Qt::CaseInsensitive));
}
} // namespace

QString ExecutableDir::path() const
{
    // The command line is read before the application object exists.
    if (!QCoreApplication::instance()) {
        wchar_t buffer[32768];
        const DWORD n = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
        return QFileInfo(QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(n)))).absolutePath();
    }
    return QCoreApplication::applicationDirPath();
}

bool OwnProgramDir(const QString& dir, unsigned dirOwner, unsigned user)
{
    for (const char* v : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"})
        if (Inside(dir, SystemFolder(v)))
            return false;
    return dirOwner == user;
}

bool ExecutableDir::writable() const
{
    const QString dir = path();
    if (!OwnProgramDir(dir, 0, 0))
        return false;
    // Whether a file can be made there: a folder on a read-only medium or one the user may not
    // write to (the access lists decide, not a mode) answers no.
    const QString probe = dir + QStringLiteral("/.horalto-probe-")
        + QString::number(QRandomGenerator::global()->generate64(), 36);
    const HANDLE h = CreateFileW(WinPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

QString ExecutableDir::configHome() const
{
    const QString appData = SystemFolder("APPDATA");
    return QDir::isAbsolutePath(appData) ? appData : QString();
}

void QtProgramEnd::end(int status)
{
    QCoreApplication::exit(status);
}
