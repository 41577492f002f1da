#include "ReportTestBattle.h"

#include "ReportTable.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHeaderView>

#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

UnitRecord Unit(const char* name, int side, int wing, int men, int morale) {
    UnitRecord u;
    u.name = name;
    u.side = side;
    u.wing = wing;
    u.men = men;
    u.morale = morale;
    u.value = men / 10;
    u.combatWeapon = 1;
    return u;
}

} // namespace

void BuildReportBattle(DialogTestBench& bench) {
    Definitions& d = bench.definitions;
    d.missileWeapons = {
        {"None", 0, 0, 0, 0, 0}, {"Long Bow", 3, 6, 45, 1, 2}, {"Crossbow", 4, 5, 50, 0, 1}};
    d.combatWeapons = {{"None", 0, 0, 0}, {"Sword", 3, 1, 40}, {"Pike", 5, 3, 50}};
    d.armour = {{"None", 0, 0}, {"Mail", 30, 4}, {"Plate", 45, 7}};
    d.shields = {{"None", 0, 0}, {"Kite Shield", 15, 3}};
    d.classes = StandardUnitClasses();

    Battle& b = bench.battle;
    b.settings.mapCols = kTestCols;
    b.settings.mapRows = 12;
    b.settings.maxTurns = 20;
    b.settings.sideAName = "Western Forces";
    b.settings.sideBName = "Eastern Forces";
    b.InitNewBattle(nullptr);
    b.AddWingName("Left Wing");

    UnitRecord pikes = Unit("Black Pikes", 2, 0, 200, 60);
    pikes.combatWeapon = 2;
    pikes.unitClass = 2;
    pikes.armour = 1;
    b.AddUnit(pikes, 3 * kTestCols + 14);
    UnitRecord earl = Unit("Earl Ranulf", 1, 0, 20, 90);
    earl.wingLeader = 1;
    earl.leaderRating = 4;
    earl.commandRange = 6;
    earl.unitType = 2;
    earl.unitClass = 4;
    earl.armour = 2;
    earl.shield = 1;
    b.AddUnit(earl, 5 * kTestCols + 10);
    UnitRecord archers = Unit("Green Archers", 1, 0, 120, 70);
    archers.missileWeapon = 1;
    archers.missileAmmo = 24;
    archers.unitClass = 1;
    archers.armour = 1;
    b.AddUnit(archers, kArcherHex);
    UnitRecord horse = Unit("Relief Horse", 1, 1, 80, 75);
    horse.unitType = 2;
    horse.activationTurn = 3;
    b.AddUnit(horse, 0);
    UnitRecord baggage = Unit("Baggage Train", 2, 0, 30, 40);
    baggage.unitType = 3;
    baggage.resupplyLevel = 7;
    b.AddUnit(baggage, 8 * kTestCols + 15);
    UnitRecord levy = Unit("Late Levy", 2, 0, 150, 50);
    levy.activationTurn = 5;
    b.AddUnit(levy, 11 * kTestCols + 19);

    ObjectiveRecord bridge;
    bridge.name = "Stone Bridge";
    bridge.victoryPoints = 75;
    b.AddObjective(bridge, kArcherHex);
    ObjectiveRecord mill;
    mill.name = "Mill";
    b.AddObjective(mill, 3 * kTestCols + 14);
}

int UnitNamed(const Battle& b, const QString& name) {
    for (int n = 1; n <= b.unitCount(); ++n) {
        if (b.unit(n).name.text() == name)
            return n;
    }
    return 0;
}

QStringList GridHeadings(const ReportTable& grid) {
    QStringList out;
    for (int c = 0; c < grid.columnCount(); ++c)
        out.append(grid.CellText(-1, c));
    return out;
}

QList<int> GridWidths(const ReportTable& grid) {
    QList<int> out;
    for (int c = 0; c < grid.columnCount(); ++c)
        out.append(grid.columnWidth(c));
    return out;
}

QStringList GridRow(const ReportTable& grid, int row) {
    QStringList out;
    for (int c = 0; c < grid.columnCount(); ++c)
        out.append(grid.CellText(row, c));
    return out;
}

int GridRowNamed(const ReportTable& grid, const QString& text) {
    for (int r = 0; r < grid.rowCount(); ++r) {
        if (grid.CellText(r, 0) == text)
            return r;
    }
    return -1;
}

void ClickCell(ReportTable& grid, int row, int col) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.CellCentre(row, col));
}

void DoubleClickCell(ReportTable& grid, int row, int col) {
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.CellCentre(row, col));
}

QImage GrabWindow(QDialog& window, const QString& name) {
    const QImage picture = window.grab().toImage();
    const QString folder = qEnvironmentVariable("FM_REPORT_SHOTS");
    if (!folder.isEmpty())
        picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    return picture;
}

void ExpectColumnsFit(const ReportTable& grid, const QList<int>& atLeast) {
    const QList<int> widths = GridWidths(grid);
    ASSERT_EQ(widths.size(), atLeast.size());
    const QFontMetrics heading(grid.horizontalHeader()->font());
    const QFontMetrics cells(grid.font());
    for (int c = 0; c < int(widths.size()); ++c) {
        EXPECT_GE(widths[c], atLeast[c]) << "column " << c;
        EXPECT_GT(widths[c], heading.horizontalAdvance(grid.CellText(-1, c))) << "column " << c;
        for (int r = 0; r < grid.rowCount(); ++r)
            EXPECT_GT(widths[c], cells.horizontalAdvance(grid.CellText(r, c)))
                << "column " << c << " row " << r;
    }
}
