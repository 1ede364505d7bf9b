#include "platform/Random.h"

#include <QRandomGenerator>

int SystemRandom::between(int low, int high)
{
    return QRandomGenerator::global()->bounded(low, high + 1);
}
