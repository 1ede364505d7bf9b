#pragma once
#include "platform/sound/Sound.h"
#include "platform/sound/SoundBank.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QAudioSink;
class QBuffer;

// Sound through one audio output stream, played from memory: play() cuts the sound still playing
// at once and starts the new one as soon as its samples are at hand; the same sound again
// restarts it. Every sound is decoded once, off the GUI thread (SoundBank), when the scheme
// names it or, for any other, at its first play; the tick that plays it never waits. The sound
// output drops the last tenth of a second or so of whatever it plays, so silence is added after
// the last sample when decoding. A path that is not a playable WAV file (missing, not a regular
// file, unreadable, not RIFF/WAVE PCM with 8 or 16 bits per sample, incomplete) plays the
// built-in default sound instead, and so does a sound the output refuses.
class QtSound final : public Sound {
public:
    static constexpr const char* kDefaultSound = ":/sounds/default.wav";
    static constexpr int kTrailingSilenceMs = 250;
    static constexpr qint64 kMaxFileBytes = qint64(256) << 20; // larger counts as unplayable

    QtSound();
    ~QtSound() override;
    void play(const QString& path) override;
    void load(const QStringList& paths) override;
    // The sound output is opened on the first need, not at start-up: it costs start-up time
    // and memory while the program only waits.
    void prepare() override;
    bool outputAvailable() override;
    // Connects to the sound server (what prepare() does); callable on any thread before the
    // sound output is first used.
    static void connectOutput();

    using Pcm = DecodedSound;
    // RIFF/WAVE with a PCM "fmt " chunk (8 or 16 bits, 1 or 2 channels, 1000 to 192000 frames
    // per second), then a complete "data" chunk holding a whole number of frames.
    static std::optional<Pcm> decodeWav(QByteArray file);
    // The same check on a path: a regular file of at most kMaxFileBytes that decodes.
    static bool isPlayableWav(const QString& path);
    // The file's samples followed by `silenceMs` of silence of their kind; nothing when the
    // file is not playable. Holds one copy of the samples at a time.
    static std::optional<Pcm> readPadded(const QString& path, int silenceMs = kTrailingSilenceMs);

private:
    void start(SoundBank::Sound sound);
    void stop();

    SoundBank bank_;
    SoundBank::Sound default_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};
