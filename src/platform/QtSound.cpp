#include "platform/QtSound.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtEndian>

#include <cstring>

namespace {

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

} // namespace

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::prepare()
{
    effect();
}

QSoundEffect& QtSound::effect()
{
    if (effect_)
        return *effect_;
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* e = effect_.get();
    // A file that looked right but does not decode: fall back to the default sound, once.
    QObject::connect(e, &QSoundEffect::statusChanged, e, [e] {
        if (e->status() == QSoundEffect::Error && e->source() != QUrl(kDefaultSound)) {
            e->setSource(QUrl(kDefaultSound));
            e->play();
        }
    });
    return *effect_;
}

void QtSound::play(const QString& path)
{
    const QUrl url = isPlayableWav(path) ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                                         : QUrl(kDefaultSound);
    QSoundEffect& e = effect();
    e.setSource(url); // a different source stops the old sound at once
    e.play();         // the same source restarts from the beginning
}

bool QtSound::isPlayableWav(const QString& path)
{
    QFile f(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return false;
    char riff[12];
    if (f.read(riff, 12) != 12 || memcmp(riff, "RIFF", 4) != 0 || memcmp(riff + 8, "WAVE", 4) != 0)
        return false;
    quint32 blockAlign = 0; // set once a usable "fmt " chunk was seen
    for (int i = 0; i < 64; ++i) { // a handful of chunks before "data" is plenty for any real file
        char head[8];
        if (f.read(head, 8) != 8)
            return false;
        const quint32 size = le32(head + 4);
        if (memcmp(head, "data", 4) == 0)
            return blockAlign > 0 && size >= blockAlign && size % blockAlign == 0 && f.pos() + size <= f.size();
        qint64 skip = qint64(size) + (size & 1);
        if (memcmp(head, "fmt ", 4) == 0) {
            char fmt[16];
            if (size < 16 || f.read(fmt, 16) != 16)
                return false;
            const quint16 format = le16(fmt), channels = le16(fmt + 2), align = le16(fmt + 12), bits = le16(fmt + 14);
            const quint32 rate = le32(fmt + 4);
            if (format != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)
                || align != channels * bits / 8 || rate < 1000 || rate > 192000)
                return false; // (a rate of a few hertz even crashes the decoder)
            blockAlign = align;
            skip -= 16;
        }
        if (!f.seek(f.pos() + skip))
            return false;
    }
    return false;
}
