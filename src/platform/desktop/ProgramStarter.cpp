#include "platform/desktop/ProgramStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

QString QtProgramStarter::findOnPath(const QString& name) const
{
    if (name.isEmpty() || name.contains(u'/'))
        return QString();
    const QStringList dirs = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& dir : dirs) {
        if (!QDir::isAbsolutePath(dir))
            continue;
        const QFileInfo file(QDir(dir).filePath(name));
        if (file.isFile() && file.isExecutable())
            return file.absoluteFilePath();
    }
    return QString();
}

bool QtProgramStarter::startDetached(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    p.setWorkingDirectory(QDir::homePath());
    p.setStandardInputFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : own_)
        env.remove(name);
    p.setProcessEnvironment(env);
    return p.startDetached();
}
