#include "support/CoreFakes.h"

#include <algorithm>

int FakeRandom::between(int low, int high)
{
    ++calls;
    int v;
    if (!script.empty()) {
        v = script.front();
        script.pop_front();
    } else {
        v = next++;
    }
    return std::clamp(v, low, high);
}

std::unique_ptr<IntervalTimer> FakeTimers::create(int intervalMs, std::function<void()> onTick)
{
    auto t = std::make_unique<FakeTimer>(intervalMs, std::move(onTick));
    made.push_back(t.get());
    return t;
}
