#include "BattleStandings.h"

#include "Battle.h"
#include "HexSteps.h"

int FindWingLeader(const Battle& b, int u) {
    if (!b.units().valid(u))
        return 0;
    const UnitRecord& unit = b.unit(u);
    if (unit.wingLeader != 0)
        return u;
    int best = 0;
    int bestDistance = 0;
    for (int v = 1; v <= b.unitCount(); ++v) {
        const UnitRecord& leader = b.unit(v);
        if (leader.activationTurn != 1 || leader.wingLeader == 0 || leader.side != unit.side ||
            (leader.wing != unit.wing && leader.wing != 0))
            continue;
        const int distance = HexDistance(b, unit.hex, leader.hex);
        if (distance > leader.commandRange)
            continue;
        if (best == 0 || distance < bestDistance ||
            (distance == bestDistance && leader.leaderRating > b.unit(best).leaderRating)) {
            best = v;
            bestDistance = distance;
        }
    }
    return best;
}

SideScores SideScore(const Battle& b) {
    SideScores score;
    for (const UnitRecord& u : b.units())
        (u.side == 1 ? score.sideA : score.sideB) += u.value;
    if (b.objectives().count() >= 1) {
        const ObjectiveRecord& first = b.objectives()[1];
        const int holder = b.IsHex(first.hex) ? b.hex(first.hex).unitNo : 0;
        if (b.units().valid(holder))
            (b.unit(holder).side == 1 ? score.sideA : score.sideB) += first.victoryPoints;
    }
    return score;
}
