#include "HexInfo.h"

#include "Battle.h"
#include "Definitions.h"
#include "MapFixtures.h"

#include <gtest/gtest.h>

TEST(HexInfo, HexPanelTexts) {
    Battle b;
    MakeBattle(b, 20, 10);
    b.terrainAttrs[2].name = "Woods";
    b.terrainAttrs[2].costPerMove = 3;
    b.terrainAttrs[2].elevation = 1;
    b.terrainAttrs[2].defenceModifier = 2;
    b.terrainAttrs[5].name = "Road";
    b.terrainAttrs[5].costPerMove = 1;
    const int hex = 5 * 20 + 12;
    b.SetTerrainSlot(hex, 0, 2);
    b.SetTerrainSlot(hex, 2, 5);
    b.SetCaltropsMarker(hex, 30);
    ObjectiveRecord o;
    o.name = "Bridge";
    o.victoryPoints = 40;
    ASSERT_NE(b.AddObjective(o, hex), 0);
    const HexInfoTexts t = ShowHexInfo(b, Definitions{}, hex);
    EXPECT_TRUE(t.hexNo.startsWith("Hex:512 CPM:")) << t.hexNo.toStdString();
    EXPECT_EQ(t.primary, "Woods Caltrops");
    EXPECT_EQ(t.secondary, "Road ");
    EXPECT_EQ(t.objective, "Bridge 40 Pts");
    EXPECT_TRUE(t.unit.isEmpty());
    EXPECT_TRUE(t.side.isEmpty());
    EXPECT_EQ(ShowHexInfo(b, Definitions{}, kNoHex), HexInfoTexts{});
}

TEST(HexInfo, UnitPanelTexts) {
    Battle b;
    MakeBattle(b, 20, 10);
    b.settings.sideAName = "Western Forces";
    b.settings.sideBName = "Eastern Forces";
    UnitRecord u;
    u.name = "Varn Spears";
    u.side = 2;
    u.men = 300;
    u.movementPoints = 6;
    u.morale = 7;
    u.value = 12;
    u.activationTurn = 3;
    const int n = b.AddUnit(u, 7);
    ASSERT_NE(n, 0);
    StructureRecord s;
    s.name = "Mill";
    s.side = 1;
    s.defenceModifier = 2;
    s.supplyLevel = 3;
    ASSERT_NE(b.AddStructure(s, 7), 0);
    HexInfoTexts t = ShowHexInfo(b, Definitions{}, 7);
    EXPECT_EQ(t.side, "Eastern Forces Main"); // the unit's side wins over the structure's
    EXPECT_EQ(t.unit, "Varn Spears");
    EXPECT_TRUE(t.status.startsWith("Men:300 MP:6  Mor:7  Com:")) << t.status.toStdString();
    EXPECT_TRUE(t.status.endsWith(" Pts:12")) << t.status.toStdString();
    EXPECT_EQ(t.structure, "Mill Def: 2  Supply: 3 ");
    EXPECT_TRUE(t.reinforcement.isEmpty()); // no marker on the hex
    b.SetReinforcementMarker(7, 29);
    EXPECT_EQ(ShowHexInfo(b, Definitions{}, 7).reinforcement, "ReinForcement");
}

TEST(HexInfo, DesignersNamesAreNeverFormats) {
    Battle b;
    MakeBattle(b, 20, 10);
    ObjectiveRecord o;
    o.name = "Hill %1";
    o.victoryPoints = 25;
    ASSERT_NE(b.AddObjective(o, 7), 0);
    StructureRecord s;
    s.name = "Fort %2";
    s.side = 1;
    s.defenceModifier = 3;
    s.supplyLevel = 4;
    ASSERT_NE(b.AddStructure(s, 7), 0);
    b.terrainAttrs[1].name = "Ford %1%2";
    b.SetTerrainSlot(7, 0, 1);
    const HexInfoTexts t = ShowHexInfo(b, Definitions{}, 7);
    EXPECT_EQ(t.objective, "Hill %1 25 Pts");
    EXPECT_EQ(t.structure, "Fort %2 Def: 3  Supply: 4 ");
    EXPECT_EQ(t.primary, "Ford %1%2");
    UnitRecord u;
    u.name = "Guard %3";
    u.men = 90;
    ASSERT_NE(b.AddUnit(u, 8), 0);
    const HexInfoTexts unit = ShowHexInfo(b, Definitions{}, 8);
    EXPECT_EQ(unit.unit, "Guard %3");
    EXPECT_TRUE(unit.status.startsWith("Men:90 MP:")) << unit.status.toStdString();
    EXPECT_FALSE(unit.status.contains('%')) << unit.status.toStdString();
}
