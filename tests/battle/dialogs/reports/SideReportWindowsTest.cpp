// The order of battle and the reinforcement schedule of one side: the order of battle
// lists the units in the canonical order of the save without renumbering them, and a
// double click answers with the unit of the row.

#include "FactionOBLogic.h"
#include "ReportTable.h"
#include "ReportTestBattle.h"
#include "TFactionOB.h"
#include "TRForceRoster.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TEST(FactionOB, ShowsEveryUnitOfTheSideWithItsColumns) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TFactionOB window(*bench.context);
    window.logic().side = 1;
    window.show();
    const ReportTable& grid = *window.grid();
    EXPECT_EQ(grid.objectName(), "OBGrid");
    EXPECT_EQ(window.label()->text(), "Western Forces Order of Battle ");
    EXPECT_EQ(window.closeButton()->text(), "Exit");
    EXPECT_EQ(GridHeadings(grid),
              QStringList({"Unit", "Type", "Class", "Men", "Morale", "Combat", "Defense", "Missile",
                           "Ammo", "Value", "Group", "Leader", "Rtg/Rng", "Supply Lvl", "Hex"}));
    ExpectColumnsFit(grid,
                     QList<int>({115, 50, 50, 30, 40, 45, 45, 40, 35, 35, 115, 115, 45, 55, 40}));
    EXPECT_EQ(grid.fixedColumns(), 0);
    ASSERT_EQ(grid.rowCount(), 3); // reinforcements included, the other side left out
    EXPECT_GE(GridRowNamed(grid, "Relief Horse"), 0);
    EXPECT_EQ(GridRowNamed(grid, "Black Pikes"), -1);

    const QStringList archers = GridRow(grid, GridRowNamed(grid, "Green Archers"));
    EXPECT_EQ(archers[1], "Missile");
    EXPECT_EQ(archers[3], "120");
    EXPECT_EQ(archers[8], "24");
    EXPECT_EQ(archers[10], "Main");
    EXPECT_EQ(archers[11], "Earl Ranulf");
    EXPECT_EQ(archers[12], "-");
    EXPECT_EQ(archers[14], "512");
    const QStringList earl = GridRow(grid, GridRowNamed(grid, "Earl Ranulf"));
    EXPECT_EQ(earl[1], "Leader");
    EXPECT_EQ(earl[12], "4/6");
    // Every cell is the report's own text.
    for (int r = 0; r < grid.rowCount(); ++r)
        EXPECT_EQ(GridRow(grid, r), window.logic().grid().rows[r]);
}

TEST(FactionOB, RowsFollowTheCanonicalOrderAndTheUnitsKeepTheirNumbers) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    ASSERT_EQ(UnitNamed(bench.battle, "Green Archers"), 3);
    FactionOBLogic logic(*bench.context);
    logic.side = 1;
    logic.FormActivate();
    // The leader before the archers, and nobody renumbered.
    EXPECT_EQ(logic.grid().rows[0][0], "Earl Ranulf");
    EXPECT_EQ(logic.grid().rows[1][0], "Green Archers");
    EXPECT_EQ(UnitNamed(bench.battle, "Green Archers"), 3);
    ASSERT_EQ(logic.grid().rowUnits.size(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(bench.battle.unit(logic.UnitOfRow(row)).name.text(), logic.grid().rows[row][0]);
    EXPECT_EQ(logic.GridDblClick(1), 3);
    EXPECT_EQ(bench.battle.unit(logic.chosenUnit()).hex, kArcherHex);
    // Rows that are not there choose nothing.
    EXPECT_EQ(logic.GridDblClick(3), 0);
    EXPECT_EQ(logic.GridDblClick(-1), 0);
    EXPECT_EQ(logic.chosenUnit(), 0);
}

TEST(FactionOB, EasternSideRowsNameTheirOwnUnits) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    FactionOBLogic logic(*bench.context);
    logic.side = 2;
    logic.FormActivate();
    ASSERT_EQ(logic.grid().rows.size(), 3);
    EXPECT_EQ(logic.grid().label, "Eastern Forces Order of Battle ");
    for (int row = 0; row < 3; ++row) {
        const UnitRecord& u = bench.battle.unit(logic.UnitOfRow(row));
        EXPECT_EQ(u.side, 2);
        EXPECT_EQ(u.name.text(), logic.grid().rows[row][0]);
    }
}

// The wing box of an order of battle lists the side's own wings first, as the unit editor
// does, and a row of it names that wing of the battle's single table.
TEST(FactionOB, WingChoicesPutTheSidesOwnWingsFirst) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    bench.battle.AddWingName("Rear"); // wing 2, after "Left Wing"
    const int pikes = UnitNamed(bench.battle, "Black Pikes");
    UnitRecord moved = bench.battle.unit(pikes);
    moved.wing = 2; // the Eastern side uses "Main" and "Rear"
    bench.battle.UpdateUnit(pikes, moved);
    FactionOBLogic logic(*bench.context);
    logic.side = 2;
    logic.FormActivate();
    EXPECT_EQ(logic.wingNames(), QStringList({"Main", "Rear", "Left Wing"}));
    EXPECT_TRUE(logic.SetWingClick({0, 1, 2}, 2)); // the row of "Left Wing"
    for (const UnitRecord& u : bench.battle.units()) {
        if (u.side == 2) {
            EXPECT_EQ(u.wing, 1) << u.name.text().toStdString();
        }
    }
    EXPECT_FALSE(logic.SetWingClick({0}, 3)); // no such row
    logic.side = 1;
    EXPECT_EQ(logic.wingNames(), QStringList({"Main", "Left Wing", "Rear"}));
}

TEST(FactionOBWindow, DoubleClickClosesWithTheUnitAndExitWithNone) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TFactionOB window(*bench.context);
    window.logic().side = 1;
    window.show();
    ReportTable& grid = *window.grid();
    const int row = GridRowNamed(grid, "Green Archers");
    ASSERT_GE(row, 0);

    ClickCell(grid, row, 3);
    EXPECT_EQ(window.logic().selectedRow(), row);
    EXPECT_EQ(grid.currentRow(), row);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick}));

    DoubleClickCell(grid, row, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), UnitNamed(bench.battle, "Green Archers"));

    // Opened again: a fresh report, no answer until one is chosen.
    window.show();
    EXPECT_EQ(window.logic().chosenUnit(), 0);
    EXPECT_EQ(window.logic().selectedRow(), -1);
    bench.sounds->ClearPlayed();
    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick}));
}

// The wing box is as wide as its longest wing, also when a longer wing was added after
// the window was first shown.
TEST(FactionOBWindow, WingBoxShowsItsLongestWingWhole) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TFactionOB window(*bench.context);
    auto* box = window.findChild<QComboBox*>("OBWing");
    ASSERT_TRUE(box);
    window.logic().side = 1;
    window.show();
    window.hide();
    const QString longest = QStringLiteral("Relief Column of Holt");
    bench.battle.AddWingName(longest);
    window.show();
    QCoreApplication::processEvents(); // the layout takes the new sizes
    ASSERT_GE(box->findText(longest), 0);
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(longest));
}

// The same window serves both sides: the other side's wing chosen before is not offered first.
TEST(FactionOBWindow, EachOpeningStartsOnTheSidesFirstWing) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TFactionOB window(*bench.context);
    auto* box = window.findChild<QComboBox*>("OBWing");
    ASSERT_TRUE(box);
    window.logic().side = 1;
    window.show();
    box->setCurrentIndex(box->count() - 1);
    window.hide();
    window.logic().side = 2;
    window.show();
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(box->currentText(), window.logic().wingNames().front());
}

TEST(FactionOBWindow, DoubleClickBelowTheRowsKeepsTheWindowOpen) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TFactionOB window(*bench.context);
    window.logic().side = 2;
    window.show();
    ReportTable& grid = *window.grid();
    const QPoint below(20, grid.viewport()->height() - 2); // 18 visible rows, 3 filled
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.logic().chosenUnit(), 0);
}

TEST(FactionOBWindow, SideWithoutUnitsShowsWhyAndAnswersNothing) {
    DialogTestBench bench;
    bench.battle.settings.mapCols = 10;
    bench.battle.settings.mapRows = 10;
    bench.battle.InitNewBattle(nullptr);
    UnitRecord lone;
    lone.side = 1;
    bench.battle.AddUnit(lone, 5);
    TFactionOB window(*bench.context);
    window.logic().side = 2;
    window.show();
    EXPECT_EQ(window.grid()->rowCount(), 0);
    EXPECT_EQ(window.label()->text(), "Units for this faction have not been defined.");
    EXPECT_EQ(window.logic().GridDblClick(0), 0);
    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    EXPECT_EQ(window.result(), 0);
}

TEST(RForceRoster, ListsTheSidesLateArrivalsWithoutReordering) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TRForceRoster window(*bench.context);
    window.logic().side = 1;
    window.show();
    const ReportTable& grid = *window.grid();
    EXPECT_EQ(grid.objectName(), "RFGrid");
    EXPECT_EQ(window.label()->text(), "Western Forces Reinforcement Schedule");
    EXPECT_EQ(GridHeadings(grid), QStringList({"Unit", "Arrival", "Type", "Class", "Men", "Morale",
                                               "Combat", "Defense", "Missile", "Ammo", "Value",
                                               "Group", "Leader", "Rtg/Rng", "Supply Lvl"}));
    ExpectColumnsFit(grid,
                     QList<int>({115, 60, 50, 50, 30, 40, 40, 45, 40, 35, 35, 115, 115, 50, 60}));
    EXPECT_EQ(grid.fixedColumns(), 1);
    ASSERT_EQ(grid.rowCount(), 1);
    const QStringList horse = GridRow(grid, 0);
    EXPECT_EQ(horse[0], "Relief Horse");
    EXPECT_EQ(horse[1], "3");
    EXPECT_EQ(horse[2], "Cavalry");
    EXPECT_EQ(horse[11], "Left Wing");
    EXPECT_EQ(horse[12], "None");
    EXPECT_EQ(UnitNamed(bench.battle, "Green Archers"), 3); // not renumbered

    window.logic().side = 2;
    window.hide();
    window.show();
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(GridRow(grid, 0)[0], "Late Levy");
    EXPECT_EQ(window.label()->text(), "Eastern Forces Reinforcement Schedule");
}

TEST(RForceRoster, ClickSelectsAndOkClosesWithOne) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TRForceRoster window(*bench.context);
    window.logic().side = 2;
    window.show();
    ClickCell(*window.grid(), 0, 4);
    EXPECT_EQ(window.logic().selectedRow(), 0);
    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    EXPECT_EQ(window.result(), 1);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick, SoundClick}));
}

TEST(RForceRoster, SideWithoutReinforcementsShowsWhy) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    bench.battle.DeleteUnit(UnitNamed(bench.battle, "Late Levy"));
    TRForceRoster window(*bench.context);
    window.logic().side = 2;
    window.show();
    EXPECT_EQ(window.grid()->rowCount(), 0);
    EXPECT_EQ(window.label()->text(), "Reinforcements for this faction have not been defined.");
    ClickCell(*window.grid(), 0, 0); // nothing there
    EXPECT_EQ(window.logic().selectedRow(), -1);
}

} // namespace
