#include "platform/Timer.h"

#include <QTimer>

namespace {
class QtIntervalTimer final : public IntervalTimer {
public:
    QtIntervalTimer(int intervalMs, std::function<void()> onTick)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [f = std::move(onTick)] { f(); });
    }
    void setEnabled(bool on) override
    {
        if (on && !timer_.isActive())
            timer_.start();
        else if (!on)
            timer_.stop();
    }
    bool isEnabled() const override { return timer_.isActive(); }
    int interval() const override { return timer_.interval(); }

private:
    QTimer timer_;
};
} // namespace

std::unique_ptr<IntervalTimer> QtTimerFactory::create(int intervalMs, std::function<void()> onTick)
{
    return std::make_unique<QtIntervalTimer>(intervalMs, std::move(onTick));
}
