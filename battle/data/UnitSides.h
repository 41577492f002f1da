#pragma once
// Which side a unit belongs to, by one rule for every report and every check before a
// report opens: side 1 is side 1, any other value is side 2 (a file may hold a 3).

#include "BattleRecords.h"

class Battle;

inline int ReportSideOf(const UnitRecord& u) {
    return u.side == 1 ? 1 : 2;
}

// Whether side (1 or 2) has a unit, or with reinforcementsOnly one arriving on turn 2 or
// later: whether its order of battle or reinforcement schedule has a row.
bool SideHasUnits(const Battle& b, int side, bool reinforcementsOnly);
