#pragma once
// Messages of a noisy category on standard error at most once a minute: a flood of refused
// connections otherwise fills a terminal or a journal with the same line.
#include <QString>
#include <QtGlobal>

// Whether a message of one category at `nowMs` is shown; a message shown after some were held
// back says how many (`held`).
class LineThrottle {
public:
    explicit LineThrottle(qint64 periodMs = 60000) : periodMs_(periodMs) {}
    bool Pass(qint64 nowMs, int* held);

private:
    qint64 periodMs_;
    qint64 lastMs_ = 0;
    bool shown_ = false;
    int held_ = 0;
};

// Installs the message handler that holds the messages of the categories qt.httpserver* (the
// embedded page server's) to one a minute; every other message passes as before.
void ThrottleServerMessages();
