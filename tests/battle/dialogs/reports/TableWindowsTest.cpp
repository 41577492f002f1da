// The army statistics, the objective status and the weapon tables: what each grid
// shows, that every opening shows the battle as it is then, and the table switch.

#include "ReportTable.h"
#include "ReportTestBattle.h"
#include "TDefStats.h"
#include "TFactionOB.h"
#include "TRForceRoster.h"
#include "TStats.h"
#include "TVicHexes.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TEST(Stats, ShowsBothSidesFiguresUnderTheirNames) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TStats window(*bench.context);
    window.show();
    const ReportTable& grid = *window.grid();
    EXPECT_EQ(window.windowTitle(), "Army Statistics");
    EXPECT_EQ(grid.objectName(), "StatGrid");
    EXPECT_EQ(GridHeadings(grid), QStringList({"", "Western Forces", "Eastern Forces"}));
    ExpectColumnsFit(grid, QList<int>({100, 100, 100}));
    EXPECT_EQ(grid.fixedColumns(), 1);
    ASSERT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(GridRow(grid, 0), QStringList({"Men ", "220", "380"}));
    EXPECT_EQ(GridRow(grid, 1), QStringList({"Units ", "3", "3"}));
    EXPECT_EQ(GridRow(grid, 2), QStringList({"Avg. Morale", "78", "50"}));
    EXPECT_EQ(GridRow(grid, 3)[0], "Fire Power");
    EXPECT_EQ(GridRow(grid, 4)[0], "Combat Strength");
    // Unit values 2 + 12 + 8 and 20 + 3 + 15, and the archers hold objective 1 (75).
    EXPECT_EQ(GridRow(grid, 5), QStringList({"Total Points", "97", "38"}));
    EXPECT_TRUE(window.label()->isHidden()); // the report has no text above the grid
}

TEST(Stats, EveryOpeningShowsTheBattleAsItIsThen) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TStats window(*bench.context);
    window.show();
    ASSERT_EQ(GridRow(*window.grid(), 1), QStringList({"Units ", "3", "3"}));
    window.hide();
    UnitRecord more;
    more.side = 2;
    bench.battle.AddUnit(more, 40);
    window.show();
    EXPECT_EQ(GridRow(*window.grid(), 1), QStringList({"Units ", "3", "4"}));
}

TEST(Stats, RowClicksAndOkPlayTheClick) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TStats window(*bench.context);
    window.show();
    ClickCell(*window.grid(), 4, 2);
    EXPECT_EQ(window.logic().selectedRow(), 4);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick}));
    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 1);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>({SoundClick, SoundClick}));
}

TEST(VicHexes, ShowsObjectiveOneAndItsHolder) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TVicHexes window(*bench.context);
    window.show();
    const ReportTable& grid = *window.grid();
    EXPECT_EQ(window.windowTitle(), "Terrain Objective Status");
    EXPECT_EQ(GridHeadings(grid), QStringList({"Objective", "Owner", "Value", "Hex"}));
    ExpectColumnsFit(grid, QList<int>({115, 115, 50, 50}));
    ASSERT_EQ(grid.rowCount(), 1); // the mill, objective 2, is not listed
    EXPECT_EQ(GridRow(grid, 0), QStringList({"Stone Bridge", "Western Forces", "75", "512"}));

    // The archers leave the bridge: nobody holds it at the next opening.
    window.hide();
    bench.battle.MoveUnit(UnitNamed(bench.battle, "Green Archers"), kArcherHex + 1);
    window.show();
    EXPECT_EQ(GridRow(grid, 0)[1], "None");
}

TEST(VicHexes, BattleWithoutObjectivesShowsTheHeadingAlone) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    bench.battle.DeleteObjective(2);
    bench.battle.DeleteObjective(1);
    TVicHexes window(*bench.context);
    window.show();
    EXPECT_EQ(window.grid()->rowCount(), 0);
    EXPECT_EQ(GridHeadings(*window.grid()).size(), 4);
    ClickCell(*window.grid(), 0, 0);
    EXPECT_EQ(window.logic().selectedRow(), -1);
}

struct TableCase {
    int kind;
    QString title;
    QStringList headings;
    QList<int> widths;
    int gridWidth;
    QStringList secondRow;
};

TEST(DefStats, EachKindShowsItsTableAtItsWidthInOneWindow) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    const TableCase cases[] = {
        {1,
         "Missle Weapons",
         {"Weapon", "Rating", "Range", "OverHead Fire", "Shots Per Turn", "Weight"},
         {100, 40, 40, 75, 80, 40},
         400,
         {"Long Bow", "45", "6", "Yes", "2", "3"}},
        {2,
         "Combat Weapons",
         {"Weapon", "Rating", "Length", "Weight"},
         {100, 40, 40, 40},
         245,
         {"Sword", "40", "1", "3"}},
        {3, "Battle Armor", {"Type", "Rating", "Weight"}, {100, 40, 40}, 205, {"Mail", "30", "4"}},
        {4,
         "Battle Shields",
         {"Type", "Rating", "Weight"},
         {100, 40, 40},
         205,
         {"Kite Shield", "15", "3"}},
    };
    const int rowCounts[] = {3, 3, 3, 2};
    TDefStats window(*bench.context);
    int windowWidth = 0;
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.kind);
        window.setWeaponTableKind(c.kind);
        window.show();
        const ReportTable& grid = *window.grid();
        EXPECT_EQ(window.windowTitle(), "Weapon Statistics");
        EXPECT_EQ(window.label()->text(), c.title);
        EXPECT_EQ(GridHeadings(grid), c.headings);
        ExpectColumnsFit(grid, c.widths);
        EXPECT_GE(grid.width(), c.gridWidth);
        EXPECT_EQ(grid.rowCount(), rowCounts[c.kind - 1]);
        EXPECT_EQ(GridRow(grid, 1), c.secondRow);
        // Centred: as much room on the left of the grid as on the right.
        const int left = grid.mapTo(&window, QPoint(0, 0)).x();
        EXPECT_LE(std::abs(left - (window.width() - left - grid.width())), 1);
        // The window holds the widest of the tables.
        windowWidth = std::max(windowWidth, grid.width());
        EXPECT_GE(window.width(), grid.width());
        window.hide();
    }
}

TEST(DefStats, CrossbowIsNoOverheadWeaponAndEmptyTablesShowTheHeading) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TDefStats window(*bench.context);
    window.setWeaponTableKind(1);
    window.show();
    EXPECT_EQ(GridRow(*window.grid(), 2)[3], "No");
    window.hide();
    bench.definitions.shields.clear();
    window.setWeaponTableKind(4);
    window.show();
    EXPECT_EQ(window.grid()->rowCount(), 0);
    EXPECT_EQ(GridHeadings(*window.grid()).size(), 3);
    window.hide();
    window.setWeaponTableKind(7); // no such table: an empty window, not a crash
    window.show();
    EXPECT_EQ(window.grid()->columnCount(), 0);
}

// Every window pictured offscreen: it paints at its laid-out size. Setting
// FM_REPORT_SHOTS to a folder keeps the pictures for looking at them.
TEST(ReportWindows, PaintAtTheirSize) {
    DialogTestBench bench;
    BuildReportBattle(bench);
    TStats stats(*bench.context);
    TVicHexes objectives(*bench.context);
    TDefStats tables(*bench.context);
    TFactionOB west(*bench.context);
    west.logic().side = 1;
    TRForceRoster roster(*bench.context);
    std::pair<QDialog*, QString> windows[] = {{&stats, "stats"},
                                              {&objectives, "objectives"},
                                              {&west, "order-of-battle"},
                                              {&roster, "reinforcements"},
                                              {&tables, "weapons"}};
    for (auto& [window, name] : windows) {
        window->show();
        if (window == &west)
            ClickCell(*west.grid(), 1, 0); // the selection pictured as well
        const QImage picture = GrabWindow(*window, name);
        EXPECT_EQ(picture.size(), window->size() * picture.devicePixelRatio())
            << name.toStdString();
        EXPECT_GT(window->width(), 200) << name.toStdString();
    }
    tables.hide();
    tables.setWeaponTableKind(3);
    tables.show();
    GrabWindow(tables, "armour");
    west.hide();
    west.logic().side = 2;
    west.show();
    GrabWindow(west, "order-of-battle-east");
}

} // namespace
