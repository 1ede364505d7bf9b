#include "platform/instance/RequestStamp.h"

QByteArray StampedRequest(const QByteArray& request, qint64 sentMs)
{
    return request + " @" + QByteArray::number(sentMs);
}

std::optional<QByteArray> FreshRequest(const QByteArray& line, qint64 nowMs)
{
    const qsizetype at = line.lastIndexOf(" @");
    if (at < 0)
        return line;
    bool ok = false;
    const QByteArray digits = line.mid(at + 2);
    const qint64 sent = digits.size() <= 18 && !digits.startsWith('+') && !digits.startsWith('-') ? digits.toLongLong(&ok) : 0;
    if (!ok)
        return line; // not a stamp: the request's own words
    const qint64 age = nowMs - sent;
    if (age < 0 || age > kFreshRequestMs)
        return std::nullopt;
    return line.left(at);
}
