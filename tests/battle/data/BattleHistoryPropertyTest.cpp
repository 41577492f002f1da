// Thousands of random edits through the battle's operations, each one step: undo and
// redo must give back exactly the battle of every point in between, links included.

#include "BattleState.h"
#include "HistoryTestSupport.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

// Fewer under the sanitizers, which make every byte of the state slow to touch.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kPropertyEdits = 1200;
constexpr int kWalkSteps = 600;
#else
constexpr int kPropertyEdits = 3000;
constexpr int kWalkSteps = 1500;
#endif

// A battle with a few of every record, so that the first edits have something to change.
Battle StartingBattle() {
    Battle b = NewBattle(24, 18);
    b.AddWingName("Left");
    b.AddWingName("Right");
    for (int i = 0; i < 12; ++i)
        b.AddUnit(Unit(2 - i % 2, i % 3, 100 + 10 * i), 7 + 31 * i);
    b.AddStructure(StructureRecord(), 40);
    b.AddObjective(ObjectiveRecord(), 41);
    b.AddMapText(MapTextRecord(), 42);
    b.terrainAttrs[1].name = "Grass";
    b.terrainAttrs[1].costPerMove = 1;
    return b;
}

std::vector<uint8_t> StateBytes(const Battle& b) {
    std::vector<uint8_t> out;
    EncodeBattleState(b, out);
    return out;
}

} // namespace

TEST(HistoryProperty, UndoAllAndRedoAllGiveBackEveryBattleExactly) {
    Battle b = StartingBattle();
    BattleHistory history(b);
    const QByteArray first = FileBytes(b);
    const std::vector<uint8_t> firstState = StateBytes(b);
    std::vector<QByteArray> afterStep{first}; // the file bytes at each history position
    RandomEdits edits(b, 20261209);

    constexpr int kEdits = kPropertyEdits;
    for (int i = 0; i < kEdits; ++i) {
        const QString caption = QString("Edit %1").arg(i);
        history.BeginStep(caption);
        const QString kind = edits.Edit();
        const bool recorded = history.EndStep();
        const QByteArray bytes = FileBytes(b);
        ASSERT_EQ(recorded, bytes != afterStep.back()) << i << " " << kind.toStdString();
        ASSERT_TRUE(LinksConsistent(b)) << i << " " << kind.toStdString();
        ASSERT_EQ(history.modified(), history.position() > 0) << i << " " << kind.toStdString();
        if (recorded) {
            afterStep.push_back(bytes);
            ASSERT_EQ(history.UndoCaption(), caption);
        }
    }
    const int steps = history.stepCount();
    ASSERT_EQ(steps + 1, int(afterStep.size()));
    ASSERT_GT(steps, kEdits / 2);
    const QByteArray last = FileBytes(b);

    for (int p = steps; p > 0; --p) {
        ASSERT_TRUE(history.Undo()) << p;
        ASSERT_EQ(FileBytes(b), afterStep[size_t(p - 1)]) << "undo to " << p - 1;
        ASSERT_TRUE(LinksConsistent(b)) << "undo to " << p - 1;
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(FileBytes(b), first);
    EXPECT_EQ(StateBytes(b), firstState);
    EXPECT_FALSE(history.modified()); // back at the opened state

    for (int p = 1; p <= steps; ++p) {
        ASSERT_TRUE(history.Redo()) << p;
        ASSERT_EQ(FileBytes(b), afterStep[size_t(p)]) << "redo to " << p;
        ASSERT_TRUE(LinksConsistent(b)) << "redo to " << p;
    }
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(FileBytes(b), last);
    EXPECT_TRUE(history.modified());
}

// Edits, undos, redos and saves mixed: every position holds the battle it had, a save
// included (it puts the units in canonical order), and the modified flag is clear
// exactly at the position last saved.
TEST(HistoryProperty, RandomWalkWithSavesKeepsEveryPosition) {
    Battle b = StartingBattle();
    BattleHistory history(b);
    const Definitions defs = SmallDefinitions();
    std::vector<QByteArray> expected{FileBytes(b)};
    int saved = 0; // -1 once the saved position has been dropped with the redo steps
    RandomEdits edits(b, 77);
    std::mt19937 rng(4242);

    for (int i = 0; i < kWalkSteps; ++i) {
        const int what = int(rng() % 10);
        if (what < 6) {
            history.BeginStep("Edit");
            edits.Edit();
            if (history.EndStep()) {
                expected.resize(size_t(history.position()));
                expected.push_back(FileBytes(b));
                if (saved >= history.position())
                    saved = -1;
            }
        } else if (what < 8) {
            history.Undo();
        } else if (what < 9) {
            history.Redo();
        } else {
            b.PutUnitsInCanonicalOrder(defs); // what a save does to the battle in memory
            history.MarkSaved();
            saved = history.position();
            expected[size_t(saved)] = FileBytes(b);
        }
        const int p = history.position();
        ASSERT_EQ(FileBytes(b), expected[size_t(p)]) << "step " << i << " at " << p;
        ASSERT_TRUE(LinksConsistent(b)) << "step " << i;
        ASSERT_EQ(history.modified(), p != saved) << "step " << i;
        ASSERT_EQ(history.CanRedo(), p + 1 < int(expected.size()));
    }
}
