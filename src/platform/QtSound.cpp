#include "platform/QtSound.h"

#include "config/RegularFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace {

constexpr const char* kDefaultSoundFile = ":/sounds/default.wav";
constexpr size_t kKeptCopies = 4;

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

void appendLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    out.append(b, 4);
}

void appendLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}

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
    // A sound that passed the checks but does not load: the default sound as it is, once.
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
    std::optional<QUrl> url = paddedCopy(path);
    if (!url)
        url = paddedCopy(QString::fromLatin1(kDefaultSoundFile));
    QSoundEffect& e = effect();
    e.setSource(url.value_or(QUrl(kDefaultSound))); // a different source stops the old sound at once
    e.play();                                        // the same source restarts from the beginning
}

std::optional<QUrl> QtSound::paddedCopy(const QString& path)
{
    const std::optional<QByteArray> file = ReadRegularFile(path, kMaxFileBytes);
    if (!file)
        return std::nullopt;
    const QByteArray digest = QCryptographicHash::hash(*file, QCryptographicHash::Sha256);
    for (const Copy& c : recent_)
        if (c.digest == digest)
            return c.url;
    const std::optional<Pcm> pcm = decodeWav(*file);
    if (!pcm)
        return std::nullopt;
    const QUrl original = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                            : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!copies_)
        copies_ = std::make_unique<QTemporaryDir>();
    if (!copies_->isValid())
        return original;
    // Every copy gets a new name: the sound effect keeps what it loaded by its source.
    const QString copyPath = copies_->filePath(QStringLiteral("sound%1.wav").arg(++copyCount_));
    QFile out(copyPath);
    const QByteArray padded = encodeWav(*pcm, kTrailingSilenceMs);
    if (!out.open(QIODevice::WriteOnly) || out.write(padded) != padded.size() || !out.flush())
        return original;
    out.close();
    recent_.push_back({digest, QUrl::fromLocalFile(copyPath)});
    if (recent_.size() > kKeptCopies) {
        // The oldest copy is no longer the source: it was loaded in full when it was.
        const QUrl oldest = recent_.front().url;
        recent_.pop_front();
        if (!effect_ || effect_->source() != oldest)
            QFile::remove(oldest.toLocalFile());
    }
    return recent_.back().url;
}

bool QtSound::isPlayableWav(const QString& path)
{
    const std::optional<QByteArray> file = ReadRegularFile(path, kMaxFileBytes);
    return file && decodeWav(*file);
}

std::optional<QtSound::Pcm> QtSound::decodeWav(const QByteArray& file)
{
    const char* p = file.constData();
    const qsizetype size = file.size();
    if (size < 12 || memcmp(p, "RIFF", 4) != 0 || memcmp(p + 8, "WAVE", 4) != 0)
        return std::nullopt;
    Pcm pcm;
    quint32 blockAlign = 0; // set once a usable "fmt " chunk was seen
    qsizetype at = 12;
    for (int i = 0; i < 64; ++i) { // a handful of chunks before "data" is plenty for any real file
        if (size - at < 8)
            return std::nullopt;
        const char* head = p + at;
        const quint32 chunk = le32(head + 4);
        at += 8;
        if (memcmp(head, "data", 4) == 0) {
            if (blockAlign == 0 || chunk < blockAlign || chunk % blockAlign != 0 || chunk > size - at)
                return std::nullopt;
            pcm.samples = file.mid(at, chunk);
            return pcm;
        }
        if (memcmp(head, "fmt ", 4) == 0) {
            if (chunk < 16 || size - at < 16)
                return std::nullopt;
            const char* fmt = p + at;
            const quint16 format = le16(fmt), channels = le16(fmt + 2), align = le16(fmt + 12), bits = le16(fmt + 14);
            const quint32 rate = le32(fmt + 4);
            if (format != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)
                || align != channels * bits / 8 || rate < 1000 || rate > 192000)
                return std::nullopt; // (a rate of a few hertz even crashes the decoder)
            pcm.channels = channels;
            pcm.rate = rate;
            pcm.bits = bits;
            blockAlign = align;
        }
        const qsizetype skip = qsizetype(chunk) + (chunk & 1);
        if (skip > size - at)
            return std::nullopt;
        at += skip;
    }
    return std::nullopt;
}

QByteArray QtSound::encodeWav(const Pcm& pcm, int silenceMs)
{
    const quint16 align = quint16(pcm.channels * pcm.bits / 8);
    const qsizetype silence = qsizetype(pcm.rate) * silenceMs / 1000 * align;
    const quint32 dataSize = quint32(pcm.samples.size() + silence);
    QByteArray out;
    out.reserve(44 + dataSize + 1);
    out.append("RIFF", 4);
    appendLe32(out, 36 + dataSize + (dataSize & 1));
    out.append("WAVEfmt ", 8);
    appendLe32(out, 16);
    appendLe16(out, 1);
    appendLe16(out, pcm.channels);
    appendLe32(out, pcm.rate);
    appendLe32(out, pcm.rate * align);
    appendLe16(out, align);
    appendLe16(out, pcm.bits);
    out.append("data", 4);
    appendLe32(out, dataSize);
    out.append(pcm.samples);
    out.append(silence, pcm.bits == 8 ? char(0x80) : char(0)); // 8-bit samples are unsigned
    if (dataSize & 1)
        out.append('\0');
    return out;
}
