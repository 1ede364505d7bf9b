#pragma once
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <optional>

// PCM samples as a sound output takes them, with their format.
struct DecodedSound {
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    QByteArray samples; // whole frames
};

// The decoded sounds of the program. A sound file is read and decoded on a worker thread, never
// on the caller's, and kept while the file is unchanged (same file, size and modification time);
// each sound is held once, however often it plays. Answers come on the caller's thread.
class SoundBank {
public:
    using Sound = std::shared_ptr<const DecodedSound>;
    // Reads and decodes one file; nothing when it cannot be played. Runs on the worker thread.
    using Decoder = std::function<std::optional<DecodedSound>(const QString& path)>;

    explicit SoundBank(Decoder decoder);
    // Waits for a decode under way; answers not given yet are dropped.
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // The sounds to keep at hand: those not decoded yet (or changed since) are decoded in the
    // background, every other sound is let go.
    void keep(const QStringList& paths);
    // `ready` gets the sound of `path` (null when the file cannot be played): at once when it is
    // at hand and unchanged, otherwise once it is decoded. A later fetch replaces one still
    // waiting, as does cancel().
    void fetch(const QString& path, std::function<void(Sound)> ready);
    void cancel();

private:
    // What tells a changed file: its identity, size and modification time.
    struct Stamp {
        qint64 device = -1, inode = -1, size = -1, mtimeNs = -1;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp stamp;
        Sound sound;          // null: not playable
        bool decoding = false;
    };
    static Stamp stampOf(const QString& path);
    // The entry when it is decoded and its file unchanged; a changed one is let go.
    const Entry* current(const QString& path);
    void decode(const QString& path, int priority);
    void decoded(const QString& path, const Stamp& stamp, Sound sound);

    Decoder decoder_;
    QHash<QString, Entry> sounds_;
    QStringList kept_;
    QString waitingFor_;
    std::function<void(Sound)> waiting_;
    QObject receiver_; // answers from the worker arrive through its thread's event loop
    std::unique_ptr<QThreadPool> pool_; // made on the first decode
};
