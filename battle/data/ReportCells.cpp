// Shared cell texts, the objective status and the weapon tables.

#include "Reports.h"

#include "Battle.h"
#include "Definitions.h"
#include "HexValues.h"

QString UnitTypeText(const Battle& b, int unitNo) {
    const UnitRecord& u = b.unit(unitNo);
    if (u.wingLeader != 0)
        return QStringLiteral("Leader");
    if (u.missileWeapon != 0)
        return QStringLiteral("Missile");
    switch (u.unitType) {
    case 1:
        return QStringLiteral("Infantry");
    case 2:
        return QStringLiteral("Cavalry");
    case 3:
        return QStringLiteral("Supply");
    default:
        return QString();
    }
}

QString UnitClassText(int unitClass) {
    static const char* const kNames[] = {"Peasant", "Militia", "Veteran", "Elite", "Noble", "Hero"};
    if (unitClass < 0 || unitClass >= int(std::size(kNames)))
        return QString();
    return QLatin1String(kNames[unitClass]);
}

QString WingNameText(const Battle& b, int wing) {
    if (wing < 0 || wing >= int(b.wingNames().size()))
        return QString();
    return b.wingNames()[size_t(wing)].text();
}

QString LeaderRatingText(const Battle& b, int unitNo) {
    const UnitRecord& u = b.unit(unitNo);
    if (u.wingLeader == 0)
        return QStringLiteral("-");
    return QString::number(u.leaderRating) + QLatin1Char('/') + QString::number(u.commandRange);
}

QString SupplyLevelText(const Battle& b, int unitNo) {
    const UnitRecord& u = b.unit(unitNo);
    return u.unitType == 3 ? QString::number(u.resupplyLevel) : QStringLiteral("-");
}

ReportGrid ObjectiveStatusReport(const Battle& b) {
    ReportGrid g;
    g.heading = QStringLiteral("Terrain Objective Status");
    g.columnHeadings = {QStringLiteral("Objective"), QStringLiteral("Owner"),
                        QStringLiteral("Value"), QStringLiteral("Hex")};
    g.columnWidths = {115, 115, 50, 50};
    if (b.objectives().count() == 0)
        return g;
    const ObjectiveRecord& o = b.objectives()[1];
    const int holder = b.IsHex(o.hex) ? b.hex(o.hex).unitNo : 0;
    QString owner = QStringLiteral("None");
    if (b.units().valid(holder))
        owner =
            b.unit(holder).side == 1 ? b.settings.sideAName.text() : b.settings.sideBName.text();
    g.rows.append({o.name.text(), owner, QString::number(o.victoryPoints), HexLabel(b, o.hex)});
    return g;
}

namespace {

QString N(int v) {
    return QString::number(v);
}

} // namespace

ReportGrid WeaponTablesReport(const Definitions& defs, int kind) {
    ReportGrid g;
    g.heading = QStringLiteral("Weapon Statistics");
    switch (kind) {
    case 1:
        g.label = QStringLiteral("Missle Weapons");
        g.columnHeadings = {QStringLiteral("Weapon"),         QStringLiteral("Rating"),
                            QStringLiteral("Range"),          QStringLiteral("OverHead Fire"),
                            QStringLiteral("Shots Per Turn"), QStringLiteral("Weight")};
        g.columnWidths = {100, 40, 40, 75, 80, 40};
        g.gridWidth = 400;
        for (const MissileWeapon& w : defs.missileWeapons)
            g.rows.append({w.name, N(w.rating), N(w.range),
                           w.overheadFire != 0 ? QStringLiteral("Yes") : QStringLiteral("No"),
                           N(w.shotsPerTurn), N(w.weight)});
        break;
    case 2:
        g.label = QStringLiteral("Combat Weapons");
        g.columnHeadings = {QStringLiteral("Weapon"), QStringLiteral("Rating"),
                            QStringLiteral("Length"), QStringLiteral("Weight")};
        g.columnWidths = {100, 40, 40, 40};
        g.gridWidth = 245;
        for (const CombatWeapon& w : defs.combatWeapons)
            g.rows.append({w.name, N(w.rating), N(w.length), N(w.weight)});
        break;
    case 3:
    case 4: {
        g.label = kind == 3 ? QStringLiteral("Battle Armor") : QStringLiteral("Battle Shields");
        g.columnHeadings = {QStringLiteral("Type"), QStringLiteral("Rating"),
                            QStringLiteral("Weight")};
        g.columnWidths = {100, 40, 40};
        g.gridWidth = 205;
        for (const ArmourItem& a : kind == 3 ? defs.armour : defs.shields)
            g.rows.append({a.name, N(a.rating), N(a.weight)});
        break;
    }
    default:
        break;
    }
    return g;
}
