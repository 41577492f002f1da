#include "TerrainLayout.h"

#include "MapPreview.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

bool TerrainLayout::OnMap(QPoint cell) const {
    return cell.x() >= 0 && cell.x() < battle_.settings.mapCols && cell.y() >= 0 &&
           cell.y() < battle_.settings.mapRows;
}

int TerrainLayout::HexOf(QPoint cell) const {
    return cell.y() * battle_.settings.mapCols + cell.x();
}

QPoint TerrainLayout::CellOf(int hex) const {
    return {hex % battle_.settings.mapCols, hex / battle_.settings.mapCols};
}

void TerrainLayout::SetGround(QPoint cell, int symbol) {
    if (OnMap(cell))
        battle_.SetTerrainSlot(HexOf(cell), 0, symbol);
}

void TerrainLayout::SetGround(const std::vector<QPoint>& cells, int symbol) {
    for (QPoint cell : cells)
        SetGround(cell, symbol);
}

int TerrainLayout::Ground(QPoint cell) const {
    return OnMap(cell) ? battle_.hex(HexOf(cell)).primaryTerrain : kNoSymbol;
}

void TerrainLayout::AddPiece(QPoint cell, int symbol) {
    if (!OnMap(cell) || HasPiece(cell, symbol))
        return;
    const HexRecord& hex = battle_.hex(HexOf(cell));
    for (int slot = 1; slot <= kSecondarySlots; ++slot)
        if (!IsTerrainSymbol(hex.terrainSlot(slot))) {
            battle_.SetTerrainSlot(HexOf(cell), slot, symbol);
            return;
        }
    ++refusals_;
}

bool TerrainLayout::HasPiece(QPoint cell, int symbol) const {
    return HasPieceOf(cell, symbol, 1);
}

bool TerrainLayout::HasPieceOf(QPoint cell, int first, int count) const {
    if (!OnMap(cell))
        return false;
    const auto& pieces = battle_.hex(HexOf(cell)).secondaryTerrain;
    return std::any_of(pieces.begin(), pieces.end(),
                       [&](int s) { return s >= first && s < first + count; });
}

void TerrainLayout::Link(const std::vector<QPoint>& path, int firstPiece, int noPieceGround) {
    const auto put = [&](QPoint cell, int side) {
        if (OnMap(cell) && (noPieceGround < 0 || Ground(cell) != noPieceGround))
            AddPiece(cell, firstPiece + side);
    };
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const int side = SideTowards(path[i], path[i + 1]);
        if (side < 0)
            continue;
        put(path[i], side);
        put(path[i + 1], (side + 3) % 6);
    }
}

// Cube coordinates of a cell: odd columns sit half a row lower.
static std::array<int, 3> Cube(QPoint cell) {
    const int x = cell.x();
    const int z = cell.y() - (x - (x & 1)) / 2;
    return {x, -x - z, z};
}

int HexDistance(QPoint a, QPoint b) {
    const auto ca = Cube(a), cb = Cube(b);
    return std::max({std::abs(ca[0] - cb[0]), std::abs(ca[1] - cb[1]), std::abs(ca[2] - cb[2])});
}

std::vector<QPoint> Patch(QPoint centre, int radius) {
    std::vector<QPoint> cells;
    for (int c = centre.x() - 2 * radius; c <= centre.x() + 2 * radius; ++c)
        for (int r = centre.y() - 2 * radius; r <= centre.y() + 2 * radius; ++r)
            if (HexDistance(centre, {c, r}) <= radius)
                cells.push_back({c, r});
    return cells;
}

// The centre of a cell on a plane where neighbouring centres lie one unit apart.
static std::pair<double, double> Centre(QPoint cell) {
    return {cell.x() * std::sqrt(3.0) / 2, cell.y() + ((cell.x() & 1) ? 0.5 : 0.0)};
}

static double Distance(QPoint a, QPoint b) {
    const auto [ax, ay] = Centre(a);
    const auto [bx, by] = Centre(b);
    return std::hypot(ax - bx, ay - by);
}

std::vector<QPoint> Route(const std::vector<QPoint>& waypoints) {
    std::vector<QPoint> path;
    if (waypoints.empty())
        return path;
    path.push_back(waypoints.front());
    for (size_t w = 1; w < waypoints.size(); ++w) {
        const QPoint goal = waypoints[w];
        // Each step shortens the distance to the goal, so the walk ends there.
        while (path.back() != goal) {
            QPoint best = NeighbourCell(path.back(), 0);
            for (int side = 1; side < 6; ++side) {
                const QPoint next = NeighbourCell(path.back(), side);
                if (Distance(next, goal) < Distance(best, goal))
                    best = next;
            }
            path.push_back(best);
        }
    }
    return path;
}

bool VisitsEachCellOnce(const std::vector<QPoint>& path) {
    std::set<std::pair<int, int>> seen;
    for (QPoint cell : path)
        if (!seen.insert({cell.x(), cell.y()}).second)
            return false;
    return true;
}
