// The undo history: steps and captions, the modified flag, saves, the bound, and the
// byte state and diffs it is built on.

#include "BattleState.h"
#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

void PlacePrimary(BattleHistory& history, Battle& b, int hex, int symbol) {
    history.BeginStep("Place Primary Terrain");
    b.SetTerrainSlot(hex, 0, symbol);
    history.EndStep();
}

} // namespace

TEST(History, StepsCarryTheirCaptionsAndUndoRedoInOrder) {
    Battle b = NewBattle();
    BattleHistory history(b);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoCaption(), "");

    PlacePrimary(history, b, 5, 3);
    history.BeginStep("Unit Changes");
    const int n = b.AddUnit(Unit(1), 6);
    EXPECT_TRUE(history.EndStep());
    EXPECT_EQ(history.UndoCaption(), "Unit Changes");

    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(b.unitCount(), 0);
    EXPECT_EQ(b.hex(6).unitNo, 0);
    EXPECT_EQ(history.UndoCaption(), "Place Primary Terrain");
    EXPECT_EQ(history.RedoCaption(), "Unit Changes");
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(b.hex(5).primaryTerrain, 0);
    EXPECT_FALSE(history.Undo());

    EXPECT_TRUE(history.Redo());
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(b.unit(n).hex, 6);
    EXPECT_EQ(b.hex(6).unitNo, n);
    EXPECT_FALSE(history.Redo());

    // A new step after an undo drops what could be redone.
    history.Undo();
    PlacePrimary(history, b, 7, 9);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.stepCount(), 2);
}

TEST(History, AnActionThatChangesNothingLeavesNoStepAndNoModifiedFlag) {
    Battle b = NewBattle();
    b.AddUnit(Unit(1), 4);
    BattleHistory history(b);

    history.BeginStep("Unit Changes");
    b.UpdateUnit(1, b.unit(1)); // the unit editor left with OK, nothing typed
    EXPECT_FALSE(history.EndStep());
    EXPECT_FALSE(history.modified());
    EXPECT_FALSE(history.CanUndo());
}

TEST(History, ModifiedFollowsTheSavedState) {
    Battle b = NewBattle();
    BattleHistory history(b); // as opened: saved
    EXPECT_FALSE(history.modified());
    PlacePrimary(history, b, 1, 4);
    EXPECT_TRUE(history.modified());
    history.Undo();
    EXPECT_FALSE(history.modified());
    EXPECT_TRUE(history.AtSavedState());
    history.Redo();
    EXPECT_TRUE(history.modified());

    history.MarkSaved();
    EXPECT_FALSE(history.modified());
    history.Undo();
    EXPECT_TRUE(history.modified()); // the state opened is no longer the one on disk
    history.Redo();
    EXPECT_FALSE(history.modified());

    // Undo, then a new step: the saved state was among the dropped redo steps.
    history.Undo();
    PlacePrimary(history, b, 2, 8);
    history.Undo();
    EXPECT_TRUE(history.modified());
    history.Redo();
    EXPECT_TRUE(history.modified());
}

TEST(History, NewBattleStaysModifiedUntilSaved) {
    Battle b = NewBattle();
    BattleHistory history(b);
    history.Reset(false);
    EXPECT_TRUE(history.modified());
    PlacePrimary(history, b, 1, 4);
    history.Undo();
    EXPECT_TRUE(history.modified());
    history.MarkSaved();
    EXPECT_FALSE(history.modified());
}

TEST(History, ResetForgetsTheStepsOfTheBattleBefore) {
    Battle b = NewBattle();
    BattleHistory history(b);
    PlacePrimary(history, b, 1, 4);
    b = NewBattle(12, 12); // another battle opened
    history.Reset();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.modified());
    PlacePrimary(history, b, 140, 2);
    history.Undo();
    EXPECT_EQ(b.hexCount(), 144);
    EXPECT_EQ(b.hex(140).primaryTerrain, 0);
}

// A save puts the units in canonical order: undo past it reaches the battle exactly as
// it was before, and redo the saved battle, clean again.
TEST(History, UndoWorksAcrossASave) {
    Battle b = NewBattle();
    b.AddUnit(Unit(2, 0, 50), 10);
    b.AddUnit(Unit(1, 0, 80), 20);
    BattleHistory history(b);
    const QByteArray opened = FileBytes(b);

    history.BeginStep("Unit Changes");
    b.AddUnit(Unit(1, 0, 90), 30);
    history.EndStep();
    const QByteArray edited = FileBytes(b);

    b.PutUnitsInCanonicalOrder(SmallDefinitions());
    history.MarkSaved();
    ASSERT_EQ(b.unit(1).side, 1);
    ASSERT_NE(FileBytes(b), edited);
    const QByteArray saved = FileBytes(b);

    PlacePrimary(history, b, 30, 5);
    history.Undo();
    EXPECT_EQ(FileBytes(b), saved);
    EXPECT_FALSE(history.modified());
    history.Undo();
    EXPECT_EQ(FileBytes(b), opened);
    EXPECT_TRUE(LinksConsistent(b));
    EXPECT_TRUE(history.modified());
    history.Redo();
    EXPECT_EQ(FileBytes(b), saved);
    EXPECT_FALSE(history.modified());
    history.Redo();
    EXPECT_EQ(b.hex(30).primaryTerrain, 5);
}

TEST(History, NestedStepsRecordOnceWithTheOuterCaption) {
    Battle b = NewBattle();
    BattleHistory history(b);
    history.BeginStep("Fill Primary Terrain");
    b.SetTerrainSlot(1, 0, 2);
    history.BeginStep("Place Primary Terrain");
    b.SetTerrainSlot(2, 0, 2);
    EXPECT_FALSE(history.EndStep());
    EXPECT_FALSE(history.CanUndo()); // not while a step is open
    EXPECT_TRUE(history.EndStep());
    EXPECT_EQ(history.stepCount(), 1);
    EXPECT_EQ(history.UndoCaption(), "Fill Primary Terrain");
    EXPECT_FALSE(history.EndStep()); // unbalanced: ignored
}

TEST(History, OldestStepsAreDroppedPastTheLimits) {
    Battle b = NewBattle();
    BattleHistory history(b);
    history.SetLimits(5, size_t(1) << 20);
    for (int i = 0; i < 8; ++i)
        PlacePrimary(history, b, i, 10 + i);
    EXPECT_EQ(history.stepCount(), 5);
    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(undone, 5);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(b.hex(i).primaryTerrain, i < 3 ? 10 + i : 0) << i;
    EXPECT_TRUE(history.modified()); // the opened state went with the oldest steps

    // A byte budget smaller than two steps keeps the newest one.
    history.Reset();
    history.SetLimits(1000, 1);
    PlacePrimary(history, b, 20, 1);
    PlacePrimary(history, b, 21, 1);
    EXPECT_EQ(history.stepCount(), 1);
    EXPECT_EQ(history.UndoCaption(), "Place Primary Terrain");
}

TEST(History, OneHexStepIsSmall) {
    Battle b = NewBattle(150, 150);
    BattleHistory history(b);
    PlacePrimary(history, b, 22000, 17);
    EXPECT_LE(history.historyBytes(), 256u);
}

TEST(History, ChangeOfMapSizeIsUndone) {
    Battle b = NewBattle(10, 10);
    b.AddUnit(Unit(1), 99);
    BattleHistory history(b);
    const QByteArray before = FileBytes(b);
    history.BeginStep("New Map");
    b.settings.mapCols = 20;
    b.settings.mapRows = 15;
    ASSERT_TRUE(b.InitNewBattle(nullptr));
    EXPECT_TRUE(history.EndStep());
    history.Undo();
    EXPECT_EQ(FileBytes(b), before);
    EXPECT_EQ(b.hex(99).unitNo, 1);
    history.Redo();
    EXPECT_EQ(b.hexCount(), 300);
    EXPECT_EQ(b.unitCount(), 0);
}

TEST(BattleState, RoundTripIsExactAndLeavesTheViewAndClipboard) {
    Battle b = NewBattle(12, 11);
    MapTextRecord t;
    t.text = "Twenty-five characters!!!"; // fills its field: no NUL
    b.AddMapText(t, 3);
    b.AddUnit(Unit(2, 0, 70), 8);
    b.settings.history[99] = "last line";
    std::vector<uint8_t> bytes;
    EncodeBattleState(b, bytes);

    Battle other = NewBattle(30, 30);
    other.settings.viewOriginHex = 31;
    other.settings.zoomLevel = 2;
    other.settings.saveCount = 9;
    other.unitClipboard.men = 321;
    ASSERT_TRUE(DecodeBattleState(bytes, other));
    EXPECT_EQ(FileBytes(other), FileBytes(b));
    EXPECT_EQ(other.mapTexts()[1].text.length(), 25);
    EXPECT_EQ(other.settings.viewOriginHex, 31);
    EXPECT_EQ(other.settings.zoomLevel, 2);
    EXPECT_EQ(other.settings.saveCount, 9);
    EXPECT_EQ(other.unitClipboard.men, 321);

    bytes.pop_back();
    EXPECT_FALSE(DecodeBattleState(bytes, other));
}

TEST(BattleState, DiffGoesForwardAndBackAcrossSizes) {
    const std::vector<uint8_t> a{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::vector<uint8_t> b = a;
    b[1] = 20;
    b[3] = 40; // joined to the change at 1 across two equal bytes
    b[10] = 0;
    b.push_back(13);
    const BattleStateDiff d = BattleStateDiff::Between(a, b);
    EXPECT_FALSE(d.empty());
    std::vector<uint8_t> s = a;
    d.Apply(s, true);
    EXPECT_EQ(s, b);
    d.Apply(s, false);
    EXPECT_EQ(s, a);
    EXPECT_TRUE(BattleStateDiff::Between(a, a).empty());
}

// Typing a terrain name is one step, not one per keystroke; typing it back to what it was
// leaves no step at all.
TEST(History, StepsWithTheSameJoinKeyBecomeOne) {
    Battle b = NewBattle();
    BattleHistory history(b);
    int calls = 0;
    history.changed = [&calls] { ++calls; };
    TerrainAttr& attr = b.terrainAttrs[4];
    const auto type = [&](const char* name) {
        history.BeginStep("Terrain Attributes", &attr);
        attr.name = name;
        history.EndStep();
    };
    type("M");
    type("Ma");
    type("Mar");
    EXPECT_EQ(history.stepCount(), 1);
    EXPECT_GE(calls, 3);
    history.Undo();
    EXPECT_EQ(attr.name.text(), "");
    history.Redo();
    EXPECT_EQ(attr.name.text(), "Mar");

    PlacePrimary(history, b, 3, 3); // another step ends the joining
    type("Marsh");
    EXPECT_EQ(history.stepCount(), 3);

    type("Mar"); // back to the state before the last step
    EXPECT_EQ(history.stepCount(), 2);
    EXPECT_EQ(history.UndoCaption(), "Place Primary Terrain");

    history.BeginStep("Terrain Attributes", &attr);
    attr.name = "Marsh";
    history.EndStep();
    history.MarkSaved(); // a save keeps the steps on either side apart
    type("Marshes");
    type("Marshland");
    EXPECT_EQ(history.stepCount(), 4);
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(attr.name.text(), "Marsh");
    EXPECT_FALSE(history.modified());
}
