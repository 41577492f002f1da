#pragma once
// The battle's tables as they are, for the two readers that fill or restore a battle
// whole and check its links afterwards: the battle file reader and the undo history.

#include "Battle.h"

struct BattleTableAccess {
    static std::vector<HexRecord>& hexes(Battle& b) { return b.hexes_; }
    static UnitTable& units(Battle& b) { return b.units_; }
    static std::vector<WingName>& wings(Battle& b) { return b.wingNames_; }
    static StructureTable& structures(Battle& b) { return b.structures_; }
    static ObjectiveTable& objectives(Battle& b) { return b.objectives_; }
    static MapTextTable& mapTexts(Battle& b) { return b.mapTexts_; }
};
