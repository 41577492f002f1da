#include "BrushFootprint.h"
#include "BattleRecords.h"
#include "HexSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

struct FootprintCase {
    const char* what;
    int layout, centre, radius;
    std::vector<int> expected;
};

// The hexes reached in `radius` steps through HexNeighbour, on the map only.
std::vector<int> NeighbourWalk(int centre, int radius, int cols, int rows) {
    std::set<int> reached{centre}, ring{centre};
    for (int step = 0; step < radius; ++step) {
        std::set<int> next;
        for (int h : ring)
            for (int d = 1; d <= 6; ++d)
                if (const int n = HexNeighbour(d, h, cols, cols * rows); n != kNoHex)
                    next.insert(n);
        reached.insert(next.begin(), next.end());
        ring = next;
    }
    return {reached.begin(), reached.end()};
}

} // namespace

// A map of 10 columns by 8 rows.
TEST(BrushFootprint, CutAtTheMapEdgesInEachArrangement) {
    const FootprintCase cases[] = {
        {"one hex", GridVertical, 44, 0, {44}},
        {"top left corner", GridVertical, 0, 1, {0, 1, 10}},
        {"top left corner, two rings", GridVertical, 0, 2, {0, 1, 2, 10, 11, 12, 20}},
        {"bottom right corner, odd column", GridVertical, 79, 1, {69, 78, 79}},
        {"right edge, odd column", GridVertical, 19, 1, {9, 18, 19, 28, 29}},
        {"left edge, even column", GridVertical, 10, 1, {0, 1, 10, 11, 20}},
        {"top left corner", GridHoriz, 0, 1, {0, 1, 10}},
        {"right edge, odd row", GridHoriz, 19, 1, {9, 18, 19, 29}},
        {"left edge, odd row", GridHoriz, 10, 1, {0, 1, 10, 11, 20, 21}},
        {"bottom left, odd row", GridHoriz, 70, 1, {60, 61, 70, 71}},
        {"square cells", GridSquare, 0, 1, {0, 1, 10, 11}},
        {"off the map", GridVertical, 80, 1, {}},
    };
    for (const FootprintCase& c : cases)
        EXPECT_EQ(BrushFootprint(c.centre, c.radius, 10, 8, c.layout), c.expected) << c.what;
}

TEST(BrushFootprint, InsideTheMapHoldsOneSevenAndNineteenHexes) {
    for (int layout : {GridVertical, GridHoriz})
        for (int centre : {44, 45, 54, 55}) { // even and odd columns and rows
            EXPECT_EQ(BrushFootprint(centre, 0, 10, 8, layout).size(), 1u);
            EXPECT_EQ(BrushFootprint(centre, 1, 10, 8, layout).size(), 7u);
            EXPECT_EQ(BrushFootprint(centre, 2, 10, 8, layout).size(), 19u);
        }
}

TEST(BrushFootprint, VerticalFootprintsAreTheHexNeighboursOfTheMap) {
    // Every hex of a small map, edges and corners included.
    for (int hex = 0; hex < 7 * 6; ++hex)
        for (int radius : {1, 2})
            ASSERT_EQ(BrushFootprint(hex, radius, 7, 6, GridVertical),
                      NeighbourWalk(hex, radius, 7, 6))
                << "hex " << hex << " radius " << radius;
}

TEST(BrushFootprint, HorizontalRowsNeighbourTheShiftedColumns) {
    // Even row 2, column 4: the rows above and below touch columns 3 and 4; odd row 3
    // touches columns 4 and 5.
    EXPECT_EQ(BrushSteps(GridHoriz, 4, 2, 3, 1), 1);
    EXPECT_EQ(BrushSteps(GridHoriz, 4, 2, 5, 1), 2);
    EXPECT_EQ(BrushSteps(GridHoriz, 4, 3, 5, 2), 1);
    EXPECT_EQ(BrushSteps(GridHoriz, 4, 3, 3, 4), 2);
    EXPECT_EQ(BrushSteps(GridSquare, 4, 3, 6, 5), 2);
}

TEST(BrushOutline, EdgesOfEveryHexAtItsViewPosition) {
    MapMetrics m;
    m.mapCols = 10;
    m.mapRows = 8;
    m.cellWidth = 30;
    m.columnStep = 23;
    m.rowStep = 28;
    const std::vector<QLine> one = BrushOutline(m, 0, {0});
    ASSERT_EQ(one.size(), 6u);
    // Column 1 is odd: its hexagon lies one column step right and half a row step down.
    const std::vector<QLine> shifted = BrushOutline(m, 0, {1});
    for (size_t i = 0; i < one.size(); ++i)
        EXPECT_EQ(shifted[i], one[i].translated(23, 14));
    // Relative to a view origin of row 2, column 2.
    const std::vector<QLine> scrolled = BrushOutline(m, 22, {22});
    EXPECT_EQ(scrolled, one);
    m.gridLayout = GridSquare;
    EXPECT_EQ(BrushOutline(m, 0, {0, 1}).size(), 8u);
}
