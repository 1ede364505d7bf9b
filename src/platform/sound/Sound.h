#pragma once
#include <QString>
#include <QStringList>

// Asynchronous WAV playback: play() returns at once, and a new sound cuts off the one still playing.
// A path that cannot be played gives the built-in default sound instead.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& path) = 0;
    // Gets the playback ready so that the next play() starts at once (a timing has started).
    virtual void prepare() {}
    // The sounds that the current scheme plays: made ready ahead of their first play, without
    // holding up the caller, and kept while their files are unchanged; others are let go.
    virtual void load(const QStringList& paths) { (void)paths; }
    // Whether there is a sound output to play on (no sound server or no sound card: none),
    // asked anew each time; true while nothing is known yet.
    virtual bool outputAvailable() { return true; }
};
