// The unit checks: each unit's men, hex, piece, wing and equipment, the leaders of each
// side's wings, and the reinforcements' arrival.

#include "Battle.h"
#include "BattleCheckParts.h"
#include "Definitions.h"
#include "HexValues.h"

#include <QStringList>

namespace {

QString SideName(const Battle& b, int side) {
    return side == 1 ? b.settings.sideAName.text() : b.settings.sideBName.text();
}

// An index into a definitions table that is not in it. An empty table was not read (its
// file is missing) and is reported where the definitions are read, not for every unit.
template <class Table> bool OutsideTable(int index, const Table& table) {
    return !table.empty() && (index < 0 || index >= int(table.size()));
}

void CheckEquipment(const UnitRecord& u, const Definitions& defs, const QString& record,
                    ProblemList& out) {
    const struct {
        bool outside;
        const char* what;
        int index;
        const char* file;
    } items[] = {
        {OutsideTable(u.unitClass, defs.classes), "class", u.unitClass, nullptr},
        {OutsideTable(u.combatWeapon, defs.combatWeapons), "combat weapon", u.combatWeapon,
         "CWEAP.DEF"},
        {OutsideTable(u.missileWeapon, defs.missileWeapons), "missile weapon", u.missileWeapon,
         "MWEAP.DEF"},
        {OutsideTable(u.armour, defs.armour), "armour", u.armour, "UARMOR.DEF"},
        {OutsideTable(u.shield, defs.shields), "shield", u.shield, "USHIELD.DEF"},
    };
    for (const auto& item : items) {
        if (!item.outside)
            continue;
        out.Add(CheckId::EquipmentUnknown, u.hex, record,
                item.file ? QStringLiteral("The unit's %1 is entry %2, which %3 does not have.")
                                .arg(QLatin1String(item.what))
                                .arg(item.index)
                                .arg(QLatin1String(item.file))
                          : QStringLiteral("The unit's class %1 is none of the six classes.")
                                .arg(item.index));
    }
}

void CheckArrival(const Battle& b, const UnitRecord& u, const QString& record, ProblemList& out) {
    const int turns = b.settings.maxTurns;
    if (u.activationTurn <= 0) {
        out.Add(CheckId::ArrivalOnTurnZero, u.hex, record,
                QStringLiteral("The unit arrives on turn %1; units on the map from the start "
                               "have turn 1, reinforcements turn 2 or later.")
                    .arg(u.activationTurn));
        return;
    }
    if (u.activationTurn < 2)
        return;
    // With no turns at all the battle is reported once, not every reinforcement.
    if (turns > 0 && u.activationTurn > turns)
        out.Add(CheckId::ArrivalAfterLastTurn, u.hex, record,
                QStringLiteral("The reinforcement arrives on turn %1, after the last turn %2: it "
                               "never comes.")
                    .arg(u.activationTurn)
                    .arg(turns));
    if (!b.IsHex(u.hex))
        return;
    const HexRecord& x = b.hex(u.hex);
    if (x.reinforcementMarker == 0)
        out.Add(CheckId::ArrivalWithoutMarker, u.hex, record,
                QStringLiteral("The reinforcement's arrival hex shows no reinforcement marker."));
    if (x.structureNo != 0)
        out.Add(CheckId::ArrivalOnStructure, u.hex, record,
                QStringLiteral("The reinforcement arrives on the hex of structure %1 \"%2\".")
                    .arg(x.structureNo)
                    .arg(b.structures().valid(x.structureNo)
                             ? b.structures()[x.structureNo].name.text()
                             : QString()));
}

// One side's units in one wing.
struct WingSide {
    int firstUnit = 0;
    std::vector<int> leaders;
};

void CheckWings(const Battle& b, ProblemList& out) {
    const int wings = int(b.wingNames().size());
    // [wing][0 = side 1, 1 = any other side]
    std::vector<std::array<WingSide, 2>> used(static_cast<size_t>(wings));
    for (int n = 1; n <= b.unitCount(); ++n) {
        const UnitRecord& u = b.unit(n);
        if (u.wing < 0 || u.wing >= wings)
            continue;
        WingSide& w = used[size_t(u.wing)][u.side == 1 ? 0 : 1];
        if (w.firstUnit == 0)
            w.firstUnit = n;
        if (u.wingLeader != 0)
            w.leaders.push_back(n);
    }
    const auto firstWingLeads = [&used](int side) {
        return !used[0][size_t(side)].leaders.empty();
    };
    for (int wing = 0; wing < wings; ++wing) {
        const QString record =
            QStringLiteral("Wing \"%1\"").arg(b.wingNames()[size_t(wing)].text());
        for (int side = 0; side < 2; ++side) {
            const WingSide& w = used[size_t(wing)][size_t(side)];
            if (w.firstUnit == 0)
                continue;
            const QString sideName = SideName(b, side + 1);
            // The leaders of the first wing command every wing of their side.
            if (w.leaders.empty() && !firstWingLeads(side))
                out.Add(CheckId::WingWithoutLeader, b.unit(w.firstUnit).hex, record,
                        QStringLiteral("No unit of %1 in this wing is its leader, and the first "
                                       "wing has none either.")
                            .arg(sideName));
            if (w.leaders.size() > 1) {
                QStringList numbers;
                for (int leader : w.leaders)
                    numbers << QString::number(leader);
                out.Add(CheckId::WingWithLeaders, b.unit(w.leaders[1]).hex, record,
                        QStringLiteral("%1 has %2 leaders in this wing: units %3.")
                            .arg(sideName)
                            .arg(w.leaders.size())
                            .arg(numbers.join(QStringLiteral(", "))));
            }
        }
        const int west = used[size_t(wing)][0].firstUnit, east = used[size_t(wing)][1].firstUnit;
        if (west != 0 && east != 0)
            out.Add(CheckId::WingOnBothSides, b.unit(east).hex, record,
                    QStringLiteral("Both sides use this wing: unit %1 of %2 and unit %3 of %4.")
                        .arg(west)
                        .arg(SideName(b, 1))
                        .arg(east)
                        .arg(SideName(b, 2)));
    }
}

} // namespace

void CheckUnits(const Battle& b, const SymbolSetSummary& set, const Definitions& defs,
                bool checkPassable, ProblemList& out) {
    const int wings = int(b.wingNames().size());
    for (int n = 1; n <= b.unitCount(); ++n) {
        const UnitRecord& u = b.unit(n);
        const QString record = RecordName("Unit", n, u.name.text());
        if (u.men <= 0)
            out.Add(CheckId::UnitWithoutMen, u.hex, record,
                    QStringLiteral("The unit has %1 men.").arg(u.men));
        if (checkPassable && HexMoveCost(b, u.hex) == 0)
            out.Add(CheckId::UnitOnImpassableHex, u.hex, record,
                    QStringLiteral("The unit %1 on a hex whose movement cost is 0 (CPM:X).")
                        .arg(u.activationTurn >= 2 ? QStringLiteral("arrives")
                                                   : QStringLiteral("stands")));
        if (u.missileWeapon != 0 && u.missileAmmo == 0) {
            const bool known =
                u.missileWeapon > 0 && u.missileWeapon < int(defs.missileWeapons.size());
            out.Add(CheckId::MissileWithoutAmmo, u.hex, record,
                    QStringLiteral("The unit carries %1 but no ammunition: its missile strength "
                                   "is 0.")
                        .arg(known ? defs.missileWeapons[size_t(u.missileWeapon)].name
                                   : QStringLiteral("a missile weapon")));
        }
        if (set.unitCount > 0 && (u.symbol < 0 || u.symbol >= set.unitCount))
            out.Add(CheckId::UnitPieceBeyondSet, u.hex, record,
                    QStringLiteral("The unit's piece is symbol %1, but the set has only %2 "
                                   "pieces.")
                        .arg(u.symbol)
                        .arg(set.unitCount));
        if (u.wing < 0 || u.wing >= wings)
            out.Add(CheckId::UnitWingUnknown, u.hex, record,
                    QStringLiteral("The unit's wing is %1, but the battle has only %2 wings.")
                        .arg(u.wing)
                        .arg(wings));
        CheckEquipment(u, defs, record, out);
        CheckArrival(b, u, record, out);
    }
    CheckWings(b, out);
}
