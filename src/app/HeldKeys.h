#pragma once
#include "platform/Clock.h"

#include <QByteArray>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

// A key held down on a desktop whose shortcuts run a command per press: GNOME sends no release,
// and runs the command again after 500 ms, then every 30 ms. A key's command within kHeldMs of
// another of the same key is the key still held: it acts once.
//
// A command is timed by when the desktop started the command's process (`pressedAt`, on the
// clock's monotonic scale), where it says: a busy computer may take longer than that to bring
// the commands of one held key in, and in any order, so a command counts as held next to any
// of the key's commands seen, before or after it. Without that time, or with one more than a
// minute off, by its arrival.
class HeldKeys {
public:
    static constexpr qint64 kHeldMs = 600;
    explicit HeldKeys(const Clock& clock) : clock_(clock) {}
    // Whether this command of `key` is a new press.
    bool NewPress(const QByteArray& key, qint64 pressedAt = 0)
    {
        const qint64 now = clock_.monotonicMs();
        const qint64 t = pressedAt > 0 && std::abs(now - pressedAt) < kKeptMs ? pressedAt : now;
        std::vector<qint64>& seen = seen_[key];
        std::erase_if(seen, [now](qint64 s) { return now - s > kKeptMs; });
        const bool held = std::any_of(seen.begin(), seen.end(), [t](qint64 s) { return std::abs(t - s) < kHeldMs; });
        seen.push_back(t);
        return !held;
    }

private:
    static constexpr qint64 kKeptMs = 60000;
    const Clock& clock_;
    std::map<QByteArray, std::vector<qint64>> seen_;
};
