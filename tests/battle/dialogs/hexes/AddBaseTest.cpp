#include "AddBaseLogic.h"
#include "HexTestSupport.h"
#include "TAddBase.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct AddBase : ::testing::Test {
    HexBench bench;
    AddBaseLogic logic{*bench.context};

    void OpenOn(int h) {
        bench.context->currentHex = h;
        logic.FormActivate();
    }
    int StoreNewOn(int h, const QString& name) {
        OpenOn(h);
        logic.AddBtnClick();
        logic.SymNameChange(name);
        logic.Button1Click();
        return bench.battle.hex(h).structureNo;
    }
};

TEST_F(AddBase, NewStructureOnASideTwoUnitsHexBelongsToSideTwoAndStaysWhileTheUnitDoes) {
    bench.PlaceUnit(23, 2, 1);
    OpenOn(23);
    EXPECT_FALSE(logic.groupsEnabled());
    EXPECT_FALSE(logic.removeEnabled());
    EXPECT_TRUE(logic.addEnabled());
    EXPECT_EQ(bench.context->terrainSelection, 3); // the first row's symbol
    logic.AddBtnClick();
    EXPECT_FALSE(logic.sideAChecked());
    EXPECT_FALSE(logic.sideAEnabled());
    EXPECT_TRUE(logic.sideBEnabled());
    logic.ASideBtnClick(); // disabled: no effect
    EXPECT_FALSE(logic.sideAChecked());
    EXPECT_EQ(logic.name(), "New Structure");
    logic.TerListClick(2);
    EXPECT_EQ(logic.Button1Click(), 1);

    ASSERT_EQ(bench.battle.structures().count(), 1);
    const StructureRecord& s = bench.battle.structures()[1];
    EXPECT_EQ(s.side, 2);
    EXPECT_EQ(s.hex, 23);
    EXPECT_EQ(s.symbol, 1);
    EXPECT_EQ(s.name.text(), "New Structure");
    EXPECT_EQ(s.defenceModifier, 0);
    EXPECT_EQ(s.supplyLevel, 1);
    EXPECT_EQ(s.height, 1);
    EXPECT_EQ(s.reserved2, 0);
    EXPECT_EQ(s.reserved3, 1);
    EXPECT_EQ(bench.battle.hex(23).structureNo, 1);

    OpenOn(23);
    EXPECT_EQ(logic.shownStructure(), 1);
    EXPECT_EQ(logic.row(), 2);
    EXPECT_FALSE(logic.removeEnabled());
    EXPECT_FALSE(logic.addEnabled());
    EXPECT_FALSE(logic.sideAEnabled());
}

TEST_F(AddBase, AddIsRefusedWhenTheTableIsFull) {
    for (int h = 0; h < kMaxStructures; ++h)
        bench.battle.AddStructure(StructureRecord(), h);
    const StructureTable before = bench.battle.structures();
    OpenOn(kMaxStructures);
    bench.sounds->ClearPlayed();
    logic.AddBtnClick();
    // Nothing to edit appears, so nothing typed is thrown away on "Exit".
    EXPECT_FALSE(logic.isNew());
    EXPECT_FALSE(logic.groupsEnabled());
    EXPECT_TRUE(logic.addEnabled());
    EXPECT_EQ(bench.sounds->played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(bench.refusals.size(), 1);
    logic.Button1Click();
    EXPECT_EQ(bench.battle.structures(), before);
    EXPECT_EQ(bench.battle.hex(kMaxStructures).structureNo, 0);
}

TEST_F(AddBase, RemovingTheSecondOfThreeRenumbersTheThirdsHex) {
    StoreNewOn(5, "One");
    StoreNewOn(6, "Two");
    StoreNewOn(7, "Three");
    OpenOn(6);
    EXPECT_TRUE(logic.removeEnabled());
    EXPECT_EQ(logic.RemBtnClick(), 1);
    EXPECT_EQ(bench.battle.structures().count(), 2);
    EXPECT_EQ(bench.battle.hex(6).structureNo, 0);
    EXPECT_EQ(bench.battle.hex(7).structureNo, 2);
    EXPECT_EQ(bench.battle.hex(5).structureNo, 1);
    OpenOn(7);
    EXPECT_EQ(logic.shownStructure(), 2);
    EXPECT_EQ(logic.name(), "Three");
}

TEST_F(AddBase, RemoveOfAStructureNeverStoredTakesNoOtherStructure) {
    StoreNewOn(5, "One");
    StoreNewOn(6, "Two");
    OpenOn(9);
    logic.AddBtnClick();
    EXPECT_TRUE(logic.removeEnabled());
    logic.RemBtnClick();
    EXPECT_EQ(bench.battle.structures().count(), 2);
    EXPECT_EQ(bench.battle.structures()[1].name.text(), "One");
    EXPECT_EQ(bench.battle.hex(9).structureNo, 0);
}

TEST_F(AddBase, StepsStayInRangeAndReachTheRecordOnlyOnExit) {
    StoreNewOn(4, "Keep");
    OpenOn(4);
    for (int i = 0; i < 120; ++i) {
        logic.DefUDClick(false);
        logic.RSplUDClick(true);
        logic.ElvUDClick(true);
    }
    EXPECT_EQ(logic.defenceText(), "Defensive Mod: -8");
    EXPECT_EQ(logic.supplyText(), "Supply Level: 100");
    EXPECT_EQ(logic.heightText(), "Height: 10");
    EXPECT_EQ(bench.battle.structures()[1].height, 1);
    logic.SymNameChange("A name far longer than the record holds");
    EXPECT_EQ(logic.name().size(), 27);
    logic.BSideBtnClick();
    logic.Button1Click();
    const StructureRecord& s = bench.battle.structures()[1];
    EXPECT_EQ(s.defenceModifier, -8);
    EXPECT_EQ(s.supplyLevel, 100);
    EXPECT_EQ(s.height, 10);
    EXPECT_EQ(s.side, 2);
    EXPECT_EQ(s.name.text(), "A name far longer than the ");
    for (int i = 0; i < 120; ++i) {
        logic.DefUDClick(true);
        logic.RSplUDClick(false);
        logic.ElvUDClick(false);
    }
    EXPECT_EQ(logic.defenceText(), "Defensive Mod: 8");
    EXPECT_EQ(logic.supplyText(), "Supply Level: 0");
    EXPECT_EQ(logic.heightText(), "Height: 0");
}

TEST_F(AddBase, WindowEnablesTheGroupsOnAddAndStoresOnExit) {
    TAddBase dialog(*bench.context);
    bench.context->currentHex = 12;
    QTimer::singleShot(0, &dialog, [&] {
        auto* name = dialog.findChild<QLineEdit*>("SymName");
        auto* faction = dialog.findChild<QGroupBox*>("FactionBox");
        ASSERT_TRUE(name && faction);
        EXPECT_EQ(name->maxLength(), 27);
        EXPECT_FALSE(faction->isEnabled());
        EXPECT_EQ(dialog.findChild<QRadioButton*>("BSideBtn")->text(), "Eastern Forces");
        dialog.findChild<QPushButton*>("AddBtn")->click();
        EXPECT_TRUE(faction->isEnabled());
        EXPECT_TRUE(dialog.findChild<QPushButton*>("RemBtn")->isEnabled());
        EXPECT_EQ(name->text(), "New Structure");
        dialog.findChild<QPushButton*>("Exit")->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(bench.battle.hex(12).structureNo, 1);
}

} // namespace
