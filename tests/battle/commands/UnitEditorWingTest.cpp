// The unit editor's wing when two wings share a name: the wings are told apart by their
// place in the list, so leaving the editor must not move a unit to the first of them.

#include "AddUnitLogic.h"
#include "BattleTestSupport.h"
#include "DialogTestSupport.h"
#include "MapFixtures.h"

#include <gtest/gtest.h>

namespace {

struct RepeatedWings : testing::Test {
    RepeatedWings() {
        bench.symbols = MakeLoadedSet();
        bench.definitions = SmallDefinitions();
        MakeBattle(bench.battle, 10, 10);
        bench.battle.AddWingName("Left");
        bench.battle.AddWingName("Left"); // wings 1 and 2
        unit = bench.battle.AddUnit(Unit(1, 2), kHex);
        BattleDocumentTestAccess::TakeAsOpened(bench.document);
        bench.context->currentHex = kHex;
    }

    static constexpr int kHex = 34;
    DialogTestBench bench;
    int unit = 0;
};

TEST_F(RepeatedWings, ExitWithoutAChangeLeavesTheUnitOnItsWingAndNoStep) {
    AddUnitLogic editor(*bench.context);
    BattleDocument::Visit visit(bench.document, "Unit Changes");
    editor.FormActivate();
    ASSERT_TRUE(editor.ExitBtnClick());
    EXPECT_FALSE(visit.End());
    EXPECT_EQ(bench.battle.unit(unit).wing, 2);
    EXPECT_FALSE(bench.document.modified());
}

// The list puts the side's wings first: a wing is picked by the row that shows it.
int RowOfWing(const AddUnitLogic& editor, int wing) {
    for (int row = 0; editor.RowWing(row) >= 0; ++row) {
        if (editor.RowWing(row) == wing)
            return row;
    }
    return -1;
}

TEST_F(RepeatedWings, EitherWingOfTheNameCanBePicked) {
    AddUnitLogic editor(*bench.context);
    editor.FormActivate();
    editor.UnitGroupChange(RowOfWing(editor, 1));
    ASSERT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.battle.unit(unit).wing, 1);
    editor.FormActivate();
    editor.UnitGroupChange(RowOfWing(editor, 2));
    ASSERT_TRUE(editor.ExitBtnClick());
    EXPECT_EQ(bench.battle.unit(unit).wing, 2);
}

} // namespace
