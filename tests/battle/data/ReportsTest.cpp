#include "Reports.h"
#include "BattleTestSupport.h"

#include <gtest/gtest.h>

TEST(ArmyStatistics, NoUnitsShowZeroEverywhere) {
    Battle b = NewBattle();
    const ReportGrid g = ArmyStatisticsReport(b, SmallDefinitions());
    EXPECT_EQ(g.heading, "Army Statistics");
    EXPECT_EQ(g.columnHeadings, (QStringList{"", "Western Forces", "Eastern Forces"}));
    EXPECT_EQ(g.columnWidths, (QList<int>{100, 100, 100}));
    ASSERT_EQ(g.rows.size(), 6);
    const QStringList labels{"Men ",       "Units ",          "Avg. Morale",
                             "Fire Power", "Combat Strength", "Total Points"};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(g.rows[r], (QStringList{labels[r], "0", "0"}));
}

TEST(ArmyStatistics, SumsPerSideWithReinforcementsAndStrangeSides) {
    Battle b = NewBattle();
    UnitRecord archer = Unit(1, 0, 100, 100);
    archer.combatWeapon = 1;  // scaled 9
    archer.missileWeapon = 1; // v = 31, scaled 9
    archer.missileAmmo = 3;
    archer.value = 5;
    UnitRecord late = Unit(1, 0, 50, 61);
    late.activationTurn = 4;
    late.value = 2;
    UnitRecord odd = Unit(3, 0, 40, 0); // counts for side 2, morale 0
    b.AddUnit(archer, 1);
    b.AddUnit(late, 2);
    b.AddUnit(odd, 3);
    const ReportGrid g = ArmyStatisticsReport(b, SmallDefinitions());
    EXPECT_EQ(g.rows[0], (QStringList{"Men ", "150", "40"}));
    EXPECT_EQ(g.rows[1], (QStringList{"Units ", "2", "1"}));
    EXPECT_EQ(g.rows[2], (QStringList{"Avg. Morale", "80", "0"}));
    EXPECT_EQ(g.rows[3], (QStringList{"Fire Power", "9", "0"}));
    EXPECT_EQ(g.rows[4], (QStringList{"Combat Strength", "9", "0"}));
    EXPECT_EQ(g.rows[5], (QStringList{"Total Points", "7", "0"}));
}

TEST(OrderOfBattle, SideWithoutUnitsDoesNotOpen) {
    Battle b = NewBattle();
    b.AddUnit(Unit(1), 1);
    const ReportGrid g = OrderOfBattleReport(b, SmallDefinitions(), 2);
    EXPECT_FALSE(g.opens());
    EXPECT_EQ(g.refusalText, "Units for this faction have not been defined.");
    EXPECT_EQ(g.refusalTitle, "Order of Battle");
    EXPECT_TRUE(OrderOfBattleReport(b, SmallDefinitions(), 1).opens());
}

TEST(OrderOfBattle, RowsInCanonicalOrderWithEveryCell) {
    Battle b = NewBattle(20, 20);
    b.AddWingName("Left");
    UnitRecord soldier = Unit(1, 1, 100, 100);
    soldier.name = "Spears";
    soldier.unitClass = 4;
    soldier.combatWeapon = 2;
    soldier.armour = 1;
    soldier.shield = 1;
    b.AddUnit(soldier, HexAt(b, 0, 0)); // 5 away from the leader, range 4
    UnitRecord supply = Unit(1, 0, 10, 100);
    supply.name = "Wagons";
    supply.unitType = 3;
    supply.resupplyLevel = 12;
    b.AddUnit(supply, HexAt(b, 5, 2));
    UnitRecord leader = Unit(1, 0, 50, 100);
    leader.name = "Duke";
    leader.wingLeader = 1;
    leader.commandRange = 4;
    leader.leaderRating = 6;
    leader.missileWeapon = 1; // still typed as a leader
    leader.combatWeapon = 1;  // scaled 4, tenfold for a leader
    b.AddUnit(leader, HexAt(b, 5, 0));
    b.AddUnit(Unit(2), HexAt(b, 9, 9));

    const ReportGrid g = OrderOfBattleReport(b, SmallDefinitions(), 1);
    ASSERT_TRUE(g.opens());
    EXPECT_EQ(g.label, "Western Forces Order of Battle ");
    EXPECT_EQ(g.fixedColumns, 0);
    EXPECT_EQ(g.columnHeadings.size(), 15);
    EXPECT_EQ(g.columnHeadings[12], "Rtg/Rng");
    EXPECT_EQ(g.columnWidths,
              (QList<int>{115, 50, 50, 30, 40, 45, 45, 40, 35, 35, 115, 115, 45, 55, 40}));
    ASSERT_EQ(g.rows.size(), 3);
    EXPECT_EQ(g.rowUnits, (QList<int>{3, 2, 1})) << "the canonical order, numbers unchanged";
    EXPECT_EQ(b.unit(1).name.text(), "Spears") << "the report only reads the battle";

    EXPECT_EQ(g.rows[0], (QStringList{"Duke", "Leader", "Peasant", "50", "100", "4", "0%", "0", "0",
                                      "0", "Main", "Duke", "6/4", "-", "50"}));
    EXPECT_EQ(g.rows[1][0], "Wagons");
    EXPECT_EQ(g.rows[1][1], "Supply");
    EXPECT_EQ(g.rows[1][11], "Duke");
    EXPECT_EQ(g.rows[1][13], "12");
    EXPECT_EQ(g.rows[1][14], "52");
    EXPECT_EQ(g.rows[2], (QStringList{"Spears", "Infantry", "Noble", "100", "100", "24", "40%", "0",
                                      "0", "0", "Left", "None", "-", "-", "00"}));
}

TEST(Reinforcements, ListsOnlyLaterArrivalsOfTheSide) {
    Battle b = NewBattle();
    UnitRecord early = Unit(1);
    early.name = "Early";
    UnitRecord late = Unit(1, 0, 30, 70);
    late.name = "Late";
    late.activationTurn = 3;
    late.unitType = 2;
    UnitRecord enemy = Unit(2);
    enemy.activationTurn = 2;
    b.AddUnit(early, 1);
    b.AddUnit(late, 2);
    b.AddUnit(enemy, 3);
    const ReportGrid g = ReinforcementReport(b, SmallDefinitions(), 1);
    ASSERT_TRUE(g.opens());
    EXPECT_EQ(g.label, "Western Forces Reinforcement Schedule");
    ASSERT_EQ(g.rows.size(), 1);
    EXPECT_EQ(g.rows[0], (QStringList{"Late", "3", "Cavalry", "Peasant", "30", "70", "0", "0%", "0",
                                      "0", "0", "Main", "None", "-", "-"}));
    EXPECT_EQ(g.columnWidths[13], 50);
    EXPECT_EQ(g.rowUnits, QList<int>{2});

    b.DeleteUnit(2);
    const ReportGrid none = ReinforcementReport(b, SmallDefinitions(), 1);
    EXPECT_FALSE(none.opens());
    EXPECT_EQ(none.refusalText, "Reinforcements for this faction have not been defined.");
    EXPECT_EQ(none.refusalTitle, "ReinForcements");
}

TEST(ObjectiveStatus, OnlyTheFirstObjectiveWithItsHolder) {
    Battle b = NewBattle(20, 20);
    EXPECT_TRUE(ObjectiveStatusReport(b).rows.isEmpty());
    ObjectiveRecord ford;
    ford.name = "Ford";
    ford.victoryPoints = 60;
    b.AddObjective(ford, HexAt(b, 3, 14));
    b.AddObjective(ObjectiveRecord(), HexAt(b, 4, 4));
    ReportGrid g = ObjectiveStatusReport(b);
    EXPECT_EQ(g.heading, "Terrain Objective Status");
    EXPECT_EQ(g.columnWidths, (QList<int>{115, 115, 50, 50}));
    ASSERT_EQ(g.rows.size(), 1);
    EXPECT_EQ(g.rows[0], (QStringList{"Ford", "None", "60", "314"}));
    b.AddUnit(Unit(2), HexAt(b, 3, 14));
    b.AddUnit(Unit(1), HexAt(b, 4, 4));
    EXPECT_EQ(ObjectiveStatusReport(b).rows[0][1], "Eastern Forces");
}

TEST(WeaponTables, EachKindWithItsColumns) {
    const Definitions d = SmallDefinitions();
    const ReportGrid missiles = WeaponTablesReport(d, 1);
    EXPECT_EQ(missiles.heading, "Weapon Statistics");
    EXPECT_EQ(missiles.label, "Missle Weapons");
    EXPECT_EQ(missiles.gridWidth, 400);
    EXPECT_EQ(missiles.columnHeadings, (QStringList{"Weapon", "Rating", "Range", "OverHead Fire",
                                                    "Shots Per Turn", "Weight"}));
    ASSERT_EQ(missiles.rows.size(), 2);
    EXPECT_EQ(missiles.rows[0], (QStringList{"None", "0", "0", "No", "0", "0"}));
    EXPECT_EQ(missiles.rows[1], (QStringList{"Bow", "30", "8", "Yes", "2", "5"}));

    const ReportGrid combat = WeaponTablesReport(d, 2);
    EXPECT_EQ(combat.gridWidth, 245);
    EXPECT_EQ(combat.rows[2], (QStringList{"Pike", "60", "18", "9"}));
    const ReportGrid shields = WeaponTablesReport(d, 4);
    EXPECT_EQ(shields.label, "Battle Shields");
    EXPECT_EQ(shields.columnHeadings, (QStringList{"Type", "Rating", "Weight"}));
    EXPECT_EQ(shields.rows[2], (QStringList{"Kite", "40", "7"}));
    EXPECT_EQ(WeaponTablesReport(d, 3).label, "Battle Armor");
    EXPECT_TRUE(WeaponTablesReport(Definitions(), 3).rows.isEmpty());
}
