// The map drawing checked pixel by pixel against a plain drawing kept here: every layer
// of every hex of the block, one pixel at a time, on battles of the stock set.

#include "MapRenderer.h"
#include "StockScenes.h"

#include <gtest/gtest.h>

namespace {

const QColor kTable(70, 50, 20);

// dst AND / OR / copy src for each pixel of `source` inside `from`, placed at `at`.
enum class Op { Copy, And, Or };
void Apply(QImage& to, QPoint at, const QImage& from, QRect source, Op op) {
    for (int y = source.top(); y <= source.bottom(); ++y)
        for (int x = source.left(); x <= source.right(); ++x) {
            const QPoint p = at + QPoint(x - source.left(), y - source.top());
            if (!from.rect().contains(x, y) || !to.rect().contains(p))
                continue;
            const QRgb s = from.pixel(x, y), d = to.pixel(p);
            to.setPixel(p, op == Op::Copy ? s : op == Op::And ? (d & s) : (d | s));
        }
}

struct Reference {
    const Battle& battle;
    const LoadedSymbolSet& set;
    const DisplayPrefs& prefs;
    bool hexMask = true;

    QImage Draw(QSize size, int zoom, int origin) const {
        const int level = zoom + 1, s = set.cellWidth[size_t(zoom)];
        const int layout = battle.settings.gridLayout;
        // Square grids place their cells side by side.
        const int cs = layout == 3 ? s : set.columnStep[size_t(zoom)];
        const int rs = layout == 3 ? s : set.rowStep[size_t(zoom)];
        const int cols = battle.settings.mapCols, rows = battle.settings.mapRows;
        QImage out(size, QImage::Format_RGB32);
        out.fill(kTable);
        int c0 = origin % cols, r0 = origin / cols;
        int n = size.width() / cs, m = size.height() / rs;
        if (r0 > 0)
            --r0, ++m;
        if (c0 > 0)
            --c0, ++n;
        const auto at = [&](int r, int c) {
            return QPoint(cs * (c - c0) + (layout == 2 && r % 2 == 1 ? cs / 2 : 0),
                          rs * (r - r0) + (layout == 1 && c % 2 == 1 ? rs / 2 : 0));
        };
        const auto cell = [&](SymbolKind k, int symbol) {
            return set.table(k)[size_t(symbol)].cells[size_t(level - 1)].rect();
        };
        const auto marker = [&](int symbol, QPoint p) {
            if (symbol < 0 || symbol >= set.terrainCount())
                return;
            const int mask = set.table(SymbolKind::Terrain)[size_t(symbol)].maskIndex;
            const QImage& picture = set.picture(SymbolKind::Terrain, level);
            if (mask >= 1 && mask <= set.maskCount()) {
                Apply(out, p, set.picture(SymbolKind::Mask, level),
                      cell(SymbolKind::Mask, mask - 1), Op::And);
                Apply(out, p, picture, cell(SymbolKind::Terrain, symbol), Op::Or);
            } else {
                Apply(out, p, picture, cell(SymbolKind::Terrain, symbol), Op::Copy);
            }
        };
        const int lastRow = std::min(r0 + m, rows - 1), lastCol = std::min(c0 + n, cols - 1);
        for (int r = r0; r <= lastRow; ++r)
            for (int c = c0; c <= lastCol; ++c) {
                const HexRecord& h = battle.hex(r * cols + c);
                const QPoint p = at(r, c);
                const int t = h.primaryTerrain;
                if (t >= 0 && t < set.terrainCount()) {
                    const QImage& picture = set.picture(SymbolKind::Terrain, level);
                    if (hexMask) {
                        Apply(out, p, set.picture(SymbolKind::Mask, level),
                              cell(SymbolKind::Mask, 0), Op::And);
                        Apply(out, p, picture, cell(SymbolKind::Terrain, t), Op::Or);
                    } else {
                        Apply(out, p, picture, cell(SymbolKind::Terrain, t), Op::Copy);
                    }
                }
                if (h.caltropsMarker != 0)
                    marker(h.caltropsMarker, p);
                for (int symbol : h.secondaryTerrain)
                    marker(symbol, p);
                if (prefs.showOverlay)
                    marker(battle.markerTable[MarkerMapOverlay], p);
                if (prefs.showObjectives && h.objectiveNo != 0)
                    marker(battle.markerTable[MarkerObjective], p);
                if (prefs.showReinforcements && h.reinforcementMarker != 0)
                    marker(h.reinforcementMarker, p);
                if (h.structureNo != 0)
                    marker(battle.structures()[h.structureNo].symbol, p);
            }
        for (int r = r0; r <= lastRow; ++r)
            for (int c = c0; c <= lastCol; ++c) {
                const int n = battle.hex(r * cols + c).unitNo;
                if (n == 0 || battle.unit(n).activationTurn > 1)
                    continue;
                const int symbol = battle.unit(n).symbol;
                const QRect piece = cell(SymbolKind::Unit, symbol);
                QPoint p = at(r, c);
                if (s > piece.width())
                    p.rx() += (s - piece.width()) / 2;
                if (s > piece.height())
                    p.ry() += (s - piece.height()) / 2;
                const int mask = set.table(SymbolKind::Unit)[size_t(symbol)].maskIndex;
                const QImage& picture = set.picture(SymbolKind::Unit, level);
                if (mask >= 1 && mask <= set.maskCount()) {
                    const QRect maskCell(cell(SymbolKind::Mask, mask - 1).topLeft(), piece.size());
                    Apply(out, p, set.picture(SymbolKind::Mask, level), maskCell, Op::And);
                    Apply(out, p, picture, piece, Op::Or);
                } else {
                    Apply(out, p, picture, piece, Op::Copy);
                }
            }
        return out;
    }
};

class MapReference : public ::testing::TestWithParam<SceneDensity> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadStockSet(Set())); }
    static LoadedSymbolSet& Set() {
        static LoadedSymbolSet set;
        return set;
    }

    Battle battle;
    DisplayPrefs prefs;
    MapRenderer renderer{battle, Set(), prefs};
    Reference reference{battle, Set(), prefs};

    void Build(int zoom, int origin) {
        MakeStockBattle(battle, 150, 150, GetParam());
        UnitRecord late;
        late.activationTurn = 3; // a reinforcement stays off the map
        battle.AddUnit(late, origin + 2 * 150 + 3);
        battle.SetReinforcementMarker(origin + 2 * 150 + 3, 29);
        battle.settings.zoomLevel = uint8_t(zoom);
        battle.settings.viewOriginHex = origin;
        renderer.tableColour = kTable;
        ASSERT_TRUE(renderer.RebuildMapBuffer(480, 360, {}));
    }
    // The differing pixels of `region`, as a bounding box, for the failure message.
    static QRect Differences(const QImage& a, const QImage& b, const QRect& region) {
        QRect diff;
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    diff |= QRect(x, y, 1, 1);
        return diff;
    }
    void ExpectReference(const char* what, bool viewOnly = false) {
        const QImage& drawn = renderer.buffer();
        const QImage expected =
            reference.Draw(drawn.size(), renderer.zoomLevel(), renderer.originHex());
        const QRect diff =
            Differences(drawn, expected, viewOnly ? renderer.viewRect() : drawn.rect());
        EXPECT_TRUE(diff.isEmpty())
            << what << " at zoom " << renderer.zoomLevel() << " differs in " << diff.x() << ","
            << diff.y() << " " << diff.width() << "x" << diff.height();
    }
};

} // namespace

TEST_P(MapReference, FullDrawingsAtEveryZoomLevel) {
    for (int zoom = 0; zoom <= 2; ++zoom) {
        Build(zoom, 6 * 150 + 10);
        renderer.RenderMap(RenderFull);
        ExpectReference("full drawing");
    }
    // Opaque squares instead of the hex mask, and the markers switched off.
    renderer.hexMask = reference.hexMask = false;
    prefs.showOverlay = prefs.showReinforcements = false;
    renderer.RenderMap(RenderFull);
    ExpectReference("opaque squares");
}

TEST_P(MapReference, RowShiftedAndSquareGrids) {
    for (int layout : {2, 3}) {
        Build(0, 4 * 150 + 6);
        battle.settings.gridLayout = uint8_t(layout);
        ASSERT_TRUE(renderer.RebuildMapBuffer(480, 360, {}));
        renderer.RenderMap(RenderFull);
        ExpectReference(layout == 2 ? "rows shifted" : "square cells");
        renderer.ScrollColumns(2);
        ExpectReference(layout == 2 ? "rows shifted, scrolled" : "square cells, scrolled", true);
        const MapMetrics m = renderer.metrics();
        const int hex = m.hexAt(m.row(renderer.originHex()) + 5, m.col(renderer.originHex()) + 4);
        battle.SetTerrainSlot(hex, 0, 8);
        renderer.RedrawHex(hex);
        ExpectReference(layout == 2 ? "rows shifted, one hex" : "square cells, one hex", true);
    }
}

TEST_P(MapReference, ScrollStepsAndRedrawsShowWhatTheReferenceShows) {
    Build(1, 0);
    renderer.RenderMap(RenderFull);
    const std::pair<const char*, QPoint> steps[] = {{"right", {2, 0}}, {"right again", {2, 0}},
                                                    {"down", {0, 2}},  {"down again", {0, 2}},
                                                    {"left", {-2, 0}}, {"up", {0, -2}}};
    for (const auto& [what, d] : steps) {
        if (d.x() != 0)
            renderer.ScrollColumns(d.x());
        else
            renderer.ScrollRows(d.y());
        ExpectReference(what, true);
    }
    const MapMetrics m = renderer.metrics();
    const int hex = m.hexAt(m.row(renderer.originHex()) + 4, m.col(renderer.originHex()) + 5);
    battle.SetTerrainSlot(hex, 0, 8);         // lake
    battle.SetTerrainSlot(hex, 3, kNoSymbol); // one secondary removed
    renderer.RedrawHex(hex);
    ExpectReference("one hex redrawn");
}

INSTANTIATE_TEST_SUITE_P(Densities, MapReference,
                         ::testing::Values(SceneDensity::Sample, SceneDensity::EveryLayer),
                         [](const auto& info) {
                             return info.param == SceneDensity::Sample ? "Sample" : "EveryLayer";
                         });
