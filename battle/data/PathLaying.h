#pragma once
// Laying and removing a linear terrain family along a path of hexes. For each step from a
// hex to its neighbour the piece pointing to the neighbour goes into the first hex and the
// opposite piece into the second, each in a free secondary slot and never twice in one
// hex. Where a way passes through a hex that holds water, its crossing piece of the
// way's axis there goes in as well. A hex without a free slot is skipped with a reason;
// the rest of the path goes on.

#include "HexGrid.h"
#include "PathFamilies.h"

#include <QStringList>

#include <vector>

class Battle;

// Adds the hexes from the path's last hex to `hex` along the straight line between them,
// so that a pointer moved fast still leaves a connected path. Off-map positions and a
// repeat of the last hex add nothing.
void ExtendPath(const HexGrid& grid, std::vector<int>& path, int hex);

struct PathOutcome {
    int piecesLaid = 0;
    int piecesRemoved = 0;
    std::vector<int> changedHexes; // in hex number order, each once
    QStringList fullHexes;         // "Hex:512", in path order
    QStringList missingPieces;     // "Road North-West", each once

    bool changed() const { return !changedHexes.empty(); }
    // The status line after a stroke: what was done and what was skipped.
    QString Summary(const QString& family) const;
};

// `crossing` is the crossing family laid where the path crosses water (-1: none).
PathOutcome LayPath(Battle& battle, const HexGrid& grid, const PathFamilies& families, int family,
                    const std::vector<int>& path, int crossing);

// Removes the family's pieces (and its crossing pieces) from every hex of the path, and the
// pieces of neighbouring hexes that pointed into it, so that no way ends at a gap.
PathOutcome RemovePath(Battle& battle, const HexGrid& grid, const PathFamilies& families,
                       int family, const std::vector<int>& path);
