#include "MapRenderer.h"
#include "MapFixtures.h"

#include <gtest/gtest.h>

namespace {

const QColor kTable(90, 60, 30);

class MapRendering : public ::testing::Test {
protected:
    Battle battle;
    LoadedSymbolSet set = MakeLoadedSet();
    DisplayPrefs prefs;
    MapRenderer renderer{battle, set, prefs};

    void Build(int cols, int rows, int width = 200, int height = 150) {
        MakeBattle(battle, cols, rows);
        renderer.tableColour = kTable;
        ASSERT_TRUE(renderer.RebuildMapBuffer(width, height, {}));
        renderer.RenderMap(RenderFull);
    }
    // A second renderer drawing the same battle from scratch.
    QImage FullDrawing() {
        MapRenderer fresh(battle, set, prefs);
        fresh.tableColour = kTable;
        EXPECT_TRUE(
            fresh.RebuildMapBuffer(renderer.viewRect().width(), renderer.viewRect().height(), {}));
        fresh.RenderMap(RenderFull);
        return fresh.buffer();
    }
    QPoint Square(int hex) { return HexOrigin(renderer.metrics(), hex, 0); }
};

} // namespace

TEST_F(MapRendering, TerrainThroughTheHexMaskKeepsTheTableInTheCorners) {
    Build(10, 10);
    const QImage& b = renderer.buffer();
    // Hex 0 at (0, 0): inside its colour, its top-left corner the table colour.
    EXPECT_EQ(b.pixel(7, 7), TerrainColour(battle.hex(0).primaryTerrain));
    EXPECT_EQ(b.pixel(0, 0), kTable.rgb());
    EXPECT_EQ(renderer.viewRect(), QRect(0, 0, 200, 150));

    renderer.hexMask = false; // opaque squares: the corner is the terrain's black ground
    renderer.RenderMap(RenderFull);
    EXPECT_EQ(renderer.buffer().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(MapRendering, MarkersUnitsAndReinforcements) {
    Build(10, 10);
    UnitRecord opaque;
    opaque.symbol = 0;
    UnitRecord disc;
    disc.symbol = 1;
    UnitRecord late = disc;
    late.activationTurn = 2;
    ASSERT_NE(battle.AddUnit(opaque, 22), 0);
    ASSERT_NE(battle.AddUnit(disc, 24), 0);
    ASSERT_NE(battle.AddUnit(late, 26), 0);
    battle.markerTable[MarkerMapOverlay] = 7;
    renderer.RenderMap(RenderFull);
    const QImage& b = renderer.buffer();
    const int s = 15, u = 10, inset = (s - u) / 2;
    const QPoint p22 = Square(22), p24 = Square(24), p26 = Square(26);
    // The opaque unit is centred on its square.
    EXPECT_EQ(b.pixel(p22 + QPoint(inset, inset)), UnitColour(0));
    EXPECT_NE(b.pixel(p22 + QPoint(inset - 1, inset + 4)), UnitColour(0));
    // The disc shows the terrain through its corners.
    EXPECT_EQ(b.pixel(p24 + QPoint(s / 2, s / 2)), UnitColour(1));
    EXPECT_EQ(b.pixel(p24 + QPoint(inset + 1, inset + 1)),
              TerrainColour(battle.hex(24).primaryTerrain));
    // A reinforcement is not on the map yet.
    EXPECT_EQ(b.pixel(p26 + QPoint(s / 2, s / 2)), TerrainColour(battle.hex(26).primaryTerrain));
    // The overlay outline is drawn on the edge, the inside left as it was.
    EXPECT_EQ(b.pixel(p26 + QPoint(s / 5, 0)), TerrainColour(7));
}

TEST_F(MapRendering, ObjectivesFollowTheirPreference) {
    Build(10, 10);
    ObjectiveRecord objective;
    ASSERT_NE(battle.AddObjective(objective, 33), 0);
    renderer.RenderMap(RenderFull);
    const QPoint centre = Square(33) + QPoint(7, 7);
    EXPECT_EQ(renderer.buffer().pixel(centre), TerrainColour(9));
    prefs.showObjectives = false;
    renderer.RenderMap(RenderFull);
    EXPECT_EQ(renderer.buffer().pixel(centre), TerrainColour(battle.hex(33).primaryTerrain));
}

TEST_F(MapRendering, StripScrollingDrawsWhatAFullDrawingDraws) {
    Build(40, 30, 200, 150);
    UnitRecord disc;
    disc.symbol = 1;
    for (int h : {45, 90, 133, 260, 371})
        ASSERT_NE(battle.AddUnit(disc, h), 0);
    MapTextRecord text;
    text.text = "Ford";
    text.fontSize = {8, 8, 8};
    text.orientation = {3, 3, 3};
    ASSERT_NE(battle.AddMapText(text, 132), 0);
    renderer.RenderMap(RenderFull);
    const auto expectSame = [&](const char* step) {
        const QImage full = FullDrawing();
        ASSERT_EQ(renderer.buffer().size(), full.size());
        // The margin around the view is never shown; the view must match exactly.
        QRect diff;
        const QRect view = renderer.viewRect();
        for (int y = view.top(); y <= view.bottom(); ++y)
            for (int x = view.left(); x <= view.right(); ++x)
                if (renderer.buffer().pixel(x, y) != full.pixel(x, y))
                    diff |= QRect(x, y, 1, 1);
        EXPECT_TRUE(diff.isEmpty()) << step << " differs in " << diff.x() << "," << diff.y() << " "
                                    << diff.width() << "x" << diff.height();
    };
    renderer.ScrollColumns(1); // from column 0 to 2: the margin column appears too
    EXPECT_EQ(renderer.metrics().col(renderer.originHex()), 2);
    expectSame("first columns");
    renderer.ScrollColumns(2);
    expectSame("two columns right");
    renderer.ScrollRows(1);
    expectSame("down");
    renderer.ScrollRows(2);
    expectSame("down again");
    renderer.ScrollColumns(-2);
    expectSame("left");
    renderer.ScrollRows(-2);
    expectSame("up");
    renderer.ScrollColumns(5); // more than two: a full drawing
    EXPECT_EQ(renderer.metrics().col(renderer.originHex()), 8);
    expectSame("far right");
}

TEST_F(MapRendering, RedrawingOneHexMatchesAFullDrawing) {
    Build(20, 20);
    UnitRecord disc;
    disc.symbol = 1;
    ASSERT_NE(battle.AddUnit(disc, 43), 0);
    // A text from the hex to the left runs across the redrawn square: only its part
    // inside the square is drawn again, over the new terrain.
    MapTextRecord text;
    text.text = "Holt Ford";
    text.fontSize = {9, 9, 9};
    text.orientation = {8, 8, 8};
    ASSERT_NE(battle.AddMapText(text, 42), 0);
    renderer.RenderMap(RenderFull);
    battle.SetTerrainSlot(43, 0, 8);
    battle.SetTerrainSlot(43, 1, 9);
    renderer.RedrawHex(43);
    EXPECT_TRUE(renderer.buffer() == FullDrawing());
    battle.SetTerrainSlot(44, 0, kNoSymbol); // an empty hex shows the table
    renderer.RedrawHex(44);
    EXPECT_TRUE(renderer.buffer() == FullDrawing());
}

TEST_F(MapRendering, MapTextsNeedSixPointsAtTheLevel) {
    Build(20, 20);
    MapTextRecord text;
    text.text = "Varnholm";
    text.colour = 0x0000ff; // red
    text.fontSize = {5, 8, 8};
    text.orientation = {1, 1, 1};
    ASSERT_NE(battle.AddMapText(text, 63), 0);
    const auto redPixels = [&] {
        int n = 0;
        const QImage& b = renderer.buffer();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    };
    renderer.RenderMap(RenderFull);
    EXPECT_EQ(redPixels(), 0);
    ASSERT_TRUE(renderer.ZoomInAt(63));
    ASSERT_TRUE(renderer.RebuildMapBuffer(200, 150, {}));
    renderer.RenderMap(RenderFull);
    EXPECT_GT(redPixels(), 10);
    prefs.showMapText = false;
    renderer.RenderMap(RenderFull);
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(MapRendering, ZoomLevelsStopAtTheirEnds) {
    Build(40, 30);
    EXPECT_FALSE(renderer.ZoomOutView());
    EXPECT_TRUE(renderer.ZoomInAt(555));
    EXPECT_TRUE(renderer.ZoomInAt(555));
    EXPECT_FALSE(renderer.ZoomInAt(555));
    EXPECT_EQ(renderer.zoomLevel(), 2);
    const MapMetrics m = renderer.metrics();
    EXPECT_EQ(m.cellWidth, 45);
    EXPECT_EQ(m.col(renderer.originHex()) % 2, 0);
    EXPECT_EQ(m.row(renderer.originHex()) % 2, 0);
}
