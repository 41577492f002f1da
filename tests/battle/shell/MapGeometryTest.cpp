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

TEST(ViewOrigin, ZoomAtThePointerKeepsTheGroundUnderIt) {
    // Three levels of a set with cells 15, 30 and 45 pixels wide, on the largest map.
    const auto level = [](int cell) {
        MapMetrics m = Metrics(GridVertical, 150, 150);
        m.cellWidth = cell;
        m.columnStep = cell * 4 / 5 - 1;
        m.rowStep = cell - 2;
        return m;
    };
    const MapMetrics levels[] = {level(15), level(30), level(45)};
    const int viewWidth = 900, viewHeight = 700;
    for (int from = 0; from < 3; ++from)
        for (int to : {from - 1, from + 1}) {
            if (to < 0 || to > 2)
                continue;
            for (int origin : {40 * 150 + 40, 30 * 150 + 50}) // away from the edge clamp
                for (const QPoint at : {QPoint(450, 350), QPoint(100, 600), QPoint(880, 20)}) {
                    const int before = HexAtPoint(levels[from], origin, at.x(), at.y());
                    const int after = ZoomAtPointOrigin(levels[from], levels[to], origin, at,
                                                        viewWidth, viewHeight);
                    EXPECT_EQ(levels[to].col(after) % 2, 0);
                    EXPECT_EQ(levels[to].row(after) % 2, 0);
                    const int under = HexAtPoint(levels[to], after, at.x(), at.y());
                    // Within one column and one row: the origin moves in steps of two.
                    EXPECT_LE(std::abs(levels[to].col(under) - levels[from].col(before)), 1)
                        << from << " to " << to << " at " << at.x() << "," << at.y();
                    EXPECT_LE(std::abs(levels[to].row(under) - levels[from].row(before)), 1)
                        << from << " to " << to << " at " << at.x() << "," << at.y();
                }
        }
}
