#include "MapResize.h"

#include "Battle.h"
#include "HexValues.h"

#include <algorithm>

namespace {

// Where the ground moves: old column 0, row 0 goes to (left, top), by a cube shift, so
// that every other hex follows it without leaving its neighbours. For an odd number of
// columns (rows) that shift moves the ground half a row down (a column right); removing
// them moves it back up (left) instead, so that a resize and its opposite cancel.
Cube Shift(const HexGrid& grid, const ResizeEdges& e) {
    Cube shift = grid.ToCube({e.left, e.top}) - grid.ToCube({0, 0});
    if (grid.layout == LayoutVertical && e.left < 0 && e.left % 2 != 0)
        shift = shift + grid.Step(0); // half a row up rather than down
    else if (grid.layout == LayoutHoriz && e.top < 0 && e.top % 2 != 0)
        shift = shift + grid.Step(4); // half a column left rather than right
    return shift;
}

} // namespace

ResizePlan PlanResize(const Battle& b, const ResizeEdges& e) {
    ResizePlan plan;
    plan.edges = e;
    const HexGrid old = HexGrid::Of(b);
    plan.cols = old.cols + e.left + e.right;
    plan.rows = old.rows + e.top + e.bottom;
    if (plan.cols < kMinMapSide || plan.cols > kMaxMapSide || plan.rows < kMinMapSide ||
        plan.rows > kMaxMapSide) {
        plan.refusal =
            QStringLiteral("A map has %1 to %2 columns and rows; this would give %3 × %4.")
                .arg(kMinMapSide)
                .arg(kMaxMapSide)
                .arg(plan.cols)
                .arg(plan.rows);
        return plan;
    }
    const HexGrid grid{plan.cols, plan.rows, old.layout};
    plan.halfStep = (old.layout == LayoutVertical && e.left % 2 != 0) ||
                    (old.layout == LayoutHoriz && e.top % 2 != 0);
    const Cube shift = Shift(grid, e);
    plan.newHex.resize(size_t(b.hexCount()));
    for (int h = 0; h < b.hexCount(); ++h) {
        const int to = grid.HexOfCube(old.CubeOf(h) + shift);
        plan.newHex[size_t(h)] = to;
        plan.lostHexes += to == kNoHex;
    }
    const auto lost = [&](const auto& table, std::vector<int>& out) {
        for (int n = 1; n <= table.count(); ++n)
            if (!b.IsHex(table[n].hex) || plan.newHex[size_t(table[n].hex)] == kNoHex)
                out.push_back(n);
    };
    lost(b.units(), plan.lostUnits);
    lost(b.structures(), plan.lostStructures);
    lost(b.objectives(), plan.lostObjectives);
    lost(b.mapTexts(), plan.lostMapTexts);
    return plan;
}

QStringList LostRecordLines(const Battle& b, const ResizePlan& plan) {
    QStringList lines;
    const auto add = [&](const char* kind, const auto& table, const std::vector<int>& numbers,
                         auto name) {
        for (int n : numbers)
            lines.append(QStringLiteral("%1 %2 %3 (Hex:%4)")
                             .arg(QLatin1String(kind))
                             .arg(n)
                             .arg(name(table[n]))
                             .arg(HexLabel(b, table[n].hex)));
    };
    add("Unit", b.units(), plan.lostUnits, [](const UnitRecord& r) { return r.name.text(); });
    add("Structure", b.structures(), plan.lostStructures,
        [](const StructureRecord& r) { return r.name.text(); });
    add("Objective", b.objectives(), plan.lostObjectives,
        [](const ObjectiveRecord& r) { return r.name.text(); });
    add("Map Text", b.mapTexts(), plan.lostMapTexts,
        [](const MapTextRecord& r) { return r.text.text(); });
    return lines;
}

bool ApplyResize(Battle& b, const ResizePlan& plan) {
    if (!plan.allowed() || int(plan.newHex.size()) != b.hexCount())
        return false;
    const HexGrid old = HexGrid::Of(b);
    // The view origin: the new number of the ground it showed, or the nearest hex left on
    // the map when that ground went.
    const ColRow origin = old.colRow(std::clamp(b.settings.viewOriginHex, 0, b.hexCount() - 1));
    int newOrigin = plan.newHex[size_t(old.hexAt(origin))];
    if (newOrigin == kNoHex) {
        const ColRow near{std::clamp(origin.col + plan.edges.left, 0, plan.cols - 1),
                          std::clamp(origin.row + plan.edges.top, 0, plan.rows - 1)};
        newOrigin = near.row * plan.cols + near.col;
    }
    b.ReshapeMap(plan.cols, plan.rows, plan.newHex);
    b.settings.viewOriginHex = newOrigin;
    return true;
}
