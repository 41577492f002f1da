// Stamps must draw exactly what the raster operations draw, whatever the pictures hold:
// masks with grey, pictures with colour where their mask is white, cells reaching past
// their bitmaps, and destinations cut by the picture's edges and by a clip.

#include "SymbolStamps.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QImage Noise(QSize size, quint32 seed, bool blackAndWhite) {
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const quint32 r = random.generate();
            QRgb p = qRgb(int(r & 0xff), int((r >> 8) & 0xff), int((r >> 16) & 0xff));
            if (blackAndWhite || r >> 30 == 0)
                p = (r >> 24) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            image.setPixel(x, y, p);
        }
    return image;
}

} // namespace

TEST(SymbolStamps, DrawWhatTheRasterOperationsDraw) {
    const QImage picture = Noise({40, 30}, 1, false);
    const QImage binaryMask = Noise({40, 30}, 2, true);
    const QImage greyMask = Noise({40, 30}, 3, false);
    const QImage ground = Noise({50, 40}, 4, false);
    struct Case {
        const QImage* mask;
        QRect source, maskSource;
    };
    const Case cases[] = {
        {nullptr, {3, 4, 15, 15}, {}},                     // copied opaque
        {&binaryMask, {3, 4, 15, 15}, {20, 10, 15, 15}},   // the usual symbol
        {&greyMask, {0, 0, 12, 9}, {5, 5, 15, 12}},        // mask larger than the picture
        {&binaryMask, {30, 20, 15, 15}, {-4, 25, 15, 15}}, // both cells past their bitmaps
    };
    const QPoint places[] = {{0, 0}, {10, 7}, {-6, -3}, {42, 35}};
    const QRect clips[] = {ground.rect(), {8, 5, 9, 30}, {0, 20, 50, 3}};
    for (const Case& c : cases) {
        const Stamp stamp = MakeStamp(picture, c.source, c.mask, c.maskSource);
        for (const QPoint at : places)
            for (const QRect& clip : clips) {
                QImage expected = ground.copy(), drawn = ground.copy();
                DrawThroughMask(expected, at, picture, c.source, c.mask, c.maskSource, clip);
                DrawStamp(Canvas(drawn, clip), at, stamp);
                ASSERT_TRUE(drawn == expected)
                    << "at " << at.x() << "," << at.y() << " clip " << clip.x() << "," << clip.y();
            }
    }
}

TEST(SymbolStamps, RowsKeepOnlyThePixelsTheSymbolChanges) {
    // A 6 × 3 picture: row 0 untouched, row 1 covered in its middle, row 2 combined.
    QImage picture(6, 3, QImage::Format_RGB32), mask(6, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    mask.fill(Qt::white);
    for (int x = 2; x < 5; ++x) {
        mask.setPixel(x, 1, qRgb(0, 0, 0));
        picture.setPixel(x, 1, qRgb(200, 10, 10));
    }
    picture.setPixel(1, 2, qRgb(0, 0, 90)); // colour where the mask is white: OR-ed
    const Stamp stamp = MakeStamp(picture, picture.rect(), &mask, mask.rect());
    ASSERT_EQ(stamp.rows.size(), 3u);
    EXPECT_EQ(stamp.rows[0].from, stamp.rows[0].to);
    EXPECT_EQ(stamp.rows[1].from, 2);
    EXPECT_EQ(stamp.rows[1].to, 5);
    EXPECT_TRUE(stamp.rows[1].set);
    EXPECT_EQ(stamp.rows[2].from, 1);
    EXPECT_EQ(stamp.rows[2].to, 2);
    EXPECT_FALSE(stamp.rows[2].set);
}
