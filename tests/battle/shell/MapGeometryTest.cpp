#include "MapGeometry.h"

#include <gtest/gtest.h>

namespace {

MapMetrics Metrics(int layout, int cols = 40, int rows = 30) {
    MapMetrics m;
    m.mapCols = cols;
    m.mapRows = rows;
    m.gridLayout = layout;
    m.cellWidth = 30;
    m.columnStep = 23;
    m.rowStep = 28;
    return m;
}

struct HitCase {
    int layout, origin, x, y, expected;
};

} // namespace

TEST(HexAtPoint, TableOfPoints) {
    const HitCase cases[] = {
        {GridVertical, 0, 2, 2, 0},
        {GridVertical, 0, 25, 10, 1},           // odd column: y' is -6, still row 0
        {GridVertical, 0, 25, 2 + 14 + 28, 41}, // odd column, one row down after the half shift
        {GridVertical, 0, 0, 0, 0},             // the band left and above counts as 0
        {GridVertical, 0, 1, 29, 0},            // y' = 27 < 28
        {GridVertical, 0, 1, 30, 40},
        {GridVertical, 82, 2, 2, 82}, // origin row 2, column 2
        {GridVertical, 0, 23 * 40 + 2, 2, kOffMap},
        {GridVertical, 0, 2, 28 * 30 + 2, kOffMap},
        {GridHoriz, 0, 2, 30, 40}, // odd row: x' is -11, still column 0
        {GridHoriz, 0, 2 + 11 + 23, 30, 41},
        {GridSquare, 0, 2 + 29, 2 + 30, 40},
        {GridSquare, 0, 2 + 30, 2, 1},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HexAtPoint(Metrics(c.layout), c.origin, c.x, c.y), c.expected)
            << c.layout << " (" << c.x << "," << c.y << ")";
}

TEST(HexOrigin, HalfStepShiftOfOddColumnsOrRows) {
    EXPECT_EQ(HexOrigin(Metrics(GridVertical), 1, 0), QPoint(23, 14));
    EXPECT_EQ(HexOrigin(Metrics(GridVertical), 42, 0), QPoint(46, 28));
    EXPECT_EQ(HexOrigin(Metrics(GridVertical), 43, 1), QPoint(46, 28 + 14));
    EXPECT_EQ(HexOrigin(Metrics(GridHoriz), 41, 0), QPoint(23 + 11, 28));
    EXPECT_EQ(HexOrigin(Metrics(GridSquare), 41, 0), QPoint(23, 28));
}

TEST(ViewOrigin, ClampKeepsTheViewOnTheMapAndEven) {
    const MapMetrics m = Metrics(GridVertical, 20, 16);
    // 10 columns and 8 rows visible: an origin at column 15 comes back to 10.
    EXPECT_EQ(ClampOrigin(m, 15, 3, 10, 8), m.hexAt(2, 10));
    EXPECT_EQ(ClampOrigin(m, 5, 3, 10, 8), m.hexAt(2, 4));
    // Without any shift at hex 0, the edge clamp is skipped: a map smaller than the view.
    EXPECT_EQ(ClampOrigin(m, 0, 0, 30, 30), 0);
    EXPECT_EQ(ClampOrigin(m, 3, 0, 30, 30), 0); // clamped to -10, raised to 0
}

TEST(ViewOrigin, ZoomInNearTheRightEdgeOfASmallMap) {
    const MapMetrics m = Metrics(GridVertical, 20, 16);
    const int origin = ZoomInOrigin(m, m.hexAt(7, 19), 230, 224); // 10 × 8 visible
    EXPECT_EQ(m.col(origin), 10);
    EXPECT_EQ(m.row(origin), 4);
    // Zooming out keeps the centre and lands on even numbers.
    MapMetrics wide = m;
    wide.columnStep = 11;
    wide.rowStep = 13;
    const int out = ZoomOutOrigin(m, wide, origin, 230, 224);
    EXPECT_EQ(wide.col(out) % 2, 0);
    EXPECT_EQ(wide.row(out) % 2, 0);
    EXPECT_EQ(out, 0); // the whole map fits at the wider level
}

TEST(ScrollBars, RangesFollowTheVisibleCounts) {
    const MapMetrics m = Metrics(GridVertical, 40, 30);
    const ScrollRange h = HorizontalScroll(m, 10, m.hexAt(4, 6));
    EXPECT_TRUE(h.enabled);
    EXPECT_EQ(h.maximum, 31); // 40 - 10, plus one as 10 is even
    EXPECT_EQ(h.position, 6);
    EXPECT_EQ(HorizontalScroll(m, 11, 0).maximum, 29);
    const ScrollRange v = VerticalScroll(m, 10, m.hexAt(4, 6));
    EXPECT_EQ(v.maximum, 20);
    EXPECT_EQ(v.position, 4);
    EXPECT_FALSE(HorizontalScroll(m, 40, 0).enabled); // a map narrower than the window
    EXPECT_FALSE(VerticalScroll(m, 31, 0).enabled);
}

TEST(ScrollBars, OddStepsRoundUpToEven) {
    EXPECT_EQ(EvenScrollStep(1), 2);
    EXPECT_EQ(EvenScrollStep(3), 4);
    EXPECT_EQ(EvenScrollStep(-1), -2);
    EXPECT_EQ(EvenScrollStep(-4), -4);
    EXPECT_EQ(EvenScrollStep(0), 0);
}
