#include "platform/ProgramEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

QString ExecutableDir::path() const
{
    // The command line is read before the application object exists.
    if (!QCoreApplication::instance())
        return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return QCoreApplication::applicationDirPath();
}

bool OwnProgramDir(const QString& dir, unsigned dirOwner, unsigned user)
{
    for (const QLatin1StringView system : {QLatin1StringView("/usr"), QLatin1StringView("/opt")}) {
        if (dir == system || dir.startsWith(system + QLatin1Char('/')))
            return false;
    }
    return dirOwner == user;
}

bool ExecutableDir::writable() const
{
    const QByteArray dir = QFile::encodeName(path());
    struct stat st {};
    if (::stat(dir.constData(), &st) != 0 || !OwnProgramDir(path(), st.st_uid, ::getuid()))
        return false;
    // Creating and renaming files needs write and search permission on the directory; a
    // read-only file system answers no as well.
    return ::access(dir.constData(), W_OK | X_OK) == 0;
}

QString ExecutableDir::configHome() const
{
    // Only an absolute XDG_CONFIG_HOME counts; otherwise ~/.config.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.config"));
    return QString();
}

void QtProgramEnd::end(int status)
{
    QCoreApplication::exit(status);
}
