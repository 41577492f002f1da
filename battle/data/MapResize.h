#pragma once
// Making the map larger or smaller at any edge. Everything on the hexes that stay keeps
// its place on the ground: terrain, caltrops, reinforcement markers, units, structures,
// objectives and map texts; hex numbers and the links between hexes and records are
// numbered anew. The records on hexes that go are listed first and then deleted.
//
// The stagger belongs to the map, not to the ground: in a "Vertical" map every odd column
// lies half a row lower. Adding or removing an odd number of columns at the left edge
// would put every column on the other footing, so the ground moves half a row instead,
// which keeps every hex beside its neighbours: down when columns are added (the last hex
// of every other column then falls off the bottom edge unless a row is added there), up
// when they are removed, so that a resize and its opposite give the same map back. The
// same holds for rows at the top of a "Horiz" map: the ground moves half a column right
// when rows are added and left when they are removed.

#include "HexGrid.h"

#include <QString>
#include <QStringList>

#include <vector>

class Battle;

// Columns or rows added at each edge; negative numbers remove.
struct ResizeEdges {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool operator==(const ResizeEdges&) const = default;
};

struct ResizePlan {
    ResizeEdges edges;
    int cols = 0, rows = 0;  // the new size
    std::vector<int> newHex; // per old hex: its new number, or kNoHex when it goes
    QString refusal;         // why the size cannot be had; empty when it can
    bool halfStep = false;   // the ground moves half a row (column) for the stagger
    int lostHexes = 0;
    // The records on hexes that go.
    std::vector<int> lostUnits, lostStructures, lostObjectives, lostMapTexts;

    bool allowed() const { return refusal.isEmpty(); }
    bool losesRecords() const {
        return !lostUnits.empty() || !lostStructures.empty() || !lostObjectives.empty() ||
               !lostMapTexts.empty();
    }
};

ResizePlan PlanResize(const Battle& battle, const ResizeEdges& edges);
// "Unit 12 Ford Spearmen (Hex:512)", one line per record the plan loses.
QStringList LostRecordLines(const Battle& battle, const ResizePlan& plan);
// Carries the plan out; the view origin keeps showing the same ground. False, with the
// battle unchanged, when the plan is not allowed or was made for another map.
bool ApplyResize(Battle& battle, const ResizePlan& plan);
