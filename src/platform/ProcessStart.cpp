#include "platform/ProcessStart.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <unistd.h>

qint64 ProcessStartedMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The command name in parentheses may hold spaces: the fields are counted after its end.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const long ticks = sysconf(_SC_CLK_TCK);
    bool ok = false;
    const qint64 start = fields.value(19).toLongLong(&ok); // field 22, "starttime"
    return ok && ticks > 0 ? start * 1000 / ticks : 0;
}
