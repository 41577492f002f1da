#include "BattleTestSupport.h"

#include <gtest/gtest.h>

TEST(NewBattle, StandardSetGetsItsMarkersOtherNamesNone) {
    for (const char* name : {"varnholm", "Varnholm"}) {
        Battle b;
        b.settings.symbolSetName = name;
        b.settings.mapCols = b.settings.mapRows = 10;
        ASSERT_TRUE(b.InitNewBattle(nullptr));
        const std::array<int, 10> expected{0, 17, 18, 19, 20, 29, 28, 9, 7, 30};
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(b.markerTable[i], expected[i]) << name << " slot " << i;
        for (size_t i = 10; i < kMarkerSlots; ++i)
            EXPECT_EQ(b.markerTable[i], kNoSymbol);
    }
    for (const char* name : {"VARNHOLM", "varnholm2", "moors"}) {
        Battle b;
        b.settings.symbolSetName = name;
        b.settings.mapCols = b.settings.mapRows = 10;
        ASSERT_TRUE(b.InitNewBattle(nullptr));
        for (int slot : b.markerTable)
            EXPECT_EQ(slot, kNoSymbol) << name;
    }
}

TEST(NewBattle, ClearsRecordsButKeepsTerrainAttributes) {
    Battle b = NewBattle();
    b.terrainAttrs[3].elevation = 4;
    b.terrainAttrs[3].name = "Hill";
    b.AddUnit(Unit(1), 5);
    b.AddStructure(StructureRecord(), 6);
    b.AddObjective(ObjectiveRecord(), 7);
    b.AddMapText(MapTextRecord(), 8);
    b.AddWingName("Left");
    b.SetTerrainSlot(9, 2, 44);
    b.settings.mapCols = 12;
    b.settings.mapRows = 11;
    ASSERT_TRUE(b.InitNewBattle(nullptr));

    EXPECT_EQ(b.hexCount(), 132);
    EXPECT_EQ(b.settings.hexCount, 132);
    EXPECT_EQ(b.unitCount(), 0);
    EXPECT_EQ(b.structures().count(), 0);
    EXPECT_EQ(b.objectives().count(), 0);
    EXPECT_EQ(b.mapTexts().count(), 0);
    ASSERT_EQ(b.wingNames().size(), 1u);
    EXPECT_EQ(b.wingNames()[0].text(), "Main");
    EXPECT_EQ(b.terrainAttrs[3].elevation, 4);
    EXPECT_EQ(b.terrainAttrs[3].name.text(), "Hill");
    for (const HexRecord& x : b.hexes())
        EXPECT_EQ(x, HexRecord());
    EXPECT_EQ(b.hex(0).primaryTerrain, 0);
    EXPECT_EQ(b.hex(0).secondaryTerrain[5], kNoSymbol);
}

TEST(NewBattle, RefusesHexArrayItCannotHave) {
    Battle b;
    MessageLog log;
    EXPECT_FALSE(b.AllocateHexArray(0, log.sink()));
    EXPECT_FALSE(b.AllocateHexArray(kMaxHexes + 1, log.sink()));
    EXPECT_EQ(b.hexCount(), 0);
    ASSERT_EQ(log.messages.size(), 2u);
    EXPECT_EQ(log.messages[0].first, "Warning");
    EXPECT_EQ(log.messages[0].second, "Hex Array Mem Allocation Error.");
}

TEST(Units, DeletingThirdOfFiveRenumbersLaterUnitsAndTheirHexes) {
    Battle b = NewBattle();
    for (int i = 1; i <= 5; ++i) {
        UnitRecord u = Unit(1);
        u.name = QString("Unit %1").arg(i).toLatin1().constData();
        ASSERT_EQ(b.AddUnit(u, 10 * i), i);
    }
    b.DeleteUnit(3);
    ASSERT_EQ(b.unitCount(), 4);
    EXPECT_EQ(b.unit(1).name.text(), "Unit 1");
    EXPECT_EQ(b.unit(2).name.text(), "Unit 2");
    EXPECT_EQ(b.unit(3).name.text(), "Unit 4");
    EXPECT_EQ(b.unit(4).name.text(), "Unit 5");
    EXPECT_EQ(b.hex(30).unitNo, 0);
    EXPECT_EQ(b.hex(40).unitNo, 3);
    EXPECT_EQ(b.hex(50).unitNo, 4);
    EXPECT_EQ(b.hex(10).unitNo, 1);
}

TEST(Units, ClipboardCopyPastesOnTheGivenHexOnly) {
    Battle b = NewBattle();
    UnitRecord u = Unit(2, 0, 77, 66);
    u.name = "Scouts";
    u.activationTurn = 4;
    b.AddUnit(u, 12);
    b.CopyUnitToClipboard(1);
    EXPECT_EQ(b.unitClipboard, b.unit(1));

    EXPECT_EQ(b.AddClipboardUnit(12), 0) << "a hex holds one unit";
    const int n = b.AddClipboardUnit(33);
    ASSERT_EQ(n, 2);
    UnitRecord expected = b.unit(1);
    expected.hex = 33;
    EXPECT_EQ(b.unit(2), expected);
    EXPECT_EQ(b.hex(33).unitNo, 2);
    EXPECT_EQ(b.AddClipboardUnit(-1), 0);
    EXPECT_EQ(b.AddClipboardUnit(100), 0);
}

TEST(Units, UpdateAndMoveKeepTheLinks) {
    Battle b = NewBattle();
    b.AddUnit(Unit(1), 4);
    UnitRecord changed = Unit(2, 0, 5, 5);
    changed.hex = 99; // an update never moves the unit
    b.UpdateUnit(1, changed);
    EXPECT_EQ(b.unit(1).hex, 4);
    EXPECT_EQ(b.unit(1).side, 2);
    b.AddUnit(Unit(1), 6);
    EXPECT_FALSE(b.MoveUnit(1, 6));
    EXPECT_TRUE(b.MoveUnit(1, 7));
    EXPECT_EQ(b.hex(4).unitNo, 0);
    EXPECT_EQ(b.hex(7).unitNo, 1);
    EXPECT_EQ(b.unit(1).hex, 7);
}

TEST(Capacities, AddingBeyondEveryTableIsRefused) {
    Battle b = NewBattle(150, 150);
    for (int i = 0; i < kMaxUnits; ++i)
        ASSERT_EQ(b.AddUnit(Unit(1), i), i + 1);
    EXPECT_EQ(b.AddUnit(Unit(1), kMaxUnits), 0);
    b.CopyUnitToClipboard(1);
    EXPECT_EQ(b.AddClipboardUnit(kMaxUnits + 1), 0);
    EXPECT_EQ(b.unitCount(), kMaxUnits);
    EXPECT_EQ(b.hex(kMaxUnits).unitNo, 0);

    for (int i = 0; i < kMaxStructures; ++i)
        ASSERT_NE(b.AddStructure(StructureRecord(), i), 0);
    EXPECT_EQ(b.AddStructure(StructureRecord(), 1000), 0);
    for (int i = 0; i < kMaxObjectives; ++i)
        ASSERT_NE(b.AddObjective(ObjectiveRecord(), i), 0);
    EXPECT_EQ(b.AddObjective(ObjectiveRecord(), 1000), 0);
    for (int i = 0; i < kMaxMapTexts; ++i)
        ASSERT_NE(b.AddMapText(MapTextRecord(), i), 0);
    EXPECT_EQ(b.AddMapText(MapTextRecord(), 1000), 0);
    EXPECT_EQ(b.hex(1000).structureNo + b.hex(1000).objectiveNo + b.hex(1000).mapTextNo, 0);

    for (int i = 1; i < kMaxWings; ++i)
        ASSERT_EQ(b.AddWingName(QString("W%1").arg(i)), i);
    EXPECT_EQ(b.AddWingName("One too many"), -1);
    EXPECT_EQ(int(b.wingNames().size()), kMaxWings);
}

TEST(Records, RemovingClosesTheGapAndHexesFollow) {
    Battle b = NewBattle();
    for (int i = 1; i <= 3; ++i) {
        b.AddStructure(StructureRecord(), i);
        b.AddObjective(ObjectiveRecord(), 10 + i);
        b.AddMapText(MapTextRecord(), 20 + i);
    }
    b.DeleteStructure(2);
    b.DeleteObjective(1);
    b.DeleteMapText(2);
    EXPECT_EQ(b.structures().count(), 2);
    EXPECT_EQ(b.hex(2).structureNo, 0);
    EXPECT_EQ(b.hex(3).structureNo, 2);
    EXPECT_EQ(b.structures()[2].hex, 3);
    EXPECT_EQ(b.hex(11).objectiveNo, 0);
    EXPECT_EQ(b.hex(12).objectiveNo, 1);
    EXPECT_EQ(b.hex(13).objectiveNo, 2);
    EXPECT_EQ(b.objectives()[1].hex, 12);
    EXPECT_EQ(b.hex(22).mapTextNo, 0);
    EXPECT_EQ(b.hex(23).mapTextNo, 2);
    EXPECT_EQ(b.AddStructure(StructureRecord(), 1), 0) << "hex 1 already has one";
}

TEST(Texts, FieldsCutWhatDoesNotFit) {
    UnitRecord u;
    u.name.assign(QString(40, QLatin1Char('x')));
    EXPECT_EQ(u.name.length(), 27);
    MapTextRecord t;
    t.text.assign(QString(30, QLatin1Char('y')));
    EXPECT_EQ(t.text.length(), 25);
    t.text.assign(QByteArrayView("ab\0cd", 5));
    EXPECT_EQ(t.text.bytes(), "ab");
}
