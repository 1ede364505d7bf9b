#pragma once
#include <QString>

// Asynchronous WAV playback: play() returns at once, and a new sound cuts off the one still playing.
// A path that cannot be played gives the built-in default sound instead.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& path) = 0;
    // Gets the playback ready so that the next play() starts at once (a timing has started).
    virtual void prepare() {}
};
