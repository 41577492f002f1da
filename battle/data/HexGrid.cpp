#include "HexGrid.h"

#include "Battle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The steps through the six edges, clockwise from the top (Vertical: x is the column)
// or from the edge right of the top (Horiz: z is the row).
constexpr std::array<Cube, kDirections> kVerticalSteps = {
    {{0, 1, -1}, {1, 0, -1}, {1, -1, 0}, {0, -1, 1}, {-1, 0, 1}, {-1, 1, 0}}};
constexpr std::array<Cube, kDirections> kHorizSteps = {
    {{1, 0, -1}, {1, -1, 0}, {0, -1, 1}, {-1, 0, 1}, {-1, 1, 0}, {0, 1, -1}}};

struct CubeF {
    double x, y, z;
};

Cube Round(CubeF f) {
    int x = int(std::lround(f.x)), y = int(std::lround(f.y)), z = int(std::lround(f.z));
    const double dx = std::abs(x - f.x), dy = std::abs(y - f.y), dz = std::abs(z - f.z);
    if (dx > dy && dx > dz)
        x = -y - z;
    else if (dy > dz)
        y = -x - z;
    else
        z = -x - y;
    return {x, y, z};
}

} // namespace

int CubeDistance(Cube a, Cube b) {
    return std::max({std::abs(a.x - b.x), std::abs(a.y - b.y), std::abs(a.z - b.z)});
}

HexGrid HexGrid::Of(const Battle& b) {
    const int layout = b.settings.gridLayout == 0 ? int(LayoutVertical) : b.settings.gridLayout;
    return {b.settings.mapCols, b.settings.mapRows, layout};
}

Cube HexGrid::ToCube(ColRow p) const {
    if (layout == LayoutHoriz) {
        const int x = p.col - (p.row - (p.row & 1)) / 2;
        return {x, -x - p.row, p.row};
    }
    if (layout == LayoutGrid)
        return {p.col, -p.col - p.row, p.row};
    const int z = p.row - (p.col - (p.col & 1)) / 2;
    return {p.col, -p.col - z, z};
}

ColRow HexGrid::FromCube(Cube c) const {
    if (layout == LayoutHoriz)
        return {c.x + (c.z - (c.z & 1)) / 2, c.z};
    if (layout == LayoutGrid)
        return {c.x, c.z};
    return {c.x, c.z + (c.x - (c.x & 1)) / 2};
}

ColRow HexGrid::Doubled(ColRow p) const {
    if (layout == LayoutHoriz)
        return {2 * p.col + (p.row & 1), p.row};
    if (layout == LayoutGrid)
        return p;
    return {p.col, 2 * p.row + (p.col & 1)};
}

ColRow HexGrid::FromDoubled(ColRow d) const {
    if (layout == LayoutHoriz)
        return {(d.col - (d.row & 1)) / 2, d.row};
    if (layout == LayoutGrid)
        return d;
    return {d.col, (d.row - (d.col & 1)) / 2};
}

Cube HexGrid::Step(int d) const {
    return (layout == LayoutHoriz ? kHorizSteps : kVerticalSteps)[size_t(d % kDirections)];
}

int HexGrid::Neighbour(int hex, int d) const {
    if (!staggered() || hex < 0 || hex >= hexCount() || d < 0 || d >= kDirections)
        return kNoHex;
    return HexOfCube(CubeOf(hex) + Step(d));
}

int HexGrid::DirectionTo(int a, int b) const {
    for (int d = 0; d < kDirections; ++d)
        if (b != kNoHex && Neighbour(a, d) == b)
            return d;
    return -1;
}

std::vector<int> HexGrid::Line(int a, int b) const {
    std::vector<int> line;
    if (!staggered() || a < 0 || b < 0 || a >= hexCount() || b >= hexCount())
        return line;
    const Cube from = CubeOf(a), to = CubeOf(b);
    const int n = CubeDistance(from, to);
    line.push_back(a);
    Cube at = from;
    for (int i = 1; i <= n; ++i) {
        // The point i/n along the line, nudged off the edges between hexes so that a line
        // along an edge always rounds to the same side.
        const double t = double(i) / n;
        const CubeF p{from.x + (to.x - from.x) * t + 1e-6, from.y + (to.y - from.y) * t + 2e-6,
                      from.z + (to.z - from.z) * t - 3e-6};
        Cube next = Round(p);
        // Near the map's zig-zag edges the nearest hex can lie just off the map; then the
        // step goes to the neighbour on the map that comes closest to the target instead.
        if (CubeDistance(next, at) != 1 || HexOfCube(next) == kNoHex) {
            int best = -1;
            for (int d = 0; d < kDirections; ++d) {
                const Cube c = at + Step(d);
                if (HexOfCube(c) == kNoHex || CubeDistance(c, to) != CubeDistance(at, to) - 1)
                    continue;
                if (best < 0 ||
                    std::abs(c.x - p.x) + std::abs(c.z - p.z) <
                        std::abs((at + Step(best)).x - p.x) + std::abs((at + Step(best)).z - p.z))
                    best = d;
            }
            if (best < 0)
                break;
            next = at + Step(best);
        }
        at = next;
        line.push_back(HexOfCube(at));
    }
    return line;
}

Cube Turned(int layout, RegionTurn turn, Cube c) {
    if (turn == RegionTurn::HalfTurn)
        return {-c.x, -c.y, -c.z};
    if (layout == LayoutGrid) {
        // Square cells: x is the column and z the row.
        const int x = turn == RegionTurn::MirrorLeftRight ? -c.x : c.x;
        const int z = turn == RegionTurn::MirrorTopBottom ? -c.z : c.z;
        return {x, -x - z, z};
    }
    if (layout == LayoutHoriz)
        return turn == RegionTurn::MirrorLeftRight ? Cube{c.y, c.x, c.z} : Cube{-c.y, -c.x, -c.z};
    return turn == RegionTurn::MirrorLeftRight ? Cube{-c.x, -c.z, -c.y} : Cube{c.x, c.z, c.y};
}

int TurnedDirection(int layout, RegionTurn turn, int d) {
    // Square cells keep the names of the Vertical arrangement.
    const int stepsLayout = layout == LayoutHoriz ? LayoutHoriz : LayoutVertical;
    const auto& steps = stepsLayout == LayoutHoriz ? kHorizSteps : kVerticalSteps;
    const Cube turned = Turned(stepsLayout, turn, steps[size_t(d % kDirections)]);
    for (int k = 0; k < kDirections; ++k)
        if (steps[size_t(k)] == turned)
            return k;
    return d;
}
