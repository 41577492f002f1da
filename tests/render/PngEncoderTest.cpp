// The band-parallel PNG encoder: whatever the bands, threads, level and filter, the file
// is one valid PNG that reads back as the picture, pixel for pixel.
#include "PictureFile.h"
#include "PngEncoder.h"

#include <QImage>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Noise over flat areas and repeats: every filter and the window across bands matter.
QImage Picture(int width, int height, QImage::Format format, quint32 seed) {
    QImage picture(width, height, format);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb noise = random.generate();
            const QRgb flat = qRgba(40, 90, 40, 255);
            const QRgb pattern = qRgba(x * 7, y * 3, (x ^ y) & 0xff, 128 + (x & 127));
            const QRgb chosen = (x / 8 + y / 8) % 3 == 0 ? noise : (x % 5 ? flat : pattern);
            picture.setPixel(x, y, format == QImage::Format_RGB32 ? (chosen | 0xff000000u)
                                                                   : chosen);
        }
    return picture;
}

QImage Decoded(const QByteArray& png) {
    QImage back;
    EXPECT_TRUE(back.loadFromData(png, "png"));
    return back;
}

TEST(PngEncoder, EveryWayOfSplittingGivesThePictureBack) {
    const QImage opaque = Picture(97, 61, QImage::Format_RGB32, 1);
    const QImage translucent = Picture(53, 40, QImage::Format_ARGB32, 2);
    const struct {
        int level, threads, bandRows;
        PngFilter filter;
    } ways[] = {
        {1, 1, 0, PngFilter::Up},   {2, 2, 0, PngFilter::Up},  {9, 3, 0, PngFilter::Up},
        {2, 2, 1, PngFilter::Sub},  {3, 4, 7, PngFilter::None}, {1, 2, 1000, PngFilter::Up},
        {6, 8, 2, PngFilter::Up},
    };
    for (const auto& w : ways) {
        const PngSettings settings{w.level, w.filter, w.threads, w.bandRows};
        for (const QImage& picture : {opaque, translucent}) {
            const QByteArray png = EncodePng(picture, settings);
            ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
            const QImage back = Decoded(png);
            const QImage::Format format = picture.format();
            EXPECT_EQ(back.hasAlphaChannel(), picture.hasAlphaChannel());
            EXPECT_TRUE(back.convertToFormat(format) == picture)
                << "level " << w.level << " threads " << w.threads << " bands of "
                << w.bandRows << " filter " << int(w.filter);
        }
    }
}

TEST(PngEncoder, TakesTheSmallestPicturesAndRefusesNone) {
    for (const QSize size : {QSize(1, 1), QSize(1, 9), QSize(9, 1)}) {
        const QImage picture = Picture(size.width(), size.height(), QImage::Format_RGB32, 3);
        EXPECT_TRUE(Decoded(EncodePng(picture, {1, PngFilter::Up, 4, 1})) ==
                    picture.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(EncodePng(QImage()).isEmpty());
}

TEST(PictureFile, WritesEachFormatThatReadsBackAsThePicture) {
    const QImage picture = Picture(64, 48, QImage::Format_RGB32, 4);
    EXPECT_TRUE(Decoded(EncodePicture(picture, PictureFormat::Png)) == picture);
    QImage bmp;
    ASSERT_TRUE(bmp.loadFromData(EncodePicture(picture, PictureFormat::Bmp), "bmp"));
    EXPECT_TRUE(bmp.convertToFormat(QImage::Format_RGB32) == picture);
    // JPEG loses detail by design: a flat picture keeps its size and, nearly, its colour.
    QImage flat(64, 48, QImage::Format_RGB32);
    flat.fill(qRgb(40, 90, 200));
    QImage jpeg;
    ASSERT_TRUE(jpeg.loadFromData(EncodePicture(flat, PictureFormat::Jpeg), "jpeg"));
    ASSERT_EQ(jpeg.size(), flat.size());
    EXPECT_NEAR(qRed(jpeg.pixel(30, 20)), 40, 4);
    EXPECT_NEAR(qBlue(jpeg.pixel(30, 20)), 200, 4);
}

} // namespace
