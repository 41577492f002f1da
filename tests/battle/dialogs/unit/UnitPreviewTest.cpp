// The unit preview: symbols drawn through their masks, centred on a black map cell.

#include "UnitPreview.h"
#include "UnitEditorBench.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCell = UnitEditorBench::kCell;

TEST(UnitPreview, AMaskedSymbolLetsTheBackgroundThroughWhereTheMaskIsWhite) {
    UnitEditorBench bench;
    QImage target(kCell + 4, kCell + 4, QImage::Format_RGB32);
    target.fill(qRgb(255, 0, 0));
    DrawUnitSymbol(target, QPoint(2, 2), bench.symbols, 1, 3);
    EXPECT_EQ(target.pixel(2, 2), UnitEditorBench::UnitColour(1));
    EXPECT_EQ(target.pixel(2 + kCell / 2 - 1, 10), UnitEditorBench::UnitColour(1));
    EXPECT_EQ(target.pixel(2 + kCell / 2, 10), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(2 + kCell - 1, 2 + kCell - 1), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0)); // outside the cell
}

TEST(UnitPreview, ASymbolWithoutMaskIsCopiedOpaque) {
    UnitEditorBench bench;
    QImage target(kCell, kCell, QImage::Format_RGB32);
    target.fill(qRgb(255, 0, 0));
    DrawUnitSymbol(target, QPoint(0, 0), bench.symbols, 2, 3);
    for (QPoint p : {QPoint(0, 0), QPoint(kCell - 1, kCell - 1), QPoint(kCell / 2, 3)})
        EXPECT_EQ(target.pixel(p), UnitEditorBench::UnitColour(2));
}

TEST(UnitPreview, DrawingIsCutToTheTarget) {
    UnitEditorBench bench;
    QImage target(6, 6, QImage::Format_RGB32);
    target.fill(qRgb(0, 0, 255));
    DrawUnitSymbol(target, QPoint(-3, 4), bench.symbols, 0, 3);
    EXPECT_EQ(target.pixel(0, 4), UnitEditorBench::UnitColour(0));
    EXPECT_EQ(target.pixel(0, 3), qRgb(0, 0, 255));
    DrawUnitSymbol(target, QPoint(0, 0), bench.symbols, 7, 3); // no such symbol
    DrawUnitSymbol(target, QPoint(0, 0), bench.symbols, -1, 3);
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 255));
}

TEST(UnitPreview, TheCellIsBlackWithTheSymbolInItsMiddle) {
    UnitEditorBench bench;
    const QImage preview = UnitPreviewPicture(bench.symbols, 1);
    ASSERT_EQ(preview.size(), QSize(UnitEditorBench::kPreviewSide, UnitEditorBench::kPreviewSide));
    const int margin = (UnitEditorBench::kPreviewSide - kCell) / 2;
    EXPECT_EQ(preview.pixel(margin, margin), UnitEditorBench::UnitColour(1));
    EXPECT_EQ(preview.pixel(margin - 1, margin), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(margin + kCell - 1, margin), qRgb(0, 0, 0)); // masked half
    EXPECT_EQ(preview.pixel(UnitEditorBench::kPreviewSide - 1, 0), qRgb(0, 0, 0));
}

TEST(UnitPreview, NoSymbolGivesAnEmptyCellAndNoSetNoPicture) {
    UnitEditorBench bench;
    const QImage empty = UnitPreviewPicture(bench.symbols, 9);
    ASSERT_FALSE(empty.isNull());
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_EQ(empty.pixel(x, y), qRgb(0, 0, 0));
    EXPECT_TRUE(UnitPreviewPicture(LoadedSymbolSet(), 0).isNull());
}

TEST(UnitPreview, TheEditorShowsTheUnitsSymbol) {
    UnitEditorBench bench;
    UnitRecord u;
    u.symbol = 0;
    bench.battle.AddUnit(u, 12);
    AddUnitLogic& editor = bench.Open(12);
    EXPECT_EQ(editor.controls().symbolRow, 0) << "the side's own pieces are listed first";
    EXPECT_EQ(editor.controls().preview, UnitPreviewPicture(bench.symbols, 0));
}

} // namespace
