#pragma once
// The region commands on the battle: delete, paste and the mirror or turn of the chosen
// hexes in place. A paste is checked whole before anything changes: it is done entirely
// or refused with a reason, never half.

#include "HexRegion.h"

#include <QString>

#include <vector>

class Battle;
class PathFamilies;

struct RegionOutcome {
    bool done = false;      // false: refused, the battle is unchanged
    QString message;        // for the status line: what was done or why not
    std::vector<int> hexes; // the hexes the region now covers, in hex number order
};

// Empties the chosen layers of the hexes: no primary terrain, no secondary terrain, no
// caltrops; the units (with their reinforcement markers), structures, objectives and map
// texts on them are deleted.
void ClearHexes(Battle& battle, const std::vector<int>& hexes, unsigned layers);

// Why the region cannot be put down with its anchor on `anchor`, or an empty text.
QString PasteRefusal(const Battle& battle, const HexRegion& region, int anchor, unsigned layers);

// Puts the region down with its anchor on `anchor`. The chosen layers of every hex it
// covers are replaced by the region's (a hex of the region without a unit leaves none
// there); the part beyond the map's edges is left out. A region taken by a cut puts its
// records back at their old numbers; otherwise they are added as new records, units in
// wings of the same names (added when missing).
RegionOutcome PasteRegion(Battle& battle, const HexRegion& region, int anchor, unsigned layers);

// Mirrors or turns the chosen hexes where they are. The mirror lands on the hexes that
// cover the choice best: where the stagger allows no exact mirror (an odd number of
// columns, say) it lies one column or row aside. Records keep their numbers.
RegionOutcome TurnHexes(Battle& battle, const PathFamilies& families, const std::vector<int>& hexes,
                        unsigned layers, RegionTurn turn);
