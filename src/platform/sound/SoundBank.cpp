#include "platform/sound/SoundBank.h"

#include <QFile>

#ifdef _WIN32
#include <QDateTime>
#include <QFileInfo>
#else
#include <sys/stat.h>
#endif

SoundBank::SoundBank(Decoder decoder) : decoder_(std::move(decoder)) {}

SoundBank::~SoundBank()
{
    if (pool_) {
        pool_->clear();
        pool_->waitForDone();
    }
}

SoundBank::Stamp SoundBank::stampOf(const QString& path)
{
    if (path.startsWith(QLatin1Char(':'))) // compiled in: never changes
        return {0, 0, 0, 0};
#ifdef _WIN32
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000};
#else
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
#endif
}

const SoundBank::Entry* SoundBank::current(const QString& path)
{
    const auto it = sounds_.find(path);
    if (it == sounds_.end() || it->decoding)
        return nullptr;
    if (it->stamp == stampOf(path))
        return &*it;
    sounds_.erase(it); // changed: the old samples go before the new ones come
    return nullptr;
}

void SoundBank::keep(const QStringList& paths)
{
    kept_ = paths;
    for (auto it = sounds_.begin(); it != sounds_.end();) {
        if (!it->decoding && !paths.contains(it.key()) && it.key() != waitingFor_)
            it = sounds_.erase(it);
        else
            ++it;
    }
    for (const QString& path : paths)
        if (!path.isEmpty() && !current(path))
            decode(path, 0);
}

void SoundBank::fetch(const QString& path, std::function<void(Sound)> ready)
{
    cancel();
    // A sound played on its own (a test in the settings) stays only until the next one.
    for (auto it = sounds_.begin(); it != sounds_.end();) {
        if (!it->decoding && !kept_.contains(it.key()) && it.key() != path)
            it = sounds_.erase(it);
        else
            ++it;
    }
    if (const Entry* e = current(path)) {
        ready(e->sound);
        return;
    }
    waitingFor_ = path;
    waiting_ = std::move(ready);
    decode(path, 1); // before the sounds merely kept at hand
}

void SoundBank::cancel()
{
    waitingFor_.clear();
    waiting_ = nullptr;
}

void SoundBank::decode(const QString& path, int priority)
{
    Entry& e = sounds_[path];
    if (e.decoding)
        return;
    e.decoding = true;
    e.sound.reset();
    if (!pool_) {
        pool_ = std::make_unique<QThreadPool>();
        pool_->setMaxThreadCount(1); // one file at a time: the memory of one decode at most
    }
    pool_->start(
        [this, path, decoder = decoder_] {
            // The stamp is taken first: a file changed while it is read counts as changed.
            const Stamp stamp = stampOf(path);
            std::optional<DecodedSound> pcm = decoder(path);
            Sound sound = pcm ? std::make_shared<const DecodedSound>(std::move(*pcm)) : nullptr;
            QMetaObject::invokeMethod(
                &receiver_, [this, path, stamp, sound = std::move(sound)] { decoded(path, stamp, sound); },
                Qt::QueuedConnection);
        },
        priority);
}

void SoundBank::decoded(const QString& path, const Stamp& stamp, Sound sound)
{
    const bool wanted = kept_.contains(path) || path == waitingFor_;
    if (wanted)
        sounds_[path] = Entry{stamp, sound, false};
    else
        sounds_.remove(path);
    if (path == waitingFor_) {
        const std::function<void(Sound)> ready = std::move(waiting_);
        cancel();
        if (ready)
            ready(sound);
    }
}
