// The battle document: every edit one step, files and restores starting a fresh history,
// the order of battle read without a change, and the guard against changes that bypass
// the document.

#include "BattleDocument.h"
#include "BattleFileSupport.h"
#include "BattleState.h"
#include "DocumentTestAccess.h"
#include "HistoryTestSupport.h"
#include "Reports.h"
#include "SetFolderSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DocumentFixture : testing::Test {
    QTemporaryDir dir;
    MessageLog log;
    BattleDocument document;

    void SetUp() override {
        WriteSet(dir.path(), "moors");
        Battle b = FullBattle();
        b.settings.symbolSetName = "moors";
        EXPECT_TRUE(WriteBattleFile(dir.filePath("full.scn"), b, SmallDefinitions(), 5, nullptr));
        ASSERT_EQ(document.Open(dir.filePath("full.scn"), log.sink()), OpenOutcome::Opened);
    }
    bool Place(int hex, int symbol, const void* joinKey = nullptr) {
        return document.Edit(
            "Place Primary Terrain", [&](Battle& b) { b.SetTerrainSlot(hex, 0, symbol); }, joinKey);
    }
    std::vector<uint8_t> State() const {
        std::vector<uint8_t> bytes;
        EncodeBattleState(document.battle(), bytes);
        return bytes;
    }
};

TEST_F(DocumentFixture, EditsAreOneStepEachVisitsOneStepForAllTheirEdits) {
    const std::vector<uint8_t> opened = State();
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(Place(3, 2));
    EXPECT_FALSE(Place(3, 2)) << "an edit that changes nothing leaves no step";
    {
        const BattleDocument::Visit visit(document, "Unit Changes");
        Place(4, 1);
        document.Edit("Anything", [](Battle& b) { b.AddUnit(Unit(2), 44); });
    }
    { const BattleDocument::Visit untouched(document, "Structure Changes"); }
    EXPECT_EQ(document.history().stepCount(), 2);
    EXPECT_EQ(document.UndoCaption(), "Unit Changes");
    EXPECT_TRUE(document.modified());

    // Typing into one field joins into the step before it.
    int key = 0;
    Place(5, 1, &key);
    Place(5, 2, &key);
    EXPECT_EQ(document.history().stepCount(), 3);

    while (document.CanUndo())
        document.Undo();
    EXPECT_EQ(State(), opened);
    EXPECT_FALSE(document.modified());
}

TEST_F(DocumentFixture, OpenNewAndAdoptStartAFreshHistory) {
    Place(3, 2);
    ASSERT_EQ(document.Open(dir.filePath("full.scn"), log.sink()), OpenOutcome::Opened);
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.untitled());
    EXPECT_EQ(document.path(), dir.filePath("full.scn"));

    Place(3, 2);
    document.New(NewBattle(12, 12), document.symbols());
    EXPECT_FALSE(document.CanUndo());
    EXPECT_TRUE(document.modified()) << "a new battle is unsaved";
    EXPECT_TRUE(document.untitled());
    EXPECT_TRUE(document.path().isEmpty());

    // A restored battle: no way back past it, unsaved, saved to the file it came from.
    Battle restored = FullBattle();
    restored.SetTerrainSlot(7, 0, 2);
    document.Adopt(restored, document.symbols(), dir.filePath("full.scn"));
    const std::vector<uint8_t> adopted = State();
    EXPECT_FALSE(document.CanUndo());
    EXPECT_TRUE(document.modified());
    EXPECT_FALSE(document.untitled());
    Place(8, 1);
    document.Undo();
    EXPECT_EQ(State(), adopted);
    EXPECT_TRUE(document.modified()) << "undo returns to the restored battle, still unsaved";
    EXPECT_FALSE(document.CanUndo());
    ASSERT_TRUE(document.SaveTo(document.path(), SmallDefinitions(), log.sink()));
    EXPECT_FALSE(document.modified());
}

TEST_F(DocumentFixture, AFailedOpenOrSaveChangesNothing) {
    Place(3, 2);
    const std::vector<uint8_t> before = State();
    EXPECT_EQ(document.Open(dir.filePath("missing.scn"), log.sink()), OpenOutcome::ReadFailed);
    EXPECT_FALSE(
        document.SaveTo(dir.filePath("no/such/folder/x.scn"), SmallDefinitions(), log.sink()));
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(document.modified());
    EXPECT_TRUE(document.CanUndo());
    EXPECT_EQ(document.path(), dir.filePath("full.scn"));
}

// The shown battle's file carries a lock while it is shown, however it came to be shown, and
// a save there asks first when another program changed it.
TEST_F(DocumentFixture, TheShownFileIsLockedAndStampedWhateverShowedIt) {
    const QString full = dir.filePath("full.scn"), copy = dir.filePath("copy.scn");
    const auto locked = [](const QString& path) { return QFileInfo::exists(BattleLockPath(path)); };
    EXPECT_TRUE(locked(full));
    EXPECT_FALSE(document.ChangedOnDisk(full));
    {
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("x");
    }
    EXPECT_TRUE(document.ChangedOnDisk(full));
    EXPECT_FALSE(document.ChangedOnDisk(copy)) << "not this battle's file";

    ASSERT_TRUE(document.SaveTo(copy, SmallDefinitions(), log.sink()));
    EXPECT_TRUE(locked(copy));
    EXPECT_FALSE(locked(full));
    EXPECT_FALSE(document.ChangedOnDisk(copy));
    QStringList told;
    BattleDocument second;
    second.heldElsewhere = [&](const QString& path, const QString&) { told << path; };
    ASSERT_EQ(second.Open(copy, log.sink()), OpenOutcome::Opened);
    EXPECT_EQ(told, QStringList{copy});

    document.Close();
    EXPECT_FALSE(locked(copy));
    document.Adopt(FullBattle(), second.symbols(), full); // a restored battle
    EXPECT_TRUE(locked(full));
    document.New(NewBattle(12, 12), second.symbols());
    EXPECT_FALSE(locked(full));

    // A battle whose set cannot be loaded: nothing is shown, and no file held.
    Battle lost = FullBattle();
    lost.settings.symbolSetName = "gone";
    ASSERT_TRUE(WriteBattleFile(dir.filePath("lost.scn"), lost, SmallDefinitions(), 5, nullptr));
    ASSERT_EQ(document.Open(full, log.sink()), OpenOutcome::Opened);
    EXPECT_EQ(document.Open(dir.filePath("lost.scn"), log.sink()), OpenOutcome::SetFailed);
    EXPECT_FALSE(locked(full));
    EXPECT_FALSE(locked(dir.filePath("lost.scn")));
}

// The order of battle lists the units in the order the save stores them, and showing it
// leaves the battle and its history as they were.
TEST_F(DocumentFixture, OrderOfBattleReadsTheBattleWithoutAChange) {
    document.Edit("Unit Changes", [](Battle& b) {
        b.AddUnit(Unit(2, 0, 300), 61);
        b.AddUnit(Unit(1, 0, 20), 62);
    });
    const std::vector<uint8_t> before = State();
    const int steps = document.history().stepCount();
    QStringList reported;
    for (int side : {1, 2})
        for (const QStringList& row :
             OrderOfBattleReport(document.battle(), SmallDefinitions(), side).rows)
            reported << row[0];
    EXPECT_EQ(State(), before);
    EXPECT_EQ(document.history().stepCount(), steps);

    ASSERT_TRUE(document.SaveTo(dir.filePath("saved.scn"), SmallDefinitions(), log.sink()));
    QStringList saved;
    for (const UnitRecord& u : document.battle().units())
        saved << u.name.text();
    EXPECT_EQ(reported, saved);
}

TEST_F(DocumentFixture, AChangeOutsideAnEditStopsADebugBuild) {
#ifdef QT_NO_DEBUG
    GTEST_SKIP() << "the guard is an assertion of debug builds";
#else
    EXPECT_DEATH(
        {
            BattleDocumentTestAccess::Writable(document).SetTerrainSlot(2, 0, 1);
            Place(3, 2);
        },
        "outside an edit");
#endif
}

} // namespace
