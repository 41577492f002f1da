// The battle-settings dialog's rules: what it shows of the battle, its refusals, and
// what OK writes.

#include "DialogTestSupport.h"
#include "ModifyBattleLogic.h"

#include <gtest/gtest.h>

namespace {

class ModifyBattle : public ::testing::Test {
protected:
    ModifyBattle() : logic(*bench.context) {
        logic.showMessage = bench.Shower();
        BattleSettings& s = bench.battle.settings;
        s.battleName = "Agincourt";
        s.sideAName = "English";
        s.sideBName = "French";
        s.history[0] = "Mud.";
        s.history[2] = "Arrows.";
        s.maxTurns = 0;
        s.iconName = "bow";
    }

    DialogTestBench bench;
    ModifyBattleLogic logic;
};

TEST_F(ModifyBattle, OpeningShowsTheBattlesSettings) {
    // The icons folder is found whatever the letter case of the file.
    bench.WriteIcon("BOW.bmp", Qt::darkGreen);
    logic.FormActivate();
    EXPECT_EQ(logic.entries.battleName, "Agincourt");
    EXPECT_EQ(logic.entries.sideAName, "English");
    EXPECT_EQ(logic.entries.sideBName, "French");
    EXPECT_EQ(logic.entries.history, "Mud.\n\nArrows.");
    EXPECT_EQ(logic.turnsText(), "Max Turns: 30");
    EXPECT_EQ(logic.iconName, "bow");
    EXPECT_EQ(logic.iconPreview().size(), QSize(120, 120));
    EXPECT_EQ(logic.iconPreview().pixelColor(60, 60), QColor(Qt::darkGreen));
}

TEST_F(ModifyBattle, MissingIconFileShowsNoPicture) {
    logic.FormActivate();
    EXPECT_EQ(logic.iconName, "bow");
    EXPECT_TRUE(logic.iconPreview().isNull());
}

TEST_F(ModifyBattle, RefusedOkChangesNothing) {
    logic.FormActivate();
    logic.TrnUpDnClick(true);
    logic.entries.battleName = "Crecy";
    logic.entries.sideBName.clear();
    EXPECT_FALSE(logic.OKClick());
    ASSERT_EQ(bench.boxRequests.size(), 1u);
    EXPECT_EQ(bench.boxRequests[0], std::make_pair(12, 1));
    EXPECT_EQ(bench.battle.settings.battleName.text(), "Agincourt");
    EXPECT_EQ(bench.battle.settings.sideBName.text(), "French");
    EXPECT_EQ(bench.battle.settings.maxTurns, 0);
    EXPECT_FALSE(bench.document.modified());

    logic.entries.battleName.clear();
    EXPECT_FALSE(logic.OKClick());
    EXPECT_EQ(bench.boxRequests.back(), std::make_pair(10, 1));
}

TEST_F(ModifyBattle, OkStoresEverythingAndMarksTheBattleModified) {
    const QString path = bench.WriteIcon("crown.bmp", Qt::yellow);
    logic.FormActivate();
    logic.entries.battleName = "Crecy";
    logic.entries.history = "One\nTwo";
    logic.TrnUpDnClick(false);
    ASSERT_TRUE(logic.Button2Click(path));
    ASSERT_TRUE(logic.OKClick());
    const BattleSettings& s = bench.battle.settings;
    EXPECT_EQ(s.battleName.text(), "Crecy");
    EXPECT_EQ(s.sideAName.text(), "English");
    EXPECT_EQ(s.history[1].text(), "Two");
    EXPECT_TRUE(s.history[2].empty());
    EXPECT_EQ(s.maxTurns, 29);
    EXPECT_EQ(s.iconName.text(), "crown");
    EXPECT_EQ(bench.context->iconPicture.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_TRUE(bench.document.modified());
    EXPECT_TRUE(bench.boxRequests.empty());
}

TEST_F(ModifyBattle, UnchangedOkKeepsTheDescriptionLineForLine) {
    for (int i = 0; i < kHistoryLines; ++i)
        bench.battle.settings.history[size_t(i)].assign(i % 3 == 0 ? QString()
                                                                   : QString::number(i));
    const BattleSettings before = bench.battle.settings;
    logic.FormActivate();
    ASSERT_TRUE(logic.OKClick());
    EXPECT_TRUE(bench.battle.settings.history == before.history);
}

TEST_F(ModifyBattle, LongNamesFromAFileSurviveAnOkUnlessChanged) {
    BattleSettings& s = bench.battle.settings;
    const QString battle = "The Battle of Varnholm Ford 1",
                  side = "The Western Forces of the Northern Marches";
    s.battleName.assign(battle);
    s.sideAName.assign(side);
    logic.FormActivate();
    ASSERT_TRUE(logic.OKClick());
    EXPECT_EQ(s.battleName.text(), battle);
    EXPECT_EQ(s.sideAName.text(), side);
    logic.FormActivate();
    logic.entries.sideAName = side + "s"; // typed: cut as every typed name is
    ASSERT_TRUE(logic.OKClick());
    EXPECT_EQ(s.sideAName.text(), side.left(20));
    EXPECT_EQ(s.battleName.text(), battle);
}

} // namespace
