#include "platform/ProgramEnv.h"

#include <QCoreApplication>

QString ExecutableDir::path() const
{
    return QCoreApplication::applicationDirPath();
}

void QtProgramEnd::end(int status)
{
    QCoreApplication::exit(status);
}
