#include "platform/Random.h"

#include <QRandomGenerator>
#include <vector>

int SystemRandom::between(int low, int high)
{
    return QRandomGenerator::global()->bounded(low, high + 1);
}

QByteArray SystemRandom::secretBytes(int count)
{
    std::vector<quint32> words((count + 3) / 4);
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    return QByteArray(reinterpret_cast<const char*>(words.data()), count);
}
