#include "AddVHexLogic.h"
#include "HexTestSupport.h"
#include "TAddVHex.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct AddVHex : ::testing::Test {
    HexBench bench;
    AddVHexLogic logic{*bench.context};

    void OpenOn(int h) {
        bench.context->currentHex = h;
        logic.FormActivate();
    }
};

TEST_F(AddVHex, ObjectiveAddedAndNeverNamedIsALandObjectiveOfFiftyPoints) {
    OpenOn(31);
    EXPECT_TRUE(logic.addEnabled());
    EXPECT_FALSE(logic.groupEnabled());
    EXPECT_EQ(logic.pointsText(), "Victory Points: 0");
    logic.AddBtnClick();
    EXPECT_EQ(logic.shownObjective(), 1);
    EXPECT_EQ(logic.nameText(), "");
    EXPECT_EQ(logic.pointsText(), "Victory Points: 50");
    EXPECT_TRUE(logic.removeEnabled());
    EXPECT_FALSE(logic.addEnabled());
    EXPECT_EQ(logic.ExitClick(), 1);
    const ObjectiveRecord& o = bench.battle.objectives()[1];
    EXPECT_EQ(o.name.text(), "Land Objective");
    EXPECT_EQ(o.victoryPoints, 50);
    EXPECT_EQ(o.kind, 1);
    EXPECT_EQ(o.hex, 31);
    EXPECT_EQ(bench.battle.hex(31).objectiveNo, 1);
    EXPECT_TRUE(bench.document.modified());
}

TEST_F(AddVHex, RemovingTheFirstOfTwoMakesTheSecondNumberOneOnItsOwnHex) {
    OpenOn(3);
    logic.AddBtnClick();
    OpenOn(8);
    logic.AddBtnClick();
    logic.SymNameChange("Bridge");
    OpenOn(3);
    EXPECT_EQ(logic.RemBtnClick(), 1);
    ASSERT_EQ(bench.battle.objectives().count(), 1);
    EXPECT_EQ(bench.battle.objectives()[1].hex, 8);
    EXPECT_EQ(bench.battle.objectives()[1].name.text(), "Bridge");
    EXPECT_EQ(bench.battle.hex(8).objectiveNo, 1);
    EXPECT_EQ(bench.battle.hex(3).objectiveNo, 0);
    OpenOn(8);
    EXPECT_EQ(logic.nameText(), "Bridge");
}

TEST_F(AddVHex, AddIsRefusedWhenTheTableIsFull) {
    for (int h = 0; h < kMaxObjectives; ++h)
        bench.battle.AddObjective(ObjectiveRecord(), h);
    const ObjectiveTable before = bench.battle.objectives();
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    OpenOn(kMaxObjectives);
    bench.sounds->ClearPlayed();
    logic.AddBtnClick();
    EXPECT_EQ(logic.shownObjective(), 0);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(bench.refusals.size(), 1);
    EXPECT_TRUE(logic.addEnabled());
    EXPECT_EQ(bench.battle.objectives(), before);
    EXPECT_FALSE(bench.document.modified());
}

TEST_F(AddVHex, PointsStayWithinZeroToHundredAndNamesAtTwentyCharacters) {
    OpenOn(40);
    logic.AddBtnClick();
    for (int i = 0; i < 60; ++i)
        logic.VpUDClick(true);
    EXPECT_EQ(bench.battle.objectives()[1].victoryPoints, 100);
    for (int i = 0; i < 120; ++i)
        logic.VpUDClick(false);
    EXPECT_EQ(logic.pointsText(), "Victory Points: 0");
    logic.SymNameChange("The long road to the northern ford");
    EXPECT_EQ(bench.battle.objectives()[1].name.text(), "The long road to the");
}

TEST_F(AddVHex, WindowStoresWhatIsTypedAfterAdd) {
    TAddVHex dialog(*bench.context);
    bench.context->currentHex = 15;
    QTimer::singleShot(0, &dialog, [&] {
        auto* name = dialog.findChild<QLineEdit*>("SymName");
        ASSERT_TRUE(name);
        EXPECT_FALSE(dialog.findChild<QGroupBox*>("SymbolBox")->isEnabled());
        dialog.findChild<QPushButton*>("AddBtn")->click();
        EXPECT_EQ(dialog.findChild<QLabel*>("VptLbl")->text(), "Victory Points: 50");
        QTest::keyClicks(name, "Hill");
        dialog.findChild<QPushButton*>("Exit")->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(bench.battle.objectives()[1].name.text(), "Hill");
}

} // namespace
