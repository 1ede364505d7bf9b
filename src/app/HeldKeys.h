#pragma once
#include "platform/Clock.h"

#include <QByteArray>
#include <algorithm>
#include <cstdlib>
#include <map>

// A key held down on a desktop whose shortcuts run a command per press: GNOME sends no release,
// and runs the command again after 500 ms, then every 30 ms. The same key's command within
// kHeldMs of its latest one is the key still held: it acts once.
//
// A command is timed by when the desktop started the command's process (`pressedAt`, on the
// clock's monotonic scale), where it says: a busy computer may take longer than that to bring
// the commands of one held key in, and in any order. Without it, or with a time more than a
// minute off, by its arrival.
class HeldKeys {
public:
    static constexpr qint64 kHeldMs = 600;
    explicit HeldKeys(const Clock& clock) : clock_(clock) {}
    // Whether this command of `key` is a new press.
    bool NewPress(const QByteArray& key, qint64 pressedAt = 0)
    {
        const qint64 now = clock_.monotonicMs();
        const qint64 t = pressedAt > 0 && std::abs(now - pressedAt) < 60000 ? pressedAt : now;
        const auto it = last_.find(key);
        const bool held = it != last_.end() && std::abs(t - it->second) < kHeldMs;
        last_[key] = it == last_.end() ? t : std::max(t, it->second);
        return !held;
    }

private:
    const Clock& clock_;
    std::map<QByteArray, qint64> last_;
};
