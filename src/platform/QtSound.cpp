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

QtSound::QtSound()
{
    // A file that looked right but does not decode: fall back to the default sound, once.
    QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_, [this] {
        if (effect_.status() == QSoundEffect::Error && effect_.source() != QUrl(kDefaultSound)) {
            effect_.setSource(QUrl(kDefaultSound));
            effect_.play();
        }
    });
}

void QtSound::play(const QString& path)
{
    const QUrl url = isPlayableWav(path) ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                                         : QUrl(kDefaultSound);
    effect_.setSource(url); // a different source stops the old sound at once
    effect_.play();         // the same source restarts from the beginning
}

// QSoundEffect must not be handed a file whose data falls short of what its header promises:
// it then stays "Loading" for ever and hangs when the effect lets go of it. So the data chunk
// must be complete and a whole number of frames, besides the format being one it decodes.
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
