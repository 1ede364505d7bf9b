// Sounds decoded off the GUI thread: a slow decode never holds up the tick, the sound asked for
// meanwhile comes once it is ready, and a file is decoded again only when it changed.
#include "platform/SoundBank.h"

#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>

TEST(SoundBank, ASlowDecodeNeverHoldsUpTheTickAndEachFileIsDecodedOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + "/a.wav";
    auto put = [&](const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
    };
    put("x");
    QSemaphore decodeMayEnd;
    std::atomic<int> decodes = 0;
    // The decoder takes as long as the test wants: until it is let go (10 s at most).
    SoundBank bank([&](const QString& p) -> std::optional<DecodedSound> {
        ++decodes;
        decodeMayEnd.tryAcquire(1, 10000);
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return DecodedSound{1, 8000, 8, f.readAll()};
    });
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);

    std::vector<SoundBank::Sound> got;
    auto fetch = [&](const QString& p) { bank.fetch(p, [&](SoundBank::Sound s) { got.push_back(s); }); };
    bank.keep({path});
    fetch(path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, 5000)) << "the tick stood still while decoding";
    EXPECT_TRUE(got.empty());
    decodeMayEnd.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 1; }, 5000));
    ASSERT_TRUE(got[0]);
    EXPECT_EQ(got[0]->samples, "x");

    // Again, unchanged: at once, without decoding.
    fetch(path);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1], got[0]);
    EXPECT_EQ(decodes, 1);

    // Changed: decoded anew. Missing: no sound, the caller plays its default.
    put("yz");
    decodeMayEnd.release();
    fetch(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 3; }, 5000));
    EXPECT_EQ(got[2]->samples, "yz");
    decodeMayEnd.release();
    fetch(dir.path() + "/missing.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 4; }, 5000));
    EXPECT_FALSE(got[3]);
    EXPECT_EQ(decodes, 3);
}
