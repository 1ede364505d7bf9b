// The program's own QR encoder (the Windows build has no libqrencode), read back by zbarimg.
#include "remote/server/QrMatrix.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(QrMatrix, ZbarReadsBackEveryAddressLength)
{
    const QByteArray key(43, 'k');
    const QByteArray cases[] = {
        "http://10.0.0.2:8080/",                                    // version 2
        "http://192.168.100.200:18080/control?key=" + key,          // version 5
        "http://[2001:db8::1234:5678:9abc:def0]:8080/speaker?key=" + key + key, // version 8: version bits
        QByteArray(213, 'a'),                                       // version 10, the largest
    };
    QTemporaryDir dir;
    for (const QByteArray& text : cases) {
        const std::vector<std::vector<bool>> rows = QrMatrix(text);
        ASSERT_FALSE(rows.empty()) << text.constData();
        const int n = int(rows.size());
        QImage image((n + 8) * 4, (n + 8) * 4, QImage::Format_Grayscale8);
        image.fill(255);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int my = y / 4 - 4, mx = x / 4 - 4;
                if (my >= 0 && my < n && mx >= 0 && mx < n && rows[std::size_t(my)][std::size_t(mx)])
                    image.setPixel(x, y, 0);
            }
        const QString file = dir.filePath("code.png");
        ASSERT_TRUE(image.save(file));
        QProcess zbar;
        zbar.start("zbarimg", {"-q", "--raw", file});
        ASSERT_TRUE(zbar.waitForFinished(10000)) << "zbarimg (zbar-tools) is needed";
        EXPECT_EQ(zbar.readAllStandardOutput().trimmed(), text);
    }
    EXPECT_TRUE(QrMatrix(QByteArray(214, 'a')).empty()); // beyond version 10
}
