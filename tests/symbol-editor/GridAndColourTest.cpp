#include "EditorFixtures.h"

#include <ColourRules.h>
#include <GridGeometry.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GridGeometry, CellSizeFitsThePictureIntoTheGrid) {
    struct Case {
        int w, h, cell;
    };
    for (const Case& c : {Case{5, 5, 72}, Case{120, 120, 3}, Case{40, 16, 9}, Case{10, 100, 3},
                          Case{2, 2, 72}, Case{28, 28, 12}}) {
        EXPECT_EQ(SetGrdMax(c.w, c.h), c.cell) << c.w << "x" << c.h;
    }
}

TEST(GridGeometry, StatusShowsRowThenColumn) {
    const int cell = 12;
    const QPoint pixel = GridPixel({7 * cell + 5, 12 * cell + 11}, cell);
    EXPECT_EQ(GridCellText(pixel), "[012-007]");
}

TEST(GridGeometry, OverlayDrawsALineAtEveryCellBoundary) {
    const QImage overlay = SetCellGrid({3, 2}, 4, true);
    ASSERT_EQ(overlay.size(), QSize(12, 8));
    EXPECT_EQ(overlay.pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(overlay.pixel(4, 3), qRgb(0, 0, 0));
    EXPECT_EQ(overlay.pixel(5, 4), qRgb(0, 0, 0));
    EXPECT_EQ(overlay.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(overlay.pixel(11, 7), qRgb(255, 255, 255)); // no line after the last cell
    const QImage off = SetCellGrid({3, 2}, 4, false);
    EXPECT_EQ(off.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(GridGeometry, BlastGridStretchesAndDarkensGridLines) {
    QImage picture = Plain(2, 2, qRgb(200, 100, 50));
    const QImage grid = BlastGrid(picture, 3, SetCellGrid({2, 2}, 3, true), true);
    ASSERT_EQ(grid.size(), QSize(6, 6));
    EXPECT_EQ(grid.pixel(4, 4), qRgb(200, 100, 50));
    EXPECT_EQ(grid.pixel(3, 4), qRgb(0, 0, 0));
}

TEST(GridGeometry, HexShapeKeepsOutsidePixelsBlack) {
    QImage shape = Plain(5, 5, qRgb(255, 255, 255));
    shape.setPixel(0, 0, qRgb(0, 0, 0));
    QImage picture = Plain(5, 5, qRgb(90, 90, 90));
    ClipToHexShape(picture, shape);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(2, 2), qRgb(90, 90, 90));
}

TEST(ColourRules, PaletteIndexIsTheSmallestCellWithTheColour) {
    QImage palette = Plain(16, 16, qRgb(1, 2, 3));
    palette.setPixel(2, 1, qRgb(9, 9, 9)); // index 33
    palette.setPixel(1, 5, qRgb(9, 9, 9)); // index 21
    EXPECT_EQ(PaletteIndexOf(palette, qRgb(9, 9, 9)), 21);
    EXPECT_EQ(ColourIndexText(PaletteIndexOf(palette, qRgb(9, 9, 9))), "021");
    EXPECT_EQ(ColourIndexText(PaletteIndexOf(palette, qRgb(7, 7, 7))), "---");
    EXPECT_EQ(PaletteIndexOf(palette, qRgb(1, 2, 3)), 0);
}

TEST(ColourRules, PreferencesFileKeepsTheTransparentColour) {
    QTemporaryDir dir;
    EXPECT_EQ(ReadTransparentColour(dir.path()), qRgb(192, 192, 192));
    QFile written(dir.filePath("fmsymbol.prf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), "12632256");
    written.close();

    ASSERT_TRUE(WriteTransparentColour(dir.path(), qRgb(255, 0, 128)));
    EXPECT_EQ(ReadTransparentColour(dir.path()), qRgb(255, 0, 128));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), QByteArray::number(255 + (128 << 16)));
}
