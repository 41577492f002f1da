#pragma once
// The contents of the five reports as plain text grids; a window only shows them.

#include <QList>
#include <QString>
#include <QStringList>

class Battle;
struct Definitions;

struct ReportGrid {
    QString heading;            // the window's heading
    QString label;              // the text above the grid
    QStringList columnHeadings; // the fixed heading row
    QList<int> columnWidths;    // pixels
    QList<QStringList> rows;    // the rows below the heading, one text per column
    int fixedColumns = 1;       // leading columns shown as fixed
    int gridWidth = 0;          // a grid centred at this width; 0 = the columns' sum
    QList<int> rowUnits;        // order of battle: the unit shown in each row

    // A side report with nothing to show does not open; the message dialog shows this.
    QString refusalText;
    QString refusalTitle;
    bool opens() const { return refusalText.isEmpty(); }
};

// Men, units, average morale, fire power, combat strength and points of both sides.
ReportGrid ArmyStatisticsReport(const Battle& b, const Definitions& defs);
// Every unit of the side, in the canonical order of the save; the battle is only read.
ReportGrid OrderOfBattleReport(const Battle& b, const Definitions& defs, int reportSide);
// The side's units arriving on turn 2 or later, in unit-number order.
ReportGrid ReinforcementReport(const Battle& b, const Definitions& defs, int reportSide);
// Objective 1 with its holder; no row when the battle has no objective.
ReportGrid ObjectiveStatusReport(const Battle& b);
// weaponTableKind 1 missile weapons, 2 combat weapons, 3 armour, 4 shields.
ReportGrid WeaponTablesReport(const Definitions& defs, int weaponTableKind);

// Cell texts shared by the side reports.
QString UnitTypeText(const Battle& b, int unitNo);
QString UnitClassText(int unitClass);
QString WingNameText(const Battle& b, int wing);
QString LeaderRatingText(const Battle& b, int unitNo); // "rating/range" or "-"
QString SupplyLevelText(const Battle& b, int unitNo);  // supply units only, else "-"
