#include "HexInfo.h"

#include "Battle.h"
#include "BattleStandings.h"
#include "HexValues.h"
#include "UnitStrength.h"

namespace {

QString TerrainName(const Battle& b, int symbol) {
    if (symbol < 0 || symbol >= kMaxTerrainAttrs)
        return {};
    return b.terrainAttrs[size_t(symbol)].name.text();
}

QString SideName(const Battle& b, int side) {
    return side == 1 ? b.settings.sideAName.text() : b.settings.sideBName.text();
}

QString LeaderPart(const Battle& b, int unitNo) {
    const int leader = FindWingLeader(b, unitNo);
    if (leader == 0)
        return QStringLiteral("-");
    const UnitRecord& l = b.unit(leader);
    QString part = QString::number(l.leaderRating);
    if (leader == unitNo)
        part += QStringLiteral("/%1").arg(l.commandRange);
    return part;
}

} // namespace

HexInfoTexts ShowHexInfo(const Battle& b, const Definitions& defs, int hex) {
    HexInfoTexts t;
    if (!b.IsHex(hex))
        return t;
    const HexRecord& h = b.hex(hex);
    const int cost = HexMoveCost(b, hex), defence = HexDefence(b, hex);
    // Names come from the designer: they are arguments, never part of a format.
    t.hexNo = QStringLiteral("Hex:%1 CPM:%2 Elv:%3/%4 Def:%5")
                  .arg(HexLabel(b, hex), cost == 0 ? QStringLiteral("X") : QString::number(cost),
                       QString::number(HexElevation(b, hex)), QString::number(HexHeight(b, hex)),
                       defence == 0 ? QStringLiteral("-") : QString::number(defence));
    if (h.primaryTerrain < kNoSymbol)
        t.primary = TerrainName(b, h.primaryTerrain);
    if (h.caltropsMarker != 0)
        t.primary += QStringLiteral(" Caltrops");
    for (int symbol : h.secondaryTerrain)
        if (symbol < kNoSymbol)
            t.secondary += TerrainName(b, symbol) + QLatin1Char(' ');
    if (h.objectiveNo != 0 && b.objectives().valid(h.objectiveNo)) {
        const ObjectiveRecord& o = b.objectives()[h.objectiveNo];
        t.objective = o.name.text() + QLatin1Char(' ') + QString::number(o.victoryPoints) +
                      QStringLiteral(" Pts");
    }
    if (h.mapTextNo != 0 && b.mapTexts().valid(h.mapTextNo))
        t.mapText = b.mapTexts()[h.mapTextNo].text.text();

    const bool hasUnit = h.unitNo != 0 && b.units().valid(h.unitNo);
    const bool hasStructure = h.structureNo != 0 && b.structures().valid(h.structureNo);
    if (hasStructure) {
        const StructureRecord& s = b.structures()[h.structureNo];
        t.side = SideName(b, s.side);
        t.structure = s.name.text() +
                      QStringLiteral(" Def: %1  Supply: %2 ")
                          .arg(QString::number(s.defenceModifier), QString::number(s.supplyLevel));
    }
    if (hasUnit) {
        const UnitRecord& u = b.unit(h.unitNo);
        const QString wing = u.wing >= 0 && u.wing < int(b.wingNames().size())
                                 ? b.wingNames()[size_t(u.wing)].text()
                                 : QString();
        t.side = SideName(b, u.side) + QLatin1Char(' ') + wing;
        t.unit = u.name.text();
        const auto n = [](int value) { return QString::number(value); };
        t.status =
            QStringLiteral("Men:%1 MP:%2  Mor:%3  Com:%4  Def:%5  Msl:%6  Ldr:%7 Pts:%8")
                .arg(n(u.men), n(u.movementPoints), n(u.morale),
                     n(UnitCombatStrength(defs, u, true)), n(UnitDefence(defs, u)),
                     n(UnitMissileStrength(defs, u, true)), LeaderPart(b, h.unitNo), n(u.value));
        if (h.reinforcementMarker != 0)
            t.reinforcement = QStringLiteral("ReinForcement");
    }
    return t;
}
