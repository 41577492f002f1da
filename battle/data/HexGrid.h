#pragma once
// Hex steps in the battle's own arrangement: "Vertical" maps (odd columns half a row
// lower) and "Horiz" maps (odd rows half a column to the right). Positions are turned
// into cube coordinates (x + y + z = 0, one step changes two of them by one), where a
// step, a straight line, a shift and a mirror are the same sums whatever the stagger;
// back on the map they land on hexes of the same shape.
//
// The six edges of a hex are numbered clockwise from the top: North, North-East,
// South-East, South, South-West, North-West. A "Horiz" hex has no edge facing straight up;
// there the same six numbers (and names) stand for its edges clockwise from the one just
// right of up: up-right, right, down-right, down-left, left, up-left.

#include "BattleRecords.h"
#include "SetFormat.h"

#include <array>
#include <vector>

class Battle;

constexpr int kDirections = 6;
inline int OppositeDirection(int d) {
    return (d + 3) % kDirections;
}

struct Cube {
    int x = 0, y = 0, z = 0;
    Cube operator+(Cube o) const { return {x + o.x, y + o.y, z + o.z}; }
    Cube operator-(Cube o) const { return {x - o.x, y - o.y, z - o.z}; }
    bool operator==(const Cube&) const = default;
};
int CubeDistance(Cube a, Cube b);

struct ColRow {
    int col = 0, row = 0;
    bool operator==(const ColRow&) const = default;
};

// Mirrors and the half turn of a region.
enum class RegionTurn { MirrorLeftRight, MirrorTopBottom, HalfTurn };

struct HexGrid {
    int cols = 0;
    int rows = 0;
    int layout = LayoutVertical; // 1 Vertical, 2 Horiz, 3 Grid (0 reads as 1)

    static HexGrid Of(const Battle& b);

    // Only the two offset arrangements have hex neighbours; "Grid" has square cells.
    bool staggered() const { return layout != LayoutGrid; }
    int hexCount() const { return cols * rows; }
    bool contains(ColRow p) const {
        return p.col >= 0 && p.row >= 0 && p.col < cols && p.row < rows;
    }
    ColRow colRow(int hex) const { return {hex % cols, hex / cols}; }
    // kNoHex off the map.
    int hexAt(ColRow p) const { return contains(p) ? p.row * cols + p.col : kNoHex; }

    Cube ToCube(ColRow p) const;
    ColRow FromCube(Cube c) const;
    Cube CubeOf(int hex) const { return ToCube(colRow(hex)); }
    int HexOfCube(Cube c) const { return hexAt(FromCube(c)); }

    // Positions counted in half steps across the stagger, where a mirror is a plain
    // reflection: Vertical (column, 2 × row, plus 1 in odd columns), Horiz (2 × column,
    // plus 1 in odd rows, row), Grid (column, row).
    ColRow Doubled(ColRow p) const;
    ColRow FromDoubled(ColRow d) const;

    // The step from a hex through edge d (0 … 5).
    Cube Step(int d) const;
    // kNoHex off the map (or on a "Grid" map).
    int Neighbour(int hex, int d) const;
    // The edge of a that faces b, or -1 when they are no neighbours.
    int DirectionTo(int a, int b) const;
    // The hexes from a to b along the straight line between them, both included, each a
    // neighbour of the one before, all on the map.
    std::vector<int> Line(int a, int b) const;
};

// Where a position lands under a turn about the cube origin, and which edge an edge
// becomes: a mirrored road piece pointing north-east points north-west.
Cube Turned(int layout, RegionTurn turn, Cube c);
int TurnedDirection(int layout, RegionTurn turn, int d);
// The axis (0 N-S, 1 NE-SW, 2 SE-NW) an axis becomes.
inline int TurnedAxis(int layout, RegionTurn turn, int axis) {
    return TurnedDirection(layout, turn, axis) % 3;
}
