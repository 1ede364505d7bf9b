// QtSound against a real sound server: a private PulseAudio with a null sink, whose monitor is
// recorded while the sounds play. The recording shows what was really heard: the pitch and the
// length of a sound, a second sound cutting off the first, and the default sound for a path
// that cannot be played.
//
// Pitches of the sound files (resources/tools/make_sounds.py): prompt sound 880 Hz then 1320 Hz,
// 0.6 s; end sound 660, 523.25, 392 Hz, 1.5 s; built-in default sound 600 Hz, 0.25 s. Each file
// ends in silence that the sound output may drop, so the whole sound must be heard.
#include "platform/sound/LoadedSound.h"
#include "platform/sound/QtSound.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kRate = 44100;
const QString kPrompt = QStringLiteral(HORALTO_SOURCE_DIR "/resources/wav/提示音.wav");
const QString kEnd = QStringLiteral(HORALTO_SOURCE_DIR "/resources/wav/终止音.wav");
const QString kDefault = QStringLiteral(HORALTO_SOURCE_DIR "/resources/sounds/default.wav");

// ---------------------------------------------------------------------------------------------
// Writing small WAV files for the header check.

QByteArray wavBytes(quint16 format, quint16 channels, quint32 rate, quint16 bits, int frames,
                    bool withData = true, const char* riff = "RIFF")
{
    const int blockAlign = channels * bits / 8;
    QByteArray data(frames * blockAlign, '\0');
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(format, fmt.data());
    qToLittleEndian<quint16>(channels, fmt.data() + 2);
    qToLittleEndian<quint32>(rate, fmt.data() + 4);
    qToLittleEndian<quint32>(rate * blockAlign, fmt.data() + 8);
    qToLittleEndian<quint16>(quint16(blockAlign), fmt.data() + 12);
    qToLittleEndian<quint16>(bits, fmt.data() + 14);
    auto chunk = [](const char* id, const QByteArray& body) {
        QByteArray c(id, 4);
        char size[4];
        qToLittleEndian<quint32>(quint32(body.size()), size);
        c.append(size, 4);
        c.append(body);
        if (body.size() % 2)
            c.append('\0');
        return c;
    };
    QByteArray body = QByteArray("WAVE") + chunk("LIST", QByteArray("INFOjunk", 8)) + chunk("fmt ", fmt);
    if (withData)
        body += chunk("data", data);
    QByteArray out(riff, 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    out.append(size, 4);
    return out + body;
}

// A 16-bit mono tone as a WAV file.
QByteArray toneWav(double freq, double seconds, int bits = 16)
{
    const int n = int(seconds * kRate);
    QByteArray w = wavBytes(1, 1, kRate, quint16(bits), n);
    char* p = w.data() + w.size() - n * bits / 8;
    for (int i = 0; i < n; ++i) {
        const double v = 0.4 * std::sin(2 * M_PI * freq * i / kRate);
        if (bits == 16) {
            qToLittleEndian<qint16>(qint16(std::lround(v * 32767)), p + 2 * i);
        } else { // 24 bits
            const qint32 s = qint32(std::lround(v * 8388607));
            p[3 * i] = char(s & 0xff);
            p[3 * i + 1] = char((s >> 8) & 0xff);
            p[3 * i + 2] = char((s >> 16) & 0xff);
        }
    }
    return w;
}

// The same bytes with one little-endian field changed, `offset` bytes after the chunk id `id`.
QByteArray patched(QByteArray w, const char* id, int offset, quint32 value, int width)
{
    const qsizetype at = w.indexOf(QByteArray(id, 4), 12);
    if (at < 0)
        return {};
    if (width == 2)
        qToLittleEndian<quint16>(quint16(value), w.data() + at + offset);
    else
        qToLittleEndian<quint32>(value, w.data() + at + offset);
    return w;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// ---------------------------------------------------------------------------------------------
// Analysis of a recording (mono, 44100 Hz, samples scaled to -1..1).

struct Recording {
    std::vector<float> s;
    int windows(int hop) const { return int(s.size()) / hop; }
};

constexpr int kWin = 882; // 20 ms
constexpr int kHop = 441; // 10 ms: window i starts at i * 10 ms

double rmsAt(const Recording& r, int i)
{
    const int from = i * kHop, to = std::min<int>(from + kWin, int(r.s.size()));
    double sum = 0;
    for (int k = from; k < to; ++k)
        sum += double(r.s[k]) * r.s[k];
    return to > from ? std::sqrt(sum / (to - from)) : 0;
}

// Amplitude of the sine at `freq` in window i (Hann window; a full-scale sine gives 1).
double toneAt(const Recording& r, int i, double freq)
{
    const int from = i * kHop;
    if (from + kWin > int(r.s.size()))
        return 0;
    std::complex<double> acc;
    for (int k = 0; k < kWin; ++k) {
        const double w = 0.5 - 0.5 * std::cos(2 * M_PI * k / (kWin - 1));
        acc += double(r.s[from + k]) * w * std::polar(1.0, -2 * M_PI * freq * k / kRate);
    }
    return 4 * std::abs(acc) / kWin;
}

// Frequency from the upward zero crossings between two times (ms), interpolated between samples.
double pitchBetween(const Recording& r, double fromMs, double toMs)
{
    const int from = std::max(1, int(fromMs * kRate / 1000)), to = std::min<int>(int(toMs * kRate / 1000), int(r.s.size()));
    double first = -1, last = -1;
    int count = 0;
    for (int k = from; k < to; ++k) {
        if (r.s[k - 1] < 0 && r.s[k] >= 0) {
            const double t = (k - 1) + r.s[k - 1] / (r.s[k - 1] - r.s[k]);
            if (first < 0)
                first = t;
            last = t;
            ++count;
        }
    }
    if (count < 3)
        return 0;
    return (count - 1) * kRate / (last - first);
}

// Windows with sound in them: first and last (in 10 ms steps), or nothing for silence.
struct Span { int first = -1, last = -1; double ms() const { return (last - first) * 10.0 + 20; } };

Span soundSpan(const Recording& r, double threshold = 0.01)
{
    Span sp;
    for (int i = 0; i < r.windows(kHop); ++i)
        if (rmsAt(r, i) > threshold) {
            if (sp.first < 0)
                sp.first = i;
            sp.last = i;
        }
    return sp;
}

// ---------------------------------------------------------------------------------------------
// The private sound server, shared by every test of this suite, and a recorder of its sink.

class PulseServer {
public:
    // Starts the server; on failure `error` says why.
    bool start(QString& error)
    {
        if (!dir_.isValid()) {
            error = "no temporary directory";
            return false;
        }
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("XDG_RUNTIME_DIR", dir_.path());
        env_.insert("HOME", dir_.path());
        env_.insert("PULSE_SERVER", "unix:" + dir_.path() + "/pulse/native");
        env_.remove("DISPLAY");
        server_.setProcessEnvironment(env_);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                     "-L", "module-null-sink sink_name=spk",
                                     "-L", "module-native-protocol-unix", "-L", "module-always-sink"});
        if (!server_.waitForStarted(5000)) {
            error = "pulseaudio did not start: " + server_.errorString();
            return false;
        }
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000) {
            QProcess info;
            info.setProcessEnvironment(env_);
            info.start("pactl", {"info"});
            if (info.waitForFinished(3000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
                return true;
            if (server_.state() == QProcess::NotRunning) {
                error = "pulseaudio ended: " + QString::fromLocal8Bit(server_.readAll());
                return false;
            }
            QTest::qWait(100);
        }
        error = "pactl info got no answer from the private server";
        return false;
    }

    void stop()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(5000)) {
                server_.kill();
                server_.waitForFinished(2000);
            }
        }
    }

    QString runtimeDir() const { return dir_.path(); }
    QString socket() const { return "unix:" + dir_.path() + "/pulse/native"; }
    const QProcessEnvironment& env() const { return env_; }

private:
    QTemporaryDir dir_;
    QProcessEnvironment env_;
    QProcess server_;
};

class Recorder {
public:
    explicit Recorder(const QProcessEnvironment& env)
    {
        proc_.setProcessEnvironment(env);
        proc_.start("parec", {"--latency-msec=20", "-d", "spk.monitor", "--format=s16le", "--rate=44100",
                              "--channels=1", "--raw"});
    }
    ~Recorder()
    {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.kill();
            proc_.waitForFinished(2000);
        }
    }

    // Waits (spinning the event loop) until `ms` of sound have come in; false on timeout.
    bool waitForAudio(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            QTest::qWait(20);
            bytes_ += proc_.readAllStandardOutput();
            if (bytes_.size() >= ms * kRate / 1000 * 2)
                return true;
            if (proc_.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    // Keeps recording for `ms` while the event loop runs (the sound effect needs it), then stops.
    Recording finish(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QTest::qWait(20);
            bytes_ += proc_.readAllStandardOutput();
        }
        proc_.terminate();
        proc_.waitForFinished(3000);
        bytes_ += proc_.readAllStandardOutput();
        Recording r;
        r.s.resize(bytes_.size() / 2);
        for (size_t i = 0; i < r.s.size(); ++i)
            r.s[i] = qFromLittleEndian<qint16>(bytes_.constData() + 2 * i) / 32768.0f;
        return r;
    }

    // Samples recorded so far, to note where something started.
    int samplesSoFar()
    {
        bytes_ += proc_.readAllStandardOutput();
        return int(bytes_.size() / 2);
    }

private:
    QProcess proc_;
    QByteArray bytes_;
};

// A readable summary of a recording for failure messages: per 50 ms the level and main tones.
std::string describe(const Recording& r)
{
    std::string out;
    const double tones[] = {392, 523.25, 600, 660, 880, 1320};
    for (int i = 0; i + 5 < r.windows(kHop); i += 5) {
        if (rmsAt(r, i) < 0.005)
            continue;
        char line[200];
        int n = std::snprintf(line, sizeof line, "\n  %5d ms rms %.3f", i * 10, rmsAt(r, i));
        for (double f : tones)
            n += std::snprintf(line + n, sizeof line - n, " %g:%.3f", f, toneAt(r, i, f));
        out += line;
    }
    return out;
}

bool havePulse()
{
    return !QStandardPaths::findExecutable("pulseaudio").isEmpty();
}

// ---------------------------------------------------------------------------------------------

class QtSoundRecorded : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!havePulse())
            return;
        server_ = new PulseServer;
        if (!server_->start(startError_))
            return;
        // The sound system connects on first use, so this comes before any QSoundEffect exists
        // in this process.
        for (const char* name : {"XDG_RUNTIME_DIR", "PULSE_SERVER"})
            savedEnv_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv("XDG_RUNTIME_DIR", server_->runtimeDir().toLocal8Bit());
        qputenv("PULSE_SERVER", server_->socket().toLocal8Bit());
        running_ = true;
    }

    static void TearDownTestSuite()
    {
        if (server_) {
            server_->stop();
            delete server_;
            server_ = nullptr;
        }
        for (const auto& e : savedEnv_) {
            if (e.wasSet)
                qputenv(e.name, e.value);
            else
                qunsetenv(e.name);
        }
        savedEnv_.clear();
        running_ = false;
    }

    void SetUp() override
    {
        if (!havePulse())
            GTEST_SKIP() << "pulseaudio is not installed (Debian package pulseaudio): no sound server to record from";
        ASSERT_TRUE(running_) << startError_.toStdString();
        ASSERT_FALSE(QStandardPaths::findExecutable("parec").isEmpty()) << "parec missing (pulseaudio-utils)";
        ASSERT_TRUE(QFile::exists(kPrompt)) << kPrompt.toStdString();
        ASSERT_TRUE(QFile::exists(kEnd)) << kEnd.toStdString();
    }

    // Records at least 0.6 s of silence, then runs `act`, then goes on recording for `afterMs`.
    static Recording record(const std::function<void(Recorder&)>& act, int afterMs)
    {
        Recorder rec(server_->env());
        EXPECT_TRUE(rec.waitForAudio(600)) << "parec recorded nothing from spk.monitor";
        act(rec);
        return rec.finish(afterMs);
    }

    struct SavedEnv { const char* name; bool wasSet; QByteArray value; };
    static inline std::vector<SavedEnv> savedEnv_;
    static inline PulseServer* server_ = nullptr;
    static inline bool running_ = false;
    static inline QString startError_;
};

TEST_F(QtSoundRecorded, PromptSoundPlaysAtItsPitchAndLength)
{
    QtSound sound;
    int playedAt = 0;
    const Recording r = record([&](Recorder& rec) {
        playedAt = rec.samplesSoFar();
        sound.play(kPrompt);
    }, 1800);
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";
    // Nothing before the play: the sound starts after play() was called (latency allowed).
    EXPECT_GE(sp.first * kHop, playedAt - kRate / 10) << describe(r);
    EXPECT_LE(sp.first * kHop, playedAt + kRate) << "the sound started more than a second late";
    // All of it: no part missing at the end, no long gaps (a glitch on a busy machine may
    // stretch it a little).
    EXPECT_GE(sp.ms(), 560) << describe(r);
    EXPECT_LE(sp.ms(), 720) << describe(r);

    const double t0 = sp.first * 10.0;
    EXPECT_NEAR(pitchBetween(r, t0 + 30, t0 + 230), 880, 880 * 0.03) << describe(r);
    EXPECT_NEAR(pitchBetween(r, t0 + 320, t0 + 520), 1320, 1320 * 0.03) << describe(r);
    // The first note is clearly 880 Hz and not one of the end sound's pitches.
    const int w = sp.first + 10;
    EXPECT_GT(toneAt(r, w, 880), 0.1) << describe(r);
    EXPECT_LT(toneAt(r, w, 660), 0.02) << describe(r);
}

TEST_F(QtSoundRecorded, ASecondSoundCutsTheFirstAtOnce)
{
    QtSound sound;
    const Recording r = record([&](Recorder&) {
        sound.play(kPrompt);
        QTest::qWait(150);
        sound.play(kEnd);
    }, 2500);
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";

    // Windows where the prompt sound is heard (880 Hz, or 1320 Hz beyond the end sound's own
    // overtone at that frequency) and where the end sound's first note is heard.
    int lastPrompt = -1, firstEnd = -1;
    for (int i = sp.first; i <= sp.last; ++i) {
        const double a880 = toneAt(r, i, 880), a1320 = toneAt(r, i, 1320), a660 = toneAt(r, i, 660);
        if (a880 > 0.02 || a1320 > std::max(0.02, 0.5 * a660))
            lastPrompt = i;
        if (firstEnd < 0 && a660 > 0.05)
            firstEnd = i;
    }
    ASSERT_GE(lastPrompt, 0) << "the prompt sound was not heard" << describe(r);
    ASSERT_GE(firstEnd, 0) << "the end sound was not heard" << describe(r);
    const double startGap = (firstEnd - sp.first) * 10.0;
    EXPECT_GE(startGap, 60) << describe(r);
    EXPECT_LE(startGap, 450) << describe(r);
    // Cut at once: the prompt is gone within 100 ms of the end sound's start.
    EXPECT_LE((lastPrompt - firstEnd) * 10.0, 100) << describe(r);

    // Then the whole end sound: 660 Hz, then 523 Hz, then 392 Hz, 1.5 s in all.
    const double te = firstEnd * 10.0;
    EXPECT_NEAR(pitchBetween(r, te + 40, te + 440), 660, 660 * 0.03) << describe(r);
    EXPECT_NEAR(pitchBetween(r, te + 560, te + 940), 523.25, 523.25 * 0.03) << describe(r);
    EXPECT_NEAR(pitchBetween(r, te + 1060, te + 1400), 392, 392 * 0.03) << describe(r);
    EXPECT_GE((sp.last - firstEnd) * 10.0 + 20, 1440) << describe(r);
    EXPECT_LE((sp.last - firstEnd) * 10.0 + 20, 1700) << describe(r);
}

TEST_F(QtSoundRecorded, TheSoundModuleLoadsOnTheFirstNeedAndPlays)
{
    LoadedSound sound(QStringLiteral(HORALTO_SOUND_MODULE));
    EXPECT_FALSE(sound.loaded()) << "loaded before it was needed";
    sound.prepare();
    ASSERT_TRUE(sound.loaded());
    const Recording r = record([&](Recorder&) { sound.play(kPrompt); }, 1500);
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";
    EXPECT_NEAR(pitchBetween(r, sp.first * 10.0 + 30, sp.first * 10.0 + 230), 880, 880 * 0.03) << describe(r);
}

TEST(LoadedSound, AMissingModuleLeavesTheProgramSilentAndRunning)
{
    LoadedSound sound(QStringLiteral("/nonexistent/horalto-sound.so"));
    sound.prepare();
    sound.play(QStringLiteral("/nonexistent/prompt.wav"));
    EXPECT_FALSE(sound.loaded());
}

// The built-in default sound: 600 Hz for about a quarter of a second.
void ExpectDefaultSound(const Recording& r)
{
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";
    const double t0 = sp.first * 10.0;
    EXPECT_NEAR(pitchBetween(r, t0 + 20, t0 + 180), 600, 600 * 0.02) << describe(r);
    EXPECT_GE(sp.ms(), 210) << describe(r);
    EXPECT_LE(sp.ms(), 350) << describe(r);
}

TEST_F(QtSoundRecorded, MissingFilePlaysTheDefaultSound)
{
    QtSound sound;
    const Recording r = record([&](Recorder&) { sound.play("/nonexistent/horalto/nothing.wav"); }, 1200);
    ExpectDefaultSound(r);
}

TEST_F(QtSoundRecorded, UnsupportedWavPlaysTheDefaultSoundNotItsOwnTone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + "/tone24.wav";
    ASSERT_TRUE(writeFile(path, toneWav(1000, 0.8, 24)));
    QtSound sound;
    const Recording r = record([&](Recorder&) { sound.play(path); }, 1200);
    ExpectDefaultSound(r);
}

TEST_F(QtSoundRecorded, SameSoundAgainRestartsIt)
{
    QtSound sound;
    const Recording r = record([&](Recorder&) {
        sound.play(kEnd);
        QTest::qWait(400);
        sound.play(kEnd);
    }, 2600);
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";
    // Restarted, not mixed and not ignored: 660 Hz comes back after the first 400 ms, and the
    // whole thing lasts about 0.4 s + 1.5 s.
    EXPECT_GE(sp.ms(), 1800) << describe(r);
    EXPECT_LE(sp.ms(), 2150) << describe(r);
    EXPECT_NEAR(pitchBetween(r, sp.last * 10.0 - 1340, sp.last * 10.0 - 1000), 660, 660 * 0.03) << describe(r);
}

// A short sound of the user's own, without silence at its end: heard to its last sample.
TEST_F(QtSoundRecorded, AUsersShortToneIsHeardForItsWholeLength)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + "/chime.wav";
    ASSERT_TRUE(writeFile(path, toneWav(1000, 0.3)));
    QtSound sound;
    const Recording r = record([&](Recorder&) { sound.play(path); }, 1200);
    const Span sp = soundSpan(r);
    ASSERT_GE(sp.first, 0) << "nothing was heard";
    EXPECT_GE(sp.ms(), 290) << describe(r);
    EXPECT_LE(sp.ms(), 360) << describe(r);
    EXPECT_NEAR(pitchBetween(r, sp.first * 10.0 + 20, sp.last * 10.0), 1000, 1000 * 0.02) << describe(r);
}

// A named pipe is no sound file: the default sound, at once (opening it must not wait for a writer).
TEST_F(QtSoundRecorded, ANamedPipePlaysTheDefaultSound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.path() + "/pipe.wav";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(QtSound::isPlayableWav(fifo));
    QtSound sound;
    const Recording r = record([&](Recorder&) { sound.play(fifo); }, 1200);
    ExpectDefaultSound(r);
}

// ---------------------------------------------------------------------------------------------
// The header check alone; no sound server needed.

TEST(QtSoundHeader, AcceptsThePcmFilesOfTheProgram)
{
    EXPECT_TRUE(QtSound::isPlayableWav(kPrompt));
    EXPECT_TRUE(QtSound::isPlayableWav(kEnd));
    EXPECT_TRUE(QtSound::isPlayableWav(kDefault));
}

TEST(QtSoundHeader, AcceptsEightAndSixteenBitsMonoAndStereo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct { quint16 ch, bits; quint32 rate; } ok[] = {
        {1, 8, 8000}, {2, 8, 22050}, {1, 16, 44100}, {2, 16, 48000}, {1, 16, 1000}, {2, 16, 192000}};
    for (auto c : ok) {
        const QString p = dir.path() + QString("/ok_%1_%2_%3.wav").arg(c.ch).arg(c.bits).arg(c.rate);
        ASSERT_TRUE(writeFile(p, wavBytes(1, c.ch, c.rate, c.bits, 100)));
        EXPECT_TRUE(QtSound::isPlayableWav(p)) << p.toStdString();
    }
    // More after the data chunk (a trailing LIST chunk, say) does no harm.
    const QString tail = dir.path() + "/tail.wav";
    ASSERT_TRUE(writeFile(tail, wavBytes(1, 1, 44100, 16, 100) + QByteArray("LIST\4\0\0\0INFO", 12)));
    EXPECT_TRUE(QtSound::isPlayableWav(tail));
}

TEST(QtSoundHeader, PaddedSamplesKeepTheFilesAndAddSilenceOfTheirKind)
{
    QTemporaryDir dir;
    const struct { quint16 ch, bits; quint32 rate; char silence; } kinds[] = {
        {1, 8, 8000, char(0x80)}, {2, 16, 44100, 0}, {1, 16, 22050, 0}};
    for (auto k : kinds) {
        const QByteArray samples(k.ch * k.bits / 8 * 4, '\x11');
        QByteArray file = wavBytes(1, k.ch, k.rate, k.bits, 4);
        file.replace(file.size() - samples.size(), samples.size(), samples);
        ASSERT_TRUE(writeFile(dir.path() + "/s.wav", file));
        const std::optional<QtSound::Pcm> back = QtSound::readPadded(dir.path() + "/s.wav", 250);
        ASSERT_TRUE(back.has_value()) << k.bits;
        EXPECT_EQ(back->channels, k.ch);
        EXPECT_EQ(back->rate, k.rate);
        EXPECT_EQ(back->bits, k.bits);
        const QByteArray silence(qsizetype(k.rate / 4) * k.ch * k.bits / 8, k.silence);
        EXPECT_EQ(back->samples, samples + silence) << k.bits;
    }
}

TEST(QtSoundHeader, RejectsWhatCannotBePlayed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = dir.path() + "/";
    const std::pair<const char*, QByteArray> bad[] = {
        {"empty.wav", QByteArray()},
        {"text.wav", QByteArray("this is not a sound file at all, just some words\n")},
        {"24bit.wav", toneWav(440, 0.05, 24)},
        {"float.wav", wavBytes(3, 1, 44100, 32, 100)},
        {"adpcm.wav", wavBytes(2, 1, 44100, 4, 100)},
        {"nodata.wav", wavBytes(1, 1, 44100, 16, 100, false)},
        {"rifx.wav", wavBytes(1, 1, 44100, 16, 100, true, "RIFX")},
        {"header_only.wav", wavBytes(1, 1, 44100, 16, 100).left(20)},
        {"rate1.wav", wavBytes(1, 1, 1, 16, 100)},
        {"rate500k.wav", wavBytes(1, 1, 500000, 16, 100)},
        {"three_channels.wav", wavBytes(1, 3, 44100, 16, 100)},
        {"misaligned.wav", patched(wavBytes(1, 2, 44100, 16, 100), "fmt ", 8 + 12, 1, 2)},
        {"short_data.wav", wavBytes(1, 1, 44100, 16, 100).chopped(50)},
        {"odd_data.wav", patched(wavBytes(1, 1, 44100, 16, 100), "data", 4, 199, 4)},
        {"empty_data.wav", wavBytes(1, 1, 44100, 16, 0)},
    };
    for (const auto& [name, bytes] : bad) {
        ASSERT_TRUE(writeFile(d + name, bytes));
        EXPECT_FALSE(QtSound::isPlayableWav(d + name)) << name;
    }
    EXPECT_FALSE(QtSound::isPlayableWav(QString()));
    EXPECT_FALSE(QtSound::isPlayableWav(d + "missing.wav"));
    EXPECT_FALSE(QtSound::isPlayableWav(dir.path())); // a directory
}

} // namespace
