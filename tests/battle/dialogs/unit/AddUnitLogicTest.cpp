// The unit editor's opening, "Add", "Remove" and "Exit": the records and hex links they
// leave, the reinforcement markers and the wing names.

#include "UnitEditorBench.h"
#include "UnitSteps.h"

#include <gtest/gtest.h>

namespace {

constexpr int kHex = 23;

TEST(UnitEditorOpening, AnEmptyHexShowsNoUnitAndOffersOnlyAdd) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.Open(kHex);
    const UnitEditorControls& c = editor.controls();
    EXPECT_EQ(editor.shownUnit(), 0);
    EXPECT_EQ(c.heading, "Units");
    EXPECT_FALSE(c.groupsEnabled);
    EXPECT_TRUE(c.addEnabled);
    EXPECT_FALSE(c.removeEnabled);
    EXPECT_EQ(c.sideButton, 0);
    EXPECT_EQ(c.typeButton, 0);
    EXPECT_EQ(editor.menText(), "Men: --");
    EXPECT_EQ(editor.moraleText(), "Morale: --");
    EXPECT_EQ(editor.movementText(), "Movement Points: --");
    EXPECT_EQ(editor.valueText(), "Value: --");
    EXPECT_EQ(editor.ammoText(), "Missile Ammo: --");
    EXPECT_EQ(editor.resupplyText(), "ReSupply Level: --");
    EXPECT_EQ(editor.activationText(), "Activation Turn: --");
}

TEST(UnitEditorOpening, ListsFollowTheSetOrderAndTheDefinitions) {
    UnitEditorBench bench;
    bench.context->terrainSelection = 0;
    AddUnitLogic& editor = bench.Open(kHex);
    const UnitEditorControls& c = editor.controls();
    EXPECT_EQ(c.symbolNames, QStringList({"Unit 3", "Unit 1", "Unit 2"}));
    EXPECT_EQ(editor.RowSymbol(0), 2);
    EXPECT_EQ(editor.RowSymbol(2), 1);
    EXPECT_EQ(editor.RowSymbol(3), -1);
    // The terrain selection is the terrain commands' own: a unit symbol never enters it.
    EXPECT_EQ(bench.context->terrainSelection, 0);
    EXPECT_EQ(c.classNames.size(), 6);
    EXPECT_EQ(c.classNames[4], "Nobel");
    EXPECT_EQ(c.missileNames, QStringList({"None", "Bow", "Crossbow"}));
    EXPECT_EQ(c.shieldNames, QStringList({"None", "Round Shield"}));
    EXPECT_EQ(c.wingNames, QStringList({"Main"}));
    EXPECT_EQ(c.sideAName, "Western Forces");
    EXPECT_EQ(c.sideBName, "Eastern Forces");
}

TEST(UnitEditorOpening, AHexWithAReinforcementMarkerSwitchesToReinforcements) {
    UnitEditorBench bench;
    bench.battle.SetReinforcementMarker(kHex, UnitEditorBench::kEasternMarker);
    AddUnitLogic& editor = bench.Open(kHex, ModeUnits);
    EXPECT_EQ(editor.commandMode, ModeReinforcements);
    EXPECT_EQ(editor.controls().heading, "Reinforcements");
}

TEST(UnitEditorOpening, AnExistingUnitIsLoadedIntoTheControls) {
    UnitEditorBench bench;
    UnitRecord u = NewUnitRecord(1, 1, kHex);
    u.name = "Blue Guard";
    u.side = 2;
    u.unitType = UnitHorse;
    u.unitClass = 3;
    u.missileWeapon = 2;
    u.wingLeader = 1;
    bench.battle.AddWingName("Left");
    u.wing = 1;
    bench.battle.AddUnit(u, kHex);
    AddUnitLogic& editor = bench.Open(kHex);
    const UnitEditorControls& c = editor.controls();
    EXPECT_EQ(editor.shownUnit(), 1);
    EXPECT_TRUE(c.groupsEnabled);
    EXPECT_FALSE(c.addEnabled);
    EXPECT_TRUE(c.removeEnabled);
    EXPECT_FALSE(c.activationEnabled);
    EXPECT_TRUE(c.ammoEnabled);
    EXPECT_FALSE(c.resupplyEnabled);
    EXPECT_EQ(c.name, "Blue Guard");
    EXPECT_EQ(c.sideButton, 2);
    EXPECT_EQ(c.typeButton, 2);
    EXPECT_TRUE(c.wingLeader);
    EXPECT_EQ(c.classIndex, 3);
    EXPECT_EQ(c.wingIndex, 1);
    EXPECT_EQ(c.wingText, "Left");
    // Symbol 1, third in the set's order, comes first: the pieces of the unit's side lead.
    EXPECT_EQ(c.symbolRow, 0);
    EXPECT_EQ(editor.RowSymbol(0), 1);
}

TEST(UnitEditorAdd, ANewUnitTakesTheDefaultsAndIsLinkedToItsHex) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    ASSERT_EQ(editor.shownUnit(), 1);
    const UnitRecord& u = bench.Shown();
    EXPECT_EQ(u.name.text(), "New Unit");
    EXPECT_EQ(u.symbol, 2);
    EXPECT_EQ(u.activationTurn, 1);
    EXPECT_EQ(u.side, 1);
    EXPECT_EQ(u.hex, kHex);
    EXPECT_EQ(u.unitType, UnitFoot);
    EXPECT_EQ(u.unitClass, 0);
    EXPECT_EQ(u.men, 25);
    EXPECT_EQ(u.morale, 80);
    EXPECT_EQ(u.missileWeapon, 0);
    EXPECT_EQ(u.missileAmmo, 0);
    EXPECT_EQ(u.movementPoints, 8);
    EXPECT_EQ(u.wingLeader, 0);
    EXPECT_EQ(u.commandRange, 0);
    EXPECT_EQ(u.value, 2);
    EXPECT_EQ(u.wing, 0);
    EXPECT_EQ(u.resupplyLevel, 0);
    EXPECT_EQ(bench.battle.hex(kHex).unitNo, 1);
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, 0);
    EXPECT_EQ(bench.sounds->played().back(), SoundZoom);
    const UnitEditorControls& c = editor.controls();
    EXPECT_TRUE(c.groupsEnabled);
    EXPECT_FALSE(c.addEnabled);
    EXPECT_TRUE(c.removeEnabled);
    EXPECT_EQ(c.name, "New Unit");
    EXPECT_EQ(c.sideButton, 1);
    EXPECT_EQ(c.typeButton, 1);
    EXPECT_EQ(c.wingText, "Main");
    EXPECT_EQ(editor.menText(), "Men: 25");
}

TEST(UnitEditorAdd, TheActivationTurnOfAUnitOnTheMapCannotBeChanged) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    EXPECT_FALSE(editor.controls().activationEnabled);
    editor.AtrnUDClick(true);
    EXPECT_EQ(bench.Shown().activationTurn, 1);
}

TEST(UnitEditorAdd, AReinforcementArrivesMidBattleWithTheWesternMarker) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex, ModeReinforcements);
    EXPECT_EQ(bench.Shown().activationTurn, 7); // 15 turns
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kWesternMarker);
    EXPECT_TRUE(editor.controls().activationEnabled);
    for (int i = 0; i < 10; ++i)
        editor.AtrnUDClick(false);
    EXPECT_EQ(bench.Shown().activationTurn, 2);
    for (int i = 0; i < 20; ++i)
        editor.AtrnUDClick(true);
    EXPECT_EQ(bench.Shown().activationTurn, 15);
    EXPECT_EQ(editor.activationText(), "Activation Turn: 15");
}

TEST(UnitEditorAdd, AReinforcementOfAShortBattleStillComesOnTurnTwoOrLater) {
    for (int turns : {1, 2, 3}) {
        UnitEditorBench bench;
        bench.battle.settings.maxTurns = turns;
        AddUnitLogic& editor = bench.AddOn(kHex, ModeReinforcements);
        EXPECT_EQ(bench.Shown().activationTurn, 2) << turns;
        editor.AtrnUDClick(false);
        EXPECT_EQ(bench.Shown().activationTurn, 2) << turns;
    }
}

TEST(UnitEditorAdd, AFullUnitTableIsRefusedWithItsReason) {
    UnitEditorBench bench;
    // A 10 × 10 map holds only 100 units: the full table needs a larger one.
    bench.battle.settings.mapCols = 25;
    bench.battle.settings.mapRows = 25;
    bench.battle.InitNewBattle([](const QString&, const QString&) {});
    for (int h = 0; h < kMaxUnits; ++h)
        ASSERT_NE(bench.PlaceUnit(h), 0);
    bench.sounds->ClearPlayed();
    AddUnitLogic& editor = bench.AddOn(600);
    EXPECT_EQ(editor.shownUnit(), 0);
    EXPECT_EQ(bench.battle.unitCount(), kMaxUnits);
    EXPECT_EQ(bench.battle.hex(600).unitNo, 0);
    EXPECT_TRUE(editor.controls().addEnabled);
    EXPECT_FALSE(editor.controls().groupsEnabled);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundRefusal}));
    EXPECT_EQ(bench.refusals.size(), 1);
}

TEST(UnitEditorRemove, LaterUnitsMoveDownAndTheirHexesFollow) {
    UnitEditorBench bench;
    bench.PlaceUnit(5);
    bench.PlaceUnit(kHex);
    bench.PlaceUnit(40);
    AddUnitLogic& editor = bench.Open(kHex);
    ASSERT_EQ(editor.shownUnit(), 2);
    editor.RemBtnClick();
    EXPECT_EQ(editor.shownUnit(), 0);
    EXPECT_EQ(bench.battle.unitCount(), 2);
    EXPECT_EQ(bench.battle.hex(kHex).unitNo, 0);
    EXPECT_EQ(bench.battle.hex(5).unitNo, 1);
    EXPECT_EQ(bench.battle.hex(40).unitNo, 2);
    EXPECT_EQ(bench.battle.unit(2).hex, 40);
    EXPECT_TRUE(editor.controls().addEnabled);
    EXPECT_FALSE(editor.controls().groupsEnabled);
}

TEST(UnitEditorRemove, ARemovedReinforcementTakesItsMarkerAlong) {
    UnitEditorBench bench;
    bench.AddOn(kHex, ModeReinforcements);
    ASSERT_NE(bench.battle.hex(kHex).reinforcementMarker, 0);
    // Opened again, even from the units mode: the marker makes it a reinforcement hex.
    AddUnitLogic& editor = bench.Open(kHex, ModeUnits);
    editor.RemBtnClick();
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, 0);
    EXPECT_EQ(bench.battle.unitCount(), 0);
}

TEST(UnitEditorMarkers, TheSideChosenDecidesTheMarker) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex, ModeReinforcements);
    editor.BSideBtnClick();
    EXPECT_EQ(bench.Shown().side, 2);
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kEasternMarker);
    editor.ASideBtnClick();
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kWesternMarker);
    editor.BSideBtnClick();
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kEasternMarker);
}

TEST(UnitEditorMarkers, UnitsOfTheFirstTurnNeverGetAMarker) {
    UnitEditorBench bench;
    bench.PlaceUnit(kHex, 2);
    // From the order of battle the editor may open on such a unit in any mode.
    AddUnitLogic& editor = bench.Open(kHex, ModeReinforcements);
    editor.ASideBtnClick();
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, 0);
    // Once it comes later, "Exit" marks its hex.
    bench.Open(kHex, ModeReinforcements).AtrnUDClick(true);
    EXPECT_EQ(bench.Shown().activationTurn, 2);
    EXPECT_TRUE(bench.editor->ExitBtnClick());
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kWesternMarker);
}

TEST(UnitEditorMarkers, SidesInTheUnitsModeLeaveTheHexUnmarked) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.BSideBtnClick();
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.Shown().side, 2);
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, 0);
}

TEST(UnitEditorExit, GathersTheNameAndSymbolAndPlaysAClick) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.SymNameChange("Archers of the Marsh, the Long Name");
    editor.TerListClick(1);
    bench.sounds->ClearPlayed();
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.Shown().name.text(), "Archers of the Marsh"); // 20 characters
    EXPECT_EQ(bench.Shown().symbol, 0);
    EXPECT_EQ(bench.Shown().hex, kHex);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick}));
}

TEST(UnitEditorExit, WithoutAUnitOnlyCloses) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.Open(kHex);
    editor.UnitGroupEdit("Reserve");
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.battle.wingNames().size(), 1u);
    EXPECT_EQ(bench.battle.unitCount(), 0);
}

TEST(UnitEditorWings, ATypedWingIsAddedOnceAndGivenToTheUnit) {
    UnitEditorBench bench;
    bench.AddOn(kHex).UnitGroupEdit("Right Flank");
    EXPECT_TRUE(bench.editor->ExitBtnClick());
    ASSERT_EQ(bench.battle.wingNames().size(), 2u);
    EXPECT_EQ(bench.battle.wingNames()[1].text(), "Right Flank");
    EXPECT_EQ(bench.Shown().wing, 1);
    EXPECT_EQ(bench.editor->controls().wingIndex, 1);

    // Typed again on another unit, without picking it from the list: the same wing.
    bench.AddOn(50).UnitGroupEdit("Right Flank");
    EXPECT_TRUE(bench.editor->ExitBtnClick());
    EXPECT_EQ(bench.battle.wingNames().size(), 2u);
    EXPECT_EQ(bench.Shown().wing, 1);

    // Letter case counts: the names are compared byte for byte.
    bench.AddOn(60).UnitGroupEdit("right flank");
    EXPECT_TRUE(bench.editor->ExitBtnClick());
    EXPECT_EQ(bench.battle.wingNames().size(), 3u);
    EXPECT_EQ(bench.Shown().wing, 2);
}

TEST(UnitEditorWings, PickingAWingFromTheListSetsItAtOnce) {
    UnitEditorBench bench;
    bench.battle.AddWingName("Left");
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.UnitGroupChange(1);
    EXPECT_EQ(bench.Shown().wing, 1);
    editor.UnitGroupChange(7); // no such row
    EXPECT_EQ(bench.Shown().wing, 1);
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.Shown().wing, 1);
}

TEST(UnitEditorWings, AFullWingListRefusesANewNameAndKeepsTheDialogOpen) {
    UnitEditorBench bench;
    for (int i = 1; i < kMaxWings; ++i)
        ASSERT_GE(bench.battle.AddWingName(QStringLiteral("Wing %1").arg(i)), 0);
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.SymNameChange("Kept");
    editor.UnitGroupEdit("One Too Many");
    bench.sounds->ClearPlayed();
    EXPECT_FALSE(editor.ExitBtnClick());
    EXPECT_EQ(int(bench.battle.wingNames().size()), kMaxWings);
    EXPECT_EQ(editor.controls().wingNames.size(), kMaxWings);
    EXPECT_EQ(bench.Shown().wing, 0);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(bench.refusals.size(), 1);
    // An existing name is still accepted.
    editor.UnitGroupEdit("Wing 49");
    EXPECT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.Shown().wing, 49);
    EXPECT_EQ(bench.Shown().name.text(), "Kept");
}

} // namespace
