#include "platform/EventPump.h"

#include <QCoreApplication>

void QtEventPump::processPending()
{
    QCoreApplication::processEvents();
}
