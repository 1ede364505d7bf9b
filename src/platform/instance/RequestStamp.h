#pragma once
// The time a request of a later start was sent, on the monotonic clock every process of the
// machine shares: a request that reaches the running program after its sender has given up
// waiting is not acted on, so a sender that reports "no answer" never leaves a command done.
#include <QByteArray>
#include <QtGlobal>
#include <optional>

// How long a later start waits for the answer once its request is sent.
inline constexpr qint64 kAnswerWaitMs = 5000;
// How old a request may be when the running program takes it: a second less than the wait, so
// that the answer is back before the sender gives up.
inline constexpr qint64 kFreshRequestMs = kAnswerWaitMs - 1000;

// The line as sent: the request, then " @" and the sender's clock reading in milliseconds.
QByteArray StampedRequest(const QByteArray& request, qint64 sentMs);
// The request of a line received at `nowMs`, its stamp removed; nothing when it was sent more
// than kFreshRequestMs ago (or stamped in the future, from another clock). A line without a
// stamp, from a start of an earlier version, is taken as it is.
std::optional<QByteArray> FreshRequest(const QByteArray& line, qint64 nowMs);
