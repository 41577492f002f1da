// The colour picker's answer and the map information's figures.

#include "DialogTestSupport.h"
#include "MapInfoLogic.h"
#include "SelectColorLogic.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectColor, SwatchesShowThePalette) {
    DialogTestBench bench;
    SelectColorLogic logic(*bench.context);
    EXPECT_EQ(logic.CellColour(0, 0), DialogTestBench::PaletteIndexColour(0));
    EXPECT_EQ(logic.CellColour(15, 0), DialogTestBench::PaletteIndexColour(15));
    EXPECT_EQ(logic.CellColour(0, 1), DialogTestBench::PaletteIndexColour(16));
    EXPECT_EQ(logic.CellColour(15, 15), DialogTestBench::PaletteIndexColour(255));
}

TEST(SelectColor, ClickedSwatchIsTheAnswer) {
    DialogTestBench bench;
    SelectColorLogic logic(*bench.context);
    logic.ColorGridMouseDown(3, 2);
    EXPECT_EQ(logic.previewColour(), DialogTestBench::PaletteIndexColour(35));
    logic.ColorGridMouseDown(16, 2); // outside the grid
    logic.ColorGridMouseDown(-1, 0);
    logic.Button1Click();
    EXPECT_EQ(logic.answer(), 35);
}

TEST(SelectColor, AnswerIsZeroUntilASwatchIsClickedAndKeptAfterwards) {
    DialogTestBench bench;
    SelectColorLogic logic(*bench.context);
    logic.Button1Click();
    EXPECT_EQ(logic.answer(), 0);
    logic.ColorGridMouseDown(15, 15);
    logic.Button1Click();
    logic.Button1Click(); // the next opening, without a click
    EXPECT_EQ(logic.answer(), 255);
}

TEST(SelectColor, ClosingWithoutOkHandsBackTheBattlesColour) {
    DialogTestBench bench;
    SelectColorLogic logic(*bench.context);
    bench.battle.settings.tableColour = 77;
    logic.ColorGridMouseDown(1, 1);
    logic.CloseWithoutChoice();
    EXPECT_EQ(logic.answer(), 77);
}

TEST(MapInfo, ShowsTheBattlesFigures) {
    DialogTestBench bench;
    Battle& b = bench.battle;
    b.settings.mapCols = 12;
    b.settings.mapRows = 10;
    b.settings.symbolSetName = "moors";
    ASSERT_TRUE(b.InitNewBattle(nullptr));
    b.AddUnit(UnitRecord(), 3);
    b.AddUnit(UnitRecord(), 4);
    b.AddMapText(MapTextRecord(), 7);
    MapInfoLogic info;
    info.FormActivate(b);
    EXPECT_EQ(info.symbolSetText, "Symbol Set: moors");
    EXPECT_EQ(info.totalHexesText, "Total Hexes: 120");
    EXPECT_EQ(info.maxRowsText, "Max Rows: 10");
    EXPECT_EQ(info.maxColsText, "Max Cols: 12");
    EXPECT_EQ(info.totalUnitsText, "Total Units: 2");
    EXPECT_EQ(info.mapTextEntriesText, "Map Text Entries: 1");
}

} // namespace
