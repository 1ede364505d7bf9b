#pragma once
#include "platform/Sound.h"

#include <QByteArray>
#include <QString>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <memory>
#include <optional>

// Sound through one QSoundEffect: play() sets the source and starts it at once; a new play()
// cuts the sound still playing, the same sound again restarts it. The sound output drops the
// last tenth of a second or so of whatever it plays, so every sound is decoded here and played
// from a copy with silence added after its last sample. A path that is not a playable WAV file
// (missing, not a regular file, unreadable, not RIFF/WAVE PCM with 8 or 16 bits per sample,
// incomplete) plays the built-in default sound instead, and so does a copy that then fails to
// load.
class QtSound final : public Sound {
public:
    static constexpr const char* kDefaultSound = "qrc:/sounds/default.wav";
    static constexpr int kTrailingSilenceMs = 250;
    static constexpr qint64 kMaxFileBytes = qint64(256) << 20; // larger counts as unplayable

    QtSound();
    ~QtSound() override;
    void play(const QString& path) override;
    // The sound output is opened on the first need, not at start-up: it costs start-up time
    // and memory while the program only waits.
    void prepare() override;

    // PCM samples of a WAV file as they are stored, with their format.
    struct Pcm {
        quint16 channels = 0;
        quint32 rate = 0;
        quint16 bits = 0;
        QByteArray samples; // whole frames
    };
    // RIFF/WAVE with a PCM "fmt " chunk (8 or 16 bits, 1 or 2 channels, 1000 to 192000 frames
    // per second), then a complete "data" chunk holding a whole number of frames.
    static std::optional<Pcm> decodeWav(const QByteArray& file);
    // The same check on a path: a regular file of at most kMaxFileBytes that decodes.
    static bool isPlayableWav(const QString& path);
    // A canonical 16-byte-"fmt " WAV file of the samples followed by `silenceMs` of silence.
    static QByteArray encodeWav(const Pcm& pcm, int silenceMs);

private:
    QSoundEffect& effect();
    // The padded copy of the WAV file `path` as a source, or nothing when the file is not
    // playable. The last few copies are kept, so the same sound again is the same source (and
    // restarts without loading again). A copy that cannot be written gives the file itself.
    std::optional<QUrl> paddedCopy(const QString& path);

    std::unique_ptr<QSoundEffect> effect_;
    std::unique_ptr<QTemporaryDir> copies_;
    struct Copy { QByteArray digest; QUrl url; };
    std::deque<Copy> recent_;
    int copyCount_ = 0;
};
