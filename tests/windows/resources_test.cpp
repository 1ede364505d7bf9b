// The pictures compiled into the program have the sizes and depths the windows are laid out for.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

TEST(Resources, PicturesHaveTheirDesignedSizesAndDepths)
{
    struct Picture { const char* name; int width, height; int depth; };
    const Picture pictures[] = {
        {"main_background.png", 441, 248, 0},
        {"title_min_normal.png", 27, 15, 0}, {"title_min_hover.png", 27, 15, 0}, {"title_min_pressed.png", 27, 15, 0},
        {"title_full_normal.png", 26, 15, 0}, {"title_full_hover.png", 26, 15, 0}, {"title_full_pressed.png", 26, 15, 0},
        {"title_close_normal.png", 42, 15, 0}, {"title_close_hover.png", 42, 15, 0}, {"title_close_pressed.png", 42, 15, 0},
        {"toolbar_small_bg.bmp", 380, 25, 24}, {"toolbar_large_bg.bmp", 760, 50, 24},
        {"toolbar_small_start.bmp", 63, 24, 8}, {"toolbar_small_stop.bmp", 66, 24, 8},
        {"toolbar_small_setup.bmp", 69, 24, 8}, {"toolbar_small_fullscreen.bmp", 57, 25, 8},
        {"toolbar_small_backtomain.bmp", 57, 25, 8},
        {"toolbar_large_start.bmp", 126, 48, 8}, {"toolbar_large_stop.bmp", 132, 48, 8},
        {"toolbar_large_setup.bmp", 138, 48, 8}, {"toolbar_large_fullscreen.bmp", 114, 50, 8},
        {"toolbar_large_backtomain.bmp", 114, 50, 8},
        {"cursor_hand.png", 32, 32, 0},
    };
    for (const Picture& p : pictures) {
        const QString path = QStringLiteral(":/images/") + p.name;
        const QImage img(path);
        ASSERT_FALSE(img.isNull()) << p.name;
        EXPECT_EQ(img.size(), QSize(p.width, p.height)) << p.name;
        if (p.depth == 8)
            EXPECT_EQ(img.format(), QImage::Format_Indexed8) << p.name;
        if (p.depth == 24) {
            // A 24-bit bitmap: bits per pixel in the BMP header, at offset 28.
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray head = f.read(30);
            EXPECT_EQ(quint8(head[28]) | quint8(head[29]) << 8, 24) << p.name;
        }
    }
    // The pointer's hot spot is its fingertip: the top row is drawn at x = 6.
    const QImage cursor(":/images/cursor_hand.png");
    EXPECT_GT(qAlpha(cursor.pixel(6, 0)), 0);
}

TEST(Resources, BuiltInDefaultSoundIsAPcmWave)
{
    QFile f(":/sounds/default.wav");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(12);
    EXPECT_EQ(head.left(4), "RIFF");
    EXPECT_EQ(head.mid(8, 4), "WAVE");
}
