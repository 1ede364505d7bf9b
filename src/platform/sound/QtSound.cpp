#include "platform/sound/QtSound.h"

#include "config/RegularFile.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtEndian>

#include <cstring>

namespace {

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

} // namespace

QtSound::QtSound() : bank_([](const QString& path) { return readPadded(path); }) {}

QtSound::~QtSound()
{
    stop();
}

void QtSound::prepare()
{
    connectOutput();
}

void QtSound::connectOutput()
{
    QMediaDevices::defaultAudioOutput(); // connects to the sound server
}

bool QtSound::outputAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void QtSound::load(const QStringList& paths)
{
    bank_.keep(paths);
}

void QtSound::play(const QString& path)
{
    stop(); // cut at once, also while the new sound is still being decoded
    bank_.fetch(path, [this](SoundBank::Sound sound) { start(std::move(sound)); });
}

void QtSound::stop()
{
    bank_.cancel();
    if (sink_) {
        sink_->disconnect();
        sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
}

void QtSound::start(SoundBank::Sound sound)
{
    const bool fallback = !sound;
    if (fallback) {
        if (!default_)
            if (std::optional<Pcm> pcm = readPadded(QString::fromLatin1(kDefaultSound))) // compiled in, small
                default_ = std::make_shared<const Pcm>(std::move(*pcm));
        sound = default_;
        if (!sound)
            return;
    }
    stop();
    QAudioFormat format;
    format.setSampleRate(int(sound->rate));
    format.setChannelCount(sound->channels);
    format.setSampleFormat(sound->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(sound->samples); // shares the samples, no copy
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    QAudioSink* sink = sink_.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink, fallback](QAudio::State state) {
        if (state == QAudio::StoppedState && sink->error() == QAudio::OpenError && !fallback)
            QMetaObject::invokeMethod(sink, [this] { start(nullptr); }, Qt::QueuedConnection); // refused: the default sound, once
    });
    sink->start(buffer_.get());
}

bool QtSound::isPlayableWav(const QString& path)
{
    const std::optional<QByteArray> file = ReadRegularFile(path, kMaxFileBytes);
    return file && decodeWav(*file);
}

std::optional<QtSound::Pcm> QtSound::readPadded(const QString& path, int silenceMs)
{
    std::optional<QByteArray> file = ReadRegularFile(path, kMaxFileBytes);
    if (!file)
        return std::nullopt;
    std::optional<Pcm> pcm = decodeWav(std::move(*file));
    if (!pcm)
        return std::nullopt;
    const qsizetype frame = pcm->channels * pcm->bits / 8;
    const qsizetype silence = qsizetype(pcm->rate) * silenceMs / 1000 * frame;
    pcm->samples.append(silence, pcm->bits == 8 ? char(0x80) : char(0)); // 8-bit samples are unsigned
    return pcm;
}

std::optional<QtSound::Pcm> QtSound::decodeWav(QByteArray file)
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
            // The samples moved to the front of the file's own bytes: no second copy.
            file.remove(0, at);
            file.truncate(chunk);
            pcm.samples = std::move(file);
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
