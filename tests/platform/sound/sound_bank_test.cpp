// Sounds decoded off the GUI thread: a slow decode never holds up the tick, the sound asked for
// meanwhile comes once it is ready, and a file is decoded again only when it changed.
#include "platform/sound/SoundBank.h"

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
    const QString path = dir.path() + "/a.wav";
    QFile(path).open(QIODevice::WriteOnly);
    QSemaphore decodeMayEnd;
    std::atomic<int> decodes = 0;
    // The decoder takes as long as the test wants (10 s at most); the samples are the file.
    SoundBank bank([&](const QString& p) -> std::optional<DecodedSound> {
        ++decodes;
        decodeMayEnd.tryAcquire(1, 10000);
        QFile f(p);
        return DecodedSound{1, 8000, 8, f.open(QIODevice::ReadOnly) ? f.readAll() : "?"};
    });
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);
    std::vector<SoundBank::Sound> got;
    auto fetch = [&] { bank.fetch(path, [&](SoundBank::Sound s) { got.push_back(s); }); };

    bank.keep({path});
    fetch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, 5000)) << "the tick stood still while decoding";
    EXPECT_TRUE(got.empty());
    decodeMayEnd.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 1; }, 5000));
    fetch(); // unchanged: at once, the same samples
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1], got[0]);
    EXPECT_EQ(decodes, 1);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("yz") == 2 && f.flush());
    decodeMayEnd.release();
    fetch(); // changed: decoded anew
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.size() == 3; }, 5000));
    EXPECT_EQ(got[2]->samples, "yz");
    EXPECT_EQ(decodes, 2);
}
