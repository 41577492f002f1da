#include "HexSetOutline.h"

#include "HexGeometry.h"
#include "HexGrid.h"

#include <algorithm>

namespace {

// The outline segment of each edge (North … North-West) in HexOutline's order: for a
// Vertical hex top, bottom, upper right, lower right, upper left, lower left; for a Horiz
// hex left, right, upper right, upper left, lower right, lower left.
constexpr int kVerticalEdge[kDirections] = {0, 2, 3, 1, 5, 4};
constexpr int kHorizEdge[kDirections] = {2, 1, 4, 5, 0, 3};

} // namespace

std::vector<QLine> HexSetOutline(const MapMetrics& m, int originHex, int visibleCols,
                                 int visibleRows, const std::function<bool(int hex)>& inSet) {
    std::vector<QLine> lines;
    if (m.mapCols <= 0)
        return lines;
    const HexGrid grid{m.mapCols, m.mapRows, m.gridLayout};
    const int s = m.cellWidth;
    const std::vector<Segment> cell = m.gridLayout == GridSquare
                                          ? std::vector<Segment>{{{0, 0}, {s - 1, 0}},
                                                                 {{s - 1, 0}, {s - 1, s - 1}},
                                                                 {{s - 1, s - 1}, {0, s - 1}},
                                                                 {{0, s - 1}, {0, 0}}}
                                          : HexOutline(s, m.gridLayout == GridHoriz ? 2 : 1);
    // The small cells' outlines are drawn whole: their segments are no six edges.
    const bool byEdge = m.gridLayout != GridSquare && cell.size() == kDirections;
    const int c0 = std::max(m.col(originHex) - 1, 0), r0 = std::max(m.row(originHex) - 1, 0);
    const int c1 = std::min(m.col(originHex) + visibleCols + 1, m.mapCols - 1);
    const int r1 = std::min(m.row(originHex) + visibleRows + 1, m.mapRows - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const int hex = m.hexAt(r, c);
            if (!inSet(hex))
                continue;
            const QPoint at = HexOrigin(m, hex, originHex);
            const auto add = [&](const Segment& e) { lines.emplace_back(at + e.from, at + e.to); };
            if (m.gridLayout == GridSquare) {
                // Above, right, below, left.
                const int beside[4] = {
                    r > 0 ? hex - m.mapCols : kNoHex, c + 1 < m.mapCols ? hex + 1 : kNoHex,
                    r + 1 < m.mapRows ? hex + m.mapCols : kNoHex, c > 0 ? hex - 1 : kNoHex};
                for (int k = 0; k < 4; ++k)
                    if (beside[k] == kNoHex || !inSet(beside[k]))
                        add(cell[size_t(k)]);
                continue;
            }
            bool border = false;
            for (int d = 0; d < kDirections; ++d) {
                const int n = grid.Neighbour(hex, d);
                const bool edge = n == kNoHex || !inSet(n);
                border = border || edge;
                if (edge && byEdge)
                    add(cell[size_t(m.gridLayout == GridHoriz ? kHorizEdge[d] : kVerticalEdge[d])]);
            }
            if (border && !byEdge)
                for (const Segment& e : cell)
                    add(e);
        }
    return lines;
}
