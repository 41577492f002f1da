#include "HexGeometry.h"

#include <gtest/gtest.h>

namespace {

Segment Seg(int x1, int y1, int x2, int y2) {
    return {{x1, y1}, {x2, y2}};
}

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

int CountColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(HexOutline, FixedOutlinesOfTheSmallSizes) {
    const std::vector<Segment> five{Seg(1, 0, 3, 0), Seg(1, 4, 3, 4), Seg(0, 1, 0, 3),
                                    Seg(4, 1, 4, 3)};
    EXPECT_EQ(HexOutline(5, 1), five);
    EXPECT_EQ(HexOutline(5, 2), five);
    const auto vertical = HexOutline(10, 1);
    ASSERT_EQ(vertical.size(), 12u);
    EXPECT_EQ(vertical[0], Seg(2, 0, 7, 0));
    EXPECT_EQ(vertical[11], Seg(7, 8, 7, 9));
    const auto horiz = HexOutline(10, 2);
    ASSERT_EQ(horiz.size(), 12u);
    EXPECT_EQ(horiz[0], Seg(0, 2, 0, 7));
    EXPECT_EQ(horiz[11], Seg(8, 7, 9, 7));
}

TEST(HexOutline, GeneralSizesFromTheFifthOfTheSide) {
    // s = 15: v = 3, w = 11, u = 14, a = 7.
    EXPECT_EQ(HexOutline(15, 1),
              (std::vector<Segment>{Seg(3, 0, 11, 0), Seg(3, 14, 11, 14), Seg(11, 0, 14, 7),
                                    Seg(11, 14, 14, 7), Seg(3, 0, 0, 7), Seg(3, 14, 0, 7)}));
    EXPECT_EQ(HexOutline(15, 2),
              (std::vector<Segment>{Seg(0, 3, 0, 11), Seg(14, 3, 14, 11), Seg(7, 0, 14, 3),
                                    Seg(7, 0, 0, 3), Seg(7, 14, 14, 11), Seg(7, 14, 0, 11)}));
}

TEST(DrawLine, SetsBothEndPointsAndOnePixelPerStep) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(kWhite);
    DrawLine(image, {14, 7}, {11, 0}, kBlack);
    EXPECT_EQ(image.pixel(14, 7), kBlack);
    EXPECT_EQ(image.pixel(11, 0), kBlack);
    EXPECT_EQ(CountColour(image, kBlack), 8); // the longer axis has 8 pixels
    for (int y = 0; y <= 7; ++y) {
        int inRow = 0;
        for (int x = 0; x < 20; ++x)
            inRow += image.pixel(x, y) == kBlack;
        EXPECT_EQ(inRow, 1) << "row " << y;
    }
    DrawLine(image, {-5, -5}, {3, 3}, kBlack); // off-image pixels are skipped
    EXPECT_EQ(image.pixel(0, 0), kBlack);
}

TEST(HexMask, BlackHexagonOnWhiteWithoutLeaks) {
    for (int orientation : {1, 2}) {
        for (int s : {5, 10, 15, 30, 45, 120}) {
            const QImage mask = HexMask(s, orientation);
            ASSERT_EQ(mask.size(), QSize(s, s));
            EXPECT_EQ(mask.pixel(s / 2, s / 2), kBlack) << s;
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(s - 1, 0), QPoint(0, s - 1), QPoint(s - 1, s - 1)})
                EXPECT_EQ(mask.pixel(corner), kWhite) << s << " " << orientation;
            const double inside = double(CountColour(mask, kBlack)) / (s * s);
            EXPECT_GT(inside, 0.6) << s;
            EXPECT_LT(inside, 0.95) << s;
        }
    }
    const QImage vertical = HexMask(15, 1);
    for (int x = 0; x < 15; ++x)
        EXPECT_EQ(vertical.pixel(x, 0), (x >= 3 && x <= 11) ? kBlack : kWhite) << x;
    EXPECT_EQ(vertical.pixel(0, 7), kBlack);
    EXPECT_EQ(vertical.pixel(14, 7), kBlack);
}

TEST(MaskFromPicture, OnlyPureBlackIsTransparent) {
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(16, 16, 16));
    picture.setPixel(2, 0, qRgb(0, 0, 1));
    const QImage mask = MaskFromPicture(picture);
    EXPECT_EQ(mask.pixel(0, 0), kWhite);
    EXPECT_EQ(mask.pixel(1, 0), kBlack);
    EXPECT_EQ(mask.pixel(2, 0), kBlack);
}

TEST(HatchCell, CrossesTheCellAndLeavesTheRest) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(kWhite);
    const QRect cell(10, 10, 20, 20);
    HatchCell(image, cell);
    const int black = CountColour(image.copy(cell), kBlack);
    EXPECT_GT(black, 20);
    EXPECT_LT(black, 400); // pixels between the lines stay
    EXPECT_EQ(CountColour(image, kBlack), black);
}
