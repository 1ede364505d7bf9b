#include "platform/LogThrottle.h"

#include <QElapsedTimer>
#include <QMutex>
#include <cstring>

bool LineThrottle::Pass(qint64 nowMs, int* held)
{
    if (shown_ && nowMs - lastMs_ < periodMs_) {
        ++held_;
        return false;
    }
    shown_ = true;
    lastMs_ = nowMs;
    *held = held_;
    held_ = 0;
    return true;
}

namespace {
QtMessageHandler g_previous = nullptr;

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::strncmp(context.category, "qt.httpserver", 13) == 0) {
        static QMutex mutex;
        static QElapsedTimer clock;
        static LineThrottle throttle;
        int held = 0;
        {
            const QMutexLocker lock(&mutex);
            if (!clock.isValid())
                clock.start();
            if (!throttle.Pass(clock.elapsed(), &held))
                return;
        }
        if (held > 0) {
            g_previous(type, context, message + QStringLiteral(" (%1 more like it held back in the last minute)").arg(held));
            return;
        }
    }
    g_previous(type, context, message);
}
} // namespace

void ThrottleServerMessages()
{
    g_previous = qInstallMessageHandler(Handler);
}
