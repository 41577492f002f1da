#pragma once
// Terrain laid on a battle's hexes by column and row, in the "Vertical" arrangement: the
// base terrain of each hex, pieces that join across hex edges (rivers, roads, tracks),
// routes between waypoints and round patches of ground.

#include "Battle.h"

#include <QPoint>

#include <vector>

class TerrainLayout {
public:
    explicit TerrainLayout(Battle& battle) : battle_(battle) {}

    bool OnMap(QPoint cell) const;
    // The hex number of an on-map cell.
    int HexOf(QPoint cell) const;
    QPoint CellOf(int hex) const;

    // Off-map cells are ignored.
    void SetGround(QPoint cell, int symbol);
    void SetGround(const std::vector<QPoint>& cells, int symbol);
    int Ground(QPoint cell) const;

    // Puts symbol into the hex's first empty secondary slot. Refused (counted in
    // refusals()) when all six slots are taken; ignored off the map or when the hex
    // already holds the symbol.
    void AddPiece(QPoint cell, int symbol);
    bool HasPiece(QPoint cell, int symbol) const;
    // Whether the hex holds any of the count symbols from first on.
    bool HasPieceOf(QPoint cell, int first, int count) const;

    // Joins consecutive cells of path with piece firstPiece + edge on both sides of each
    // shared edge; a path may start or end off the map to run out across the border.
    // Cells whose ground is noPieceGround (e.g. a lake the path runs into) get no piece.
    void Link(const std::vector<QPoint>& path, int firstPiece, int noPieceGround = -1);

    int refusals() const { return refusals_; }

private:
    Battle& battle_;
    int refusals_ = 0;
};

// Hexes between two cells, counting steps across edges.
int HexDistance(QPoint a, QPoint b);
// The on-map and off-map cells within radius steps of centre.
std::vector<QPoint> Patch(QPoint centre, int radius);
// Cells from the first waypoint through each following one: every step goes to the
// neighbour lying nearest the next waypoint, so the route runs continuously.
std::vector<QPoint> Route(const std::vector<QPoint>& waypoints);
// The cell path visits no cell twice.
bool VisitsEachCellOnce(const std::vector<QPoint>& path);
