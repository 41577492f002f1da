#include "HexValues.h"
#include "BattleTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Terrain 1 grass (cost 2, elevation 2, defence 1), 2 wood (cost 4, elevation 3,
// defence 3), 3 a decoration (cost 0, elevation 9, defence 8), 4 marsh (cost 10).
Battle TerrainBattle() {
    Battle b = NewBattle();
    b.terrainAttrs[1] = {"Grass", 2, 2, 1, 0};
    b.terrainAttrs[2] = {"Wood", 3, 4, 3, 0};
    b.terrainAttrs[3] = {"Flowers", 9, 0, 8, 0};
    b.terrainAttrs[4] = {"Marsh", 0, 10, -2, 0};
    return b;
}

} // namespace

TEST(HexValues, MoveCostTakesTopTerrainThatIsNotDecoration) {
    Battle b = TerrainBattle();
    b.SetTerrainSlot(5, 0, 1);
    b.SetTerrainSlot(5, 2, 2);
    b.SetTerrainSlot(5, 6, 3); // decoration on top falls through to the wood
    EXPECT_EQ(HexMoveCost(b, 5), 4);
    EXPECT_EQ(HexDefence(b, 5), 3);

    b.SetTerrainSlot(6, 0, 3); // only decoration: no cost, no defence
    EXPECT_EQ(HexMoveCost(b, 6), 0);
    EXPECT_EQ(HexDefence(b, 6), 0);

    b.SetTerrainSlot(7, 0, kNoSymbol); // empty primary
    EXPECT_EQ(HexMoveCost(b, 7), 0);
    EXPECT_EQ(HexElevation(b, 7), 0);
}

TEST(HexValues, CaltropsAddThreeAndAnythingAboveTwelveIsImpassable) {
    Battle b = TerrainBattle();
    b.SetTerrainSlot(8, 0, 4);
    EXPECT_EQ(HexMoveCost(b, 8), 10);
    b.SetCaltropsMarker(8, 30);
    EXPECT_EQ(HexMoveCost(b, 8), 0) << "13 > 12";
    b.SetTerrainSlot(9, 0, 2);
    b.SetCaltropsMarker(9, 30);
    EXPECT_EQ(HexMoveCost(b, 9), 7);
    b.SetTerrainSlot(10, 0, 3);
    b.SetCaltropsMarker(10, 30);
    EXPECT_EQ(HexMoveCost(b, 10), 3) << "caltrops on terrain without cost";
}

TEST(HexValues, HeightAddsHighestSecondaryOrStructureToBaseElevation) {
    Battle b = TerrainBattle();
    b.SetTerrainSlot(11, 0, 1); // elevation 2
    b.SetTerrainSlot(11, 1, 2); // wood, elevation 3
    b.SetTerrainSlot(11, 2, 3); // decoration, elevation 9, ignored
    EXPECT_EQ(HexHeight(b, 11), 5);
    StructureRecord tower;
    tower.height = 5;
    b.AddStructure(tower, 11);
    EXPECT_EQ(HexHeight(b, 11), 7);
    EXPECT_EQ(HexElevation(b, 11), 2);
}

TEST(HexValues, SymbolsBeyondTheAttributeTableCountAsDecoration) {
    Battle b = TerrainBattle();
    b.SetTerrainSlot(12, 0, 1);
    b.SetTerrainSlot(12, 3, 700);
    b.SetTerrainSlot(12, 4, -5);
    EXPECT_EQ(HexMoveCost(b, 12), 2);
    EXPECT_EQ(HexHeight(b, 12), 2);
    b.SetTerrainSlot(13, 0, 700);
    EXPECT_EQ(HexElevation(b, 13), 0);
    EXPECT_EQ(HexMoveCost(b, -1), 0);
    EXPECT_EQ(HexHeight(b, 100), 0);
}

TEST(HexValues, RowColumnAndLabel) {
    Battle b = NewBattle(20, 15);
    const RowCol rc = HexRowCol(b, 5 * 20 + 12);
    EXPECT_EQ(rc.row, 5);
    EXPECT_EQ(rc.col, 12);
    EXPECT_EQ(HexLabel(b, 5 * 20 + 12), "512");
    EXPECT_EQ(HexLabel(b, 14 * 20 + 3), "143");
}
