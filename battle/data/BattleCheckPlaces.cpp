// The checks of what lies on hexes besides terrain and units: victory objectives,
// structures and map texts.

#include "Battle.h"
#include "BattleCheckParts.h"
#include "HexValues.h"

namespace {

void CheckObjectives(const Battle& b, bool checkPassable, ProblemList& out) {
    const ObjectiveTable& objectives = b.objectives();
    if (objectives.count() == 0) {
        out.Add(CheckId::NoObjective, kNoHex, QStringLiteral("Battle"),
                QStringLiteral("The battle has no victory objective: only the units' points "
                               "decide it."));
        return;
    }
    for (int n = 1; n <= objectives.count(); ++n) {
        const ObjectiveRecord& o = objectives[n];
        const QString record = RecordName("Objective", n, o.name.text());
        if (o.victoryPoints <= 0)
            out.Add(CheckId::ObjectiveWithoutPoints, o.hex, record,
                    QStringLiteral("The objective is worth %1 points.").arg(o.victoryPoints));
        if (n > 1)
            out.Add(CheckId::ObjectiveNotCounted, o.hex, record,
                    QStringLiteral("Only the first objective (\"%1\") counts in the reports and "
                                   "the score; this one counts nowhere.")
                        .arg(objectives[1].name.text()));
        if (checkPassable && HexMoveCost(b, o.hex) == 0)
            out.Add(CheckId::ObjectiveOnImpassableHex, o.hex, record,
                    QStringLiteral("The objective lies on a hex whose movement cost is 0 (CPM:X): "
                                   "no unit can take it."));
    }
}

void CheckStructures(const Battle& b, bool checkPassable, ProblemList& out) {
    for (int n = 1; n <= b.structures().count(); ++n) {
        const StructureRecord& r = b.structures()[n];
        const QString record = RecordName("Structure", n, r.name.text());
        if (checkPassable && HexMoveCost(b, r.hex) == 0)
            out.Add(CheckId::StructureOnImpassableHex, r.hex, record,
                    QStringLiteral("The structure stands on a hex whose movement cost is 0 "
                                   "(CPM:X)."));
        if (r.supplyLevel == 0 && r.height == 0 && r.defenceModifier == 0)
            out.Add(CheckId::StructureWithoutFigures, r.hex, record,
                    QStringLiteral("The structure's supply, height and defence are all 0: it "
                                   "changes nothing in the game."));
    }
}

// Where the hexes' squares lie at one zoom level, from hex 0's square at (0, 0).
struct LevelGeometry {
    int cell = 0, columnStep = 0, rowStep = 0;
    int layout = 1, cols = 0, rows = 0;

    int x(int col, int row) const {
        return columnStep * col + (layout == 2 && row % 2 == 1 ? columnStep / 2 : 0);
    }
    int y(int col, int row) const {
        return rowStep * row + (layout == 1 && col % 2 == 1 ? rowStep / 2 : 0);
    }
    // The map's extent: the farthest squares' far edges.
    int width() const { return x(cols - 1, rows > 1 ? 1 : 0) + cell; }
    int height() const { return y(cols > 1 ? 1 : 0, rows - 1) + cell; }
};

// Whether a text placed by `orientation` beside the square at (x, y) of side s falls wholly
// outside the map. The text's own size does not matter: a text beside the square lies
// outside exactly when the square touches that edge of the map, and a centred text
// always overlaps its square's middle.
bool TextOutside(const LevelGeometry& g, int orientation, int x, int y) {
    const int s = g.cell;
    const bool left = orientation == 5 || orientation == 6 || orientation == 7;
    const bool right = orientation == 3 || orientation == 4 || orientation == 8;
    const bool above = orientation == 2 || orientation == 4 || orientation == 5;
    const bool below = orientation == 1 || orientation == 3 || orientation == 6;
    return (left && x <= 0) || (right && x + s >= g.width()) || (above && y <= 0) ||
           (below && y + s >= g.height());
}

void CheckMapTexts(const Battle& b, const SymbolSetSummary& set, ProblemList& out) {
    const BattleSettings& s = b.settings;
    std::array<LevelGeometry, 3> levels;
    for (size_t z = 0; z < 3; ++z) {
        LevelGeometry& g = levels[z];
        g.cell = set.cellWidth[z];
        // A square grid puts its cells side by side.
        g.columnStep = s.gridLayout == 3 ? g.cell : set.columnStep[z];
        g.rowStep = s.gridLayout == 3 ? g.cell : set.rowStep[z];
        g.layout = s.gridLayout;
        g.cols = s.mapCols;
        g.rows = s.mapRows;
    }
    const bool geometryKnown = levels[0].cell > 0 && s.mapCols > 0 && s.mapRows > 0;
    for (int n = 1; n <= b.mapTexts().count(); ++n) {
        const MapTextRecord& t = b.mapTexts()[n];
        const QString record = RecordName("Map text", n, t.text.text());
        if (t.text.empty()) {
            out.Add(CheckId::MapTextEmpty, t.hex, record,
                    QStringLiteral("The map text is empty: nothing is drawn."));
            continue;
        }
        if (!geometryKnown || !b.IsHex(t.hex))
            continue;
        const RowCol at = HexRowCol(b, t.hex);
        bool drawn = false, seen = false;
        for (size_t z = 0; z < 3 && !seen; ++z) {
            const int orientation = t.orientation[z];
            if (t.fontSize[z] < 6 || orientation < 1 || orientation > 8 || levels[z].cell <= 0)
                continue;
            drawn = true;
            const LevelGeometry& g = levels[z];
            seen = !TextOutside(g, orientation, g.x(at.col, at.row), g.y(at.col, at.row));
        }
        if (!drawn)
            out.Add(CheckId::MapTextNeverOnMap, t.hex, record,
                    QStringLiteral("The map text is drawn at no zoom level: its sizes are below "
                                   "6 points or it has no placement."));
        else if (!seen)
            out.Add(CheckId::MapTextNeverOnMap, t.hex, record,
                    QStringLiteral("The map text lies wholly outside the map at every zoom level: "
                                   "place it on the map's side of its hex."));
    }
}

} // namespace

void CheckPlaces(const Battle& b, const SymbolSetSummary& set, bool checkPassable,
                 ProblemList& out) {
    CheckObjectives(b, checkPassable, out);
    CheckStructures(b, checkPassable, out);
    CheckMapTexts(b, set, out);
}
