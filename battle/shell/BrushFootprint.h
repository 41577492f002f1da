#pragma once
// The hexes a painting brush covers: the hex under the pointer and every hex within a
// number of steps of it, in the battle's own arrangement, cut at the map's edges. Also
// the brush's outline in view pixels, for the overlay shown while a painting mode is on.

#include "MapGeometry.h"

#include <QLine>

#include <vector>

// 0 = the one hex, 1 = the hex and its neighbours (7 hexes), 2 = two rings (19 hexes).
constexpr int kMaxBrushRadius = 2;

// Steps between two hexes of a map with the given arrangement: hex steps for "Vertical"
// (odd columns shifted down) and "Horiz" (odd rows shifted right); for "Grid" the square
// cells around a cell, diagonals included, are one step away.
int BrushSteps(int gridLayout, int colA, int rowA, int colB, int rowB);

// The hexes within `radius` steps of `centre`, on the map only, in hex number order.
// Empty for a centre off the map.
std::vector<int> BrushFootprint(int centre, int radius, int mapCols, int mapRows, int gridLayout);

// The outline segments of the given hexes in the view whose top-left hex is originHex:
// the hexagon edges of each hex's cell (a square for "Grid").
std::vector<QLine> BrushOutline(const MapMetrics& m, int originHex, const std::vector<int>& hexes);
