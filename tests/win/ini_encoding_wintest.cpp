// config.ini's encoding without ICU: strict UTF-8, else GB18030 from the system's code pages.
#include "config/IniEncoding.h"

#include <gtest/gtest.h>

TEST(WinIniEncoding, DecidesAndConvertsWithoutIcu)
{
    const QByteArray gbk("\xCC\xE1\xCA\xBE\xD2\xF4.wav"); // 提示音.wav
    const QByteArray utf8 = QStringLiteral("提示音.wav").toUtf8();
    const struct {
        QByteArray bytes;
        bool utf8;
        QString text;
    } cases[] = {
        {"k=" + gbk, false, QStringLiteral("k=提示音.wav")},
        {"k=" + utf8, true, QStringLiteral("k=提示音.wav")},
        {"\xEF\xBB\xBF" "k=v", true, QString()}, // the mark decides (text not compared)
        {"k=v", false, QStringLiteral("k=v")},
        {"k=\xE6\x8F\x90\xE7", false, QString()}, // UTF-8 broken off: not UTF-8 (text not compared)
        {"k=\xD1\xA7\xD0\xA3", false, QStringLiteral("k=学校")}, // GBK that is valid UTF-8 too
    };
    for (const auto& c : cases) {
        const IniEncoding enc = IniEncoding::of(c.bytes);
        EXPECT_EQ(enc.isUtf8(), c.utf8) << c.bytes.toHex().constData();
        if (!c.text.isNull()) {
            EXPECT_EQ(enc.decode(c.bytes), c.text) << c.bytes.toHex().constData();
            EXPECT_EQ(enc.encode(c.text), c.bytes) << c.bytes.toHex().constData();
        }
    }
}
