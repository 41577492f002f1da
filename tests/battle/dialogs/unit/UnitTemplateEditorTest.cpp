// The unit editor in a few clicks: a new unit starts like the last unit added or edited,
// its lists put the side's own pieces and wings first, "Add Another" goes straight on to
// the next hex, and a refusal is told inside the editor.

#include "UnitEditorBench.h"

#include <gtest/gtest.h>

namespace {

constexpr int kHex = 34;

TEST(UnitEditorTemplate, ANewUnitIsLikeTheLastOneEditedWithTheNextNumber) {
    UnitEditorBench bench;
    bench.battle.AddWingName("Right");
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.SymNameChange("Crossbows");
    editor.BSideBtnClick();
    editor.UType2Click();
    editor.UnitRankChange(3);
    editor.UnitCombatChange(1);
    editor.MenUDClick(true);
    editor.TerListClick(editor.controls().symbolRow + 1);
    editor.UnitGroupEdit("Right");
    ASSERT_TRUE(editor.ExitBtnClick());
    const UnitRecord first = bench.battle.unit(1);

    AddUnitLogic& next = bench.AddOn(kHex + 1);
    const UnitRecord& u = bench.Shown();
    EXPECT_EQ(u.name.text(), "Crossbows 2");
    EXPECT_EQ(next.controls().name, "Crossbows 2");
    UnitRecord expected = first;
    expected.name = "Crossbows 2";
    expected.hex = kHex + 1;
    EXPECT_EQ(u, expected);
    EXPECT_EQ(next.controls().sideButton, 2);
    EXPECT_EQ(next.controls().wingText, "Right");
    // The third is numbered past both.
    ASSERT_TRUE(next.ExitBtnClick());
    bench.AddOn(kHex + 2);
    EXPECT_EQ(bench.Shown().name.text(), "Crossbows 3");
}

TEST(UnitEditorTemplate, AReinforcementLikeAnEasternUnitGetsTheEasternMarker) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex, ModeReinforcements);
    editor.BSideBtnClick();
    editor.AtrnUDClick(true);
    ASSERT_TRUE(editor.ExitBtnClick());
    bench.AddOn(kHex + 1, ModeReinforcements);
    EXPECT_EQ(bench.Shown().side, 2);
    EXPECT_EQ(bench.Shown().activationTurn, bench.battle.unit(1).activationTurn);
    EXPECT_EQ(bench.battle.hex(kHex + 1).reinforcementMarker, UnitEditorBench::kEasternMarker);
    // The same model on the map arrives on turn 1.
    bench.AddOn(kHex + 2, ModeUnits);
    EXPECT_EQ(bench.Shown().activationTurn, 1);
    EXPECT_EQ(bench.battle.hex(kHex + 2).reinforcementMarker, 0);
}

TEST(UnitEditorTemplate, TheSidesPiecesAndWingsAreListedFirst) {
    UnitEditorBench bench;
    bench.battle.AddWingName("East Wing");
    bench.battle.AddWingName("West Wing");
    UnitRecord east;
    east.side = 2;
    east.symbol = 1; // listed last in the set's order 3, 1, 2
    east.wing = 1;
    bench.battle.AddUnit(east, 5);
    const int west = bench.PlaceUnit(6, 1);
    UnitRecord w = bench.battle.unit(west);
    w.wing = 2;
    bench.battle.UpdateUnit(west, w);

    // The new unit (side 1, wing "Main", the set's first piece 2) counts as well.
    AddUnitLogic& editor = bench.AddOn(kHex);
    EXPECT_EQ(editor.controls().wingNames, QStringList({"Main", "West Wing", "East Wing"}));
    EXPECT_EQ(editor.RowSymbol(1), 0) << "the western unit's piece";
    // Moved to the other side, the new unit's wing and piece, chosen for the first side,
    // count for neither: the eastern choices lead, the western ones come last.
    editor.BSideBtnClick();
    const UnitEditorControls& c = editor.controls();
    EXPECT_EQ(c.wingNames, QStringList({"East Wing", "Main", "West Wing"}));
    EXPECT_EQ(editor.RowSymbol(0), 1) << "the eastern unit's piece, last in the set";
    EXPECT_EQ(editor.RowSymbol(c.symbolRow), 2) << "the shown unit keeps its piece";
    // A row picks the wing it shows, whatever its place in the table.
    editor.UnitGroupChange(0);
    EXPECT_EQ(bench.Shown().wing, 1);
    EXPECT_EQ(c.wingRow, 0);
    editor.UnitGroupChange(2);
    EXPECT_EQ(bench.Shown().wing, 2);
    EXPECT_EQ(c.wingText, "West Wing");
}

TEST(UnitEditorTemplate, AddAnotherAddsOnTheNextEmptyHexAtOnce) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.SymNameChange("Pikes");
    ASSERT_TRUE(editor.AddAnotherBtnClick());
    EXPECT_TRUE(editor.addsOnOpening());
    // The same editor opens again, as the window's does.
    bench.context->currentHex = kHex + 1;
    editor.FormActivate();
    EXPECT_EQ(bench.battle.unitCount(), 2);
    EXPECT_EQ(bench.Shown().name.text(), "Pikes 2");
    EXPECT_FALSE(editor.addsOnOpening()) << "once";
    ASSERT_TRUE(editor.ExitBtnClick());
    bench.context->currentHex = kHex + 2;
    editor.FormActivate();
    EXPECT_EQ(bench.battle.unitCount(), 2) << "plain Exit: the next opening only shows";
}

TEST(UnitEditorTemplate, AFullTableIsToldInTheEditor) {
    UnitEditorBench bench;
    bench.battle.settings.mapCols = 30;
    bench.battle.settings.mapRows = 20;
    ASSERT_TRUE(bench.battle.InitNewBattle({}));
    for (int h = 0; bench.battle.unitCount() < kMaxUnits; ++h) {
        if (h != kHex)
            bench.battle.AddUnit(UnitRecord(), h);
    }
    AddUnitLogic& editor = bench.Open(kHex);
    editor.AddBtnClick();
    EXPECT_EQ(editor.shownUnit(), 0);
    EXPECT_TRUE(editor.controls().notice.contains("500")) << editor.controls().notice.toStdString();
    EXPECT_EQ(bench.refusals.size(), 1);
}

} // namespace
