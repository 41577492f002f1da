// Army statistics, order of battle and reinforcement schedule. In every report a unit
// whose side is not 1 belongs to side 2.

#include "Reports.h"

#include "Battle.h"
#include "BattleStandings.h"
#include "CanonicalOrder.h"
#include "Definitions.h"
#include "HexValues.h"
#include "UnitSides.h"
#include "UnitStrength.h"

namespace {

QString N(int v) {
    return QString::number(v);
}

QString SideName(const Battle& b, int side) {
    return side == 1 ? b.settings.sideAName.text() : b.settings.sideBName.text();
}

QString DefenceText(const Definitions& defs, const UnitRecord& u) {
    return N(UnitDefence(defs, u)) + QLatin1Char('%');
}

} // namespace

ReportGrid ArmyStatisticsReport(const Battle& b, const Definitions& defs) {
    struct Totals {
        int men = 0, units = 0, morale = 0, fire = 0, combat = 0;
    };
    Totals side[2];
    for (const UnitRecord& u : b.units()) {
        Totals& t = side[ReportSideOf(u) - 1];
        t.men += u.men;
        t.units += 1;
        t.morale += u.morale;
        t.fire += UnitMissileStrength(defs, u, true);
        t.combat += UnitCombatStrength(defs, u, true);
    }
    const SideScores score = SideScore(b);
    auto average = [](const Totals& t) { return t.units == 0 ? 0 : t.morale / t.units; };

    ReportGrid g;
    g.heading = QStringLiteral("Army Statistics");
    g.columnHeadings = {QString(), b.settings.sideAName.text(), b.settings.sideBName.text()};
    g.columnWidths = {100, 100, 100};
    g.rows = {
        {QStringLiteral("Men "), N(side[0].men), N(side[1].men)},
        {QStringLiteral("Units "), N(side[0].units), N(side[1].units)},
        {QStringLiteral("Avg. Morale"), N(average(side[0])), N(average(side[1]))},
        {QStringLiteral("Fire Power"), N(side[0].fire), N(side[1].fire)},
        {QStringLiteral("Combat Strength"), N(side[0].combat), N(side[1].combat)},
        {QStringLiteral("Total Points"), N(score.sideA), N(score.sideB)},
    };
    return g;
}

ReportGrid OrderOfBattleReport(const Battle& b, const Definitions& defs, int reportSide) {
    ReportGrid g;
    if (!SideHasUnits(b, reportSide, false)) {
        g.refusalText = QStringLiteral("Units for this faction have not been defined.");
        g.refusalTitle = QStringLiteral("Order of Battle");
        return g;
    }
    g.label = SideName(b, reportSide) + QStringLiteral(" Order of Battle ");
    g.fixedColumns = 0;
    g.columnHeadings = {"Unit",   "Type",    "Class",   "Men",        "Morale",
                        "Combat", "Defense", "Missile", "Ammo",       "Value",
                        "Group",  "Leader",  "Rtg/Rng", "Supply Lvl", "Hex"};
    g.columnWidths = {115, 50, 50, 30, 40, 45, 45, 40, 35, 35, 115, 115, 45, 55, 40};
    for (const int n : CanonicalUnitOrder(b, defs)) {
        const UnitRecord& u = b.unit(n);
        if (ReportSideOf(u) != reportSide)
            continue;
        const int leader = FindWingLeader(b, n);
        g.rows.append({u.name.text(), UnitTypeText(b, n), UnitClassText(u.unitClass), N(u.men),
                       N(u.morale), N(UnitCombatStrength(defs, u, true)), DefenceText(defs, u),
                       N(UnitMissileStrength(defs, u, true)), N(u.missileAmmo), N(u.value),
                       WingNameText(b, u.wing),
                       leader != 0 ? b.unit(leader).name.text() : QStringLiteral("None"),
                       LeaderRatingText(b, n), SupplyLevelText(b, n), HexLabel(b, u.hex)});
        g.rowUnits.append(n);
    }
    return g;
}

ReportGrid ReinforcementReport(const Battle& b, const Definitions& defs, int reportSide) {
    ReportGrid g;
    g.label = SideName(b, reportSide) + QStringLiteral(" Reinforcement Schedule");
    g.columnHeadings = {"Unit",   "Arrival", "Type",    "Class",   "Men",
                        "Morale", "Combat",  "Defense", "Missile", "Ammo",
                        "Value",  "Group",   "Leader",  "Rtg/Rng", "Supply Lvl"};
    g.columnWidths = {115, 60, 50, 50, 30, 40, 40, 45, 40, 35, 35, 115, 115, 50, 60};
    for (int n = 1; n <= b.unitCount(); ++n) {
        const UnitRecord& u = b.unit(n);
        if (ReportSideOf(u) != reportSide || u.activationTurn < 2)
            continue;
        g.rows.append(
            {u.name.text(), N(u.activationTurn), UnitTypeText(b, n), UnitClassText(u.unitClass),
             N(u.men), N(u.morale), N(UnitCombatStrength(defs, u, true)), DefenceText(defs, u),
             N(UnitMissileStrength(defs, u, true)), N(u.missileAmmo), N(u.value),
             WingNameText(b, u.wing), u.wingLeader != 0 ? u.name.text() : QStringLiteral("None"),
             LeaderRatingText(b, n), SupplyLevelText(b, n)});
        g.rowUnits.append(n);
    }
    if (g.rows.isEmpty()) {
        g = ReportGrid();
        g.refusalText = QStringLiteral("Reinforcements for this faction have not been defined.");
        g.refusalTitle = QStringLiteral("ReinForcements");
    }
    return g;
}
