#pragma once
#include "platform/Clock.h"

#include <QByteArray>
#include <map>

// A key held down on a desktop whose shortcuts run a command per press: GNOME sends no release,
// and runs the command again after 500 ms, then every 30 ms. The same key's command again
// within kHeldMs of its last one is the key still held: it acts once.
class HeldKeys {
public:
    static constexpr qint64 kHeldMs = 600;
    explicit HeldKeys(const Clock& clock) : clock_(clock) {}
    // Whether this command of `key` is a new press; every one counts as the last.
    bool NewPress(const QByteArray& key)
    {
        const qint64 now = clock_.monotonicMs();
        const auto it = last_.find(key);
        const bool held = it != last_.end() && now - it->second < kHeldMs;
        last_[key] = now;
        return !held;
    }

private:
    const Clock& clock_;
    std::map<QByteArray, qint64> last_;
};
