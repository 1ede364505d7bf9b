#include "platform/instance/InstanceChannel.h"

#include <QElapsedTimer>
#include <QThread>

InstanceChannel::Reply InstanceChannel::AskUntilSettled(const std::function<std::optional<QByteArray>()>& exchange,
                                                        const std::function<Lock()>& probeLock, int startingMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (const std::optional<QByteArray> answer = exchange())
            return answer->isNull() ? Reply {Reply::Kind::NoAnswer, {}} : Reply {Reply::Kind::Answered, *answer};
        switch (probeLock()) {
        case Lock::Free:
            return {Reply::Kind::NoneRuns, {}};
        case Lock::Held:
            return {Reply::Kind::Claimed, {}};
        case Lock::Taken: // another program is starting and listens soon
            break;
        }
        if (waited.elapsed() > startingMs)
            return {Reply::Kind::NoAnswer, {}};
        QThread::msleep(50);
    }
}
