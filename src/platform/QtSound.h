#pragma once
#include "platform/Sound.h"

#include <QSoundEffect>
#include <memory>

// Sound through one QSoundEffect: play() sets the source and starts it at once; a new play()
// cuts the sound still playing, the same path again restarts it. A path that is not a playable
// WAV file (missing, unreadable, not RIFF/WAVE PCM with 8 or 16 bits per sample, incomplete)
// plays the built-in default sound instead, and so does a file that passes that check but
// then fails to load.
class QtSound final : public Sound {
public:
    static constexpr const char* kDefaultSound = "qrc:/sounds/default.wav";

    QtSound();
    ~QtSound() override;
    void play(const QString& path) override;
    // The sound output is opened on the first need, not at start-up: it costs start-up time
    // and memory while the program only waits.
    void prepare() override;

    // The cheap header check behind play(): RIFF/WAVE with a PCM "fmt " chunk (8 or 16 bits,
    // 1 or 2 channels, 1000 to 192000 frames per second), then a complete "data" chunk holding
    // a whole number of frames.
    static bool isPlayableWav(const QString& path);

private:
    QSoundEffect& effect();
    std::unique_ptr<QSoundEffect> effect_;
};
