#include "BrushFootprint.h"

#include "HexGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Cube coordinates of an offset hex: x + y + z = 0, one step changes two of them by one.
struct Cube {
    int x, y, z;
};

Cube ToCube(int gridLayout, int col, int row) {
    if (gridLayout == GridHoriz) {
        const int x = col - (row - (row & 1)) / 2;
        return {x, -x - row, row};
    }
    const int z = row - (col - (col & 1)) / 2;
    return {col, -col - z, z};
}

} // namespace

int BrushSteps(int gridLayout, int colA, int rowA, int colB, int rowB) {
    if (gridLayout == GridSquare)
        return std::max(std::abs(colA - colB), std::abs(rowA - rowB));
    const Cube a = ToCube(gridLayout, colA, rowA), b = ToCube(gridLayout, colB, rowB);
    return std::max({std::abs(a.x - b.x), std::abs(a.y - b.y), std::abs(a.z - b.z)});
}

std::vector<int> BrushFootprint(int centre, int radius, int mapCols, int mapRows, int gridLayout) {
    std::vector<int> hexes;
    if (mapCols <= 0 || centre < 0 || centre >= mapCols * mapRows)
        return hexes;
    radius = std::clamp(radius, 0, kMaxBrushRadius);
    const int c0 = centre % mapCols, r0 = centre / mapCols;
    // Every hex within `radius` steps lies within `radius` columns and rows.
    for (int r = std::max(r0 - radius, 0); r <= std::min(r0 + radius, mapRows - 1); ++r)
        for (int c = std::max(c0 - radius, 0); c <= std::min(c0 + radius, mapCols - 1); ++c)
            if (BrushSteps(gridLayout, c0, r0, c, r) <= radius)
                hexes.push_back(r * mapCols + c);
    return hexes;
}

std::vector<QLine> BrushOutline(const MapMetrics& m, int originHex, const std::vector<int>& hexes) {
    const int s = m.cellWidth;
    std::vector<Segment> cell;
    if (m.gridLayout == GridSquare)
        cell = {{{0, 0}, {s - 1, 0}},
                {{s - 1, 0}, {s - 1, s - 1}},
                {{s - 1, s - 1}, {0, s - 1}},
                {{0, s - 1}, {0, 0}}};
    else
        cell = HexOutline(s, m.gridLayout == GridHoriz ? 2 : 1);
    std::vector<QLine> lines;
    lines.reserve(hexes.size() * cell.size());
    for (int hex : hexes) {
        const QPoint at = HexOrigin(m, hex, originHex);
        for (const Segment& e : cell)
            lines.emplace_back(at + e.from, at + e.to);
    }
    return lines;
}
