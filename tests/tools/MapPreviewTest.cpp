#include "MapPreview.h"

#include <gtest/gtest.h>

// In the "Vertical" arrangement odd columns sit half a row lower, so the diagonal
// neighbours of even and odd columns lie in different rows.
TEST(MapPreview, NeighboursFollowTheHalfRowShiftOfOddColumns) {
    const struct {
        QPoint cell;
        int side;
        QPoint neighbour;
    } cases[] = {
        {{2, 2}, 0, {2, 1}}, {{2, 2}, 1, {3, 1}}, {{2, 2}, 2, {3, 2}}, {{2, 2}, 3, {2, 3}},
        {{2, 2}, 4, {1, 2}}, {{2, 2}, 5, {1, 1}}, {{3, 2}, 1, {4, 2}}, {{3, 2}, 2, {4, 3}},
        {{3, 2}, 4, {2, 3}}, {{3, 2}, 5, {2, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighbourCell(c.cell, c.side), c.neighbour) << c.cell.x() << "," << c.side;
}

TEST(MapPreview, EveryNeighbourLiesAcrossTheOppositeEdgeBack) {
    for (int col = 0; col < 4; ++col)
        for (int side = 0; side < 6; ++side) {
            const QPoint cell(col, 3);
            EXPECT_EQ(SideTowards(NeighbourCell(cell, side), cell), (side + 3) % 6);
        }
    EXPECT_EQ(SideTowards({0, 0}, {2, 0}), -1);
}

TEST(MapPreview, LinkedPathGetsMatchingPiecesOnBothSidesOfEachEdge) {
    PreviewMap map(4, 4);
    LinkPath(map, {{0, 1}, {1, 1}, {1, 2}, {1, 3}, {1, 4}}, 100);
    EXPECT_EQ(map.at({0, 1}).secondary, std::vector<int>({102}));      // south-east
    EXPECT_EQ(map.at({1, 1}).secondary, std::vector<int>({105, 103})); // from north-west, south
    EXPECT_EQ(map.at({1, 3}).secondary, std::vector<int>({100, 103})); // leaves the map south
}
