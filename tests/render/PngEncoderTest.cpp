// The band-parallel PNG encoder: whatever the bands, threads, level and filter, the file
// is one valid PNG that reads back as the picture, pixel for pixel.
#include "PngEncoder.h"
#include "PictureFile.h"
#include "StockScenes.h"

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
            picture.setPixel(x, y,
                             format == QImage::Format_RGB32 ? (chosen | 0xff000000u) : chosen);
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
        {1, 1, 0, PngFilter::Up},  {2, 2, 0, PngFilter::None}, {9, 3, 0, PngFilter::Up},
        {2, 2, 1, PngFilter::Sub}, {3, 4, 7, PngFilter::None}, {1, 2, 1000, PngFilter::Up},
        {6, 8, 2, PngFilter::Sub},
    };
    for (const auto& w : ways) {
        const PngSettings settings{
            .level = w.level, .filter = w.filter, .threads = w.threads, .bandRows = w.bandRows};
        for (const QImage& picture : {opaque, translucent}) {
            const QByteArray png = EncodePng(picture, settings);
            ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
            const QImage back = Decoded(png);
            const QImage::Format format = picture.format();
            EXPECT_EQ(back.hasAlphaChannel(), picture.hasAlphaChannel());
            EXPECT_TRUE(back.convertToFormat(format) == picture)
                << "level " << w.level << " threads " << w.threads << " bands of " << w.bandRows
                << " filter " << int(w.filter);
        }
    }
}

TEST(PngEncoder, TakesTheSmallestPicturesAndRefusesNone) {
    for (const QSize size : {QSize(1, 1), QSize(1, 9), QSize(9, 1)}) {
        const QImage picture = Picture(size.width(), size.height(), QImage::Format_RGB32, 3);
        EXPECT_TRUE(
            Decoded(EncodePng(picture, {.filter = PngFilter::Up, .threads = 4, .bandRows = 1})) ==
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

// fmrender's PNG: the map drawn band by band on several threads while it is encoded is the
// map the renderer draws in one go, pixel for pixel.
TEST(PictureFile, ThePngDrawnInBandsIsTheWholeMapPicture) {
    static LoadedSymbolSet set;
    ASSERT_TRUE(set.loaded() || LoadStockSet(set));
    Battle battle;
    MakeStockBattle(battle, 40, 30, SceneDensity::EveryLayer);
    for (const int zoom : {0, 2}) {
        MapPictureOptions options;
        options.zoom = zoom;
        options.tilePixels = 40; // many bands of a few rows each
        options.tableColour = QColor(40, 90, 40);
        const QImage whole = RenderMapPicture(battle, set, options).picture;
        ASSERT_FALSE(whole.isNull());
        ASSERT_GT(whole.height(), 3 * MapPictureBandRows(battle, set, options));
        for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Bmp}) {
            QString error;
            const QByteArray file = DrawPictureFile(battle, set, options, format, error);
            ASSERT_FALSE(file.isEmpty()) << qPrintable(error);
            QImage back;
            ASSERT_TRUE(back.loadFromData(file));
            EXPECT_TRUE(back.convertToFormat(QImage::Format_RGB32) == whole) << "zoom " << zoom;
        }
    }
    QString error;
    EXPECT_TRUE(DrawPictureFile(Battle{}, set, {}, PictureFormat::Png, error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
