#include "HexGrid.h"
#include "HexSteps.h"

#include <gtest/gtest.h>

namespace {

constexpr int kStaggered[] = {LayoutVertical, LayoutHoriz};
constexpr RegionTurn kTurns[] = {RegionTurn::MirrorLeftRight, RegionTurn::MirrorTopBottom,
                                 RegionTurn::HalfTurn};

} // namespace

TEST(HexGrid, VerticalNeighboursAreThoseOfTheReports) {
    const HexGrid grid{9, 8, LayoutVertical};
    for (int h = 0; h < grid.hexCount(); ++h)
        for (int d = 0; d < kDirections; ++d)
            EXPECT_EQ(grid.Neighbour(h, d), HexNeighbour(d + 1, h, grid.cols, grid.hexCount()))
                << h << " " << d;
}

TEST(HexGrid, HorizNeighboursFollowTheShiftOfOddRows) {
    const HexGrid grid{10, 10, LayoutHoriz};
    const int w = grid.cols;
    const int even = 4 * w + 5, odd = 5 * w + 5;
    // Up-right, right, down-right, down-left, left, up-left.
    const int evenExpected[] = {even - w, even + 1, even + w, even + w - 1, even - 1, even - w - 1};
    const int oddExpected[] = {odd - w + 1, odd + 1, odd + w + 1, odd + w, odd - 1, odd - w};
    for (int d = 0; d < kDirections; ++d) {
        EXPECT_EQ(grid.Neighbour(even, d), evenExpected[d]) << d;
        EXPECT_EQ(grid.Neighbour(odd, d), oddExpected[d]) << d;
    }
    EXPECT_EQ(grid.Neighbour(w - 1, 1), kNoHex); // right of the last column
    EXPECT_EQ(grid.Neighbour(w, 5), 0);          // an odd row's first hex reaches up-left
    EXPECT_EQ(grid.Neighbour(2 * w, 5), kNoHex); // an even row's does not
}

TEST(HexGrid, StepsGoBackThroughTheOppositeEdge) {
    for (int layout : kStaggered) {
        const HexGrid grid{7, 6, layout};
        for (int h = 0; h < grid.hexCount(); ++h)
            for (int d = 0; d < kDirections; ++d) {
                const int n = grid.Neighbour(h, d);
                if (n == kNoHex)
                    continue;
                EXPECT_EQ(grid.Neighbour(n, OppositeDirection(d)), h);
                EXPECT_EQ(grid.DirectionTo(h, n), d);
            }
    }
}

TEST(HexGrid, LinesAreShortestConnectedWalksOnTheMap) {
    for (int layout : kStaggered) {
        const HexGrid grid{8, 7, layout};
        for (int a = 0; a < grid.hexCount(); ++a)
            for (int b = 0; b < grid.hexCount(); ++b) {
                const std::vector<int> line = grid.Line(a, b);
                ASSERT_EQ(int(line.size()), CubeDistance(grid.CubeOf(a), grid.CubeOf(b)) + 1)
                    << layout << ": " << a << " to " << b;
                EXPECT_EQ(line.front(), a);
                EXPECT_EQ(line.back(), b);
                for (size_t i = 0; i + 1 < line.size(); ++i)
                    ASSERT_GE(grid.DirectionTo(line[i], line[i + 1]), 0)
                        << layout << ": " << a << " to " << b << " at " << i;
            }
    }
}

TEST(HexGrid, ALineAlongAColumnOrRowStaysInIt) {
    const HexGrid vertical{10, 10, LayoutVertical};
    EXPECT_EQ(vertical.Line(3, 63), (std::vector<int>{3, 13, 23, 33, 43, 53, 63}));
    const HexGrid horiz{10, 10, LayoutHoriz};
    EXPECT_EQ(horiz.Line(41, 45), (std::vector<int>{41, 42, 43, 44, 45}));
    const HexGrid grid{10, 10, LayoutGrid};
    EXPECT_TRUE(grid.Line(41, 45).empty());
    EXPECT_EQ(grid.Neighbour(41, 1), kNoHex);
}

TEST(HexGrid, TurnsMoveStepsOntoTheTurnedEdges) {
    for (int layout : {LayoutVertical, LayoutHoriz, LayoutGrid})
        for (RegionTurn turn : kTurns)
            for (int d = 0; d < kDirections; ++d) {
                const HexGrid grid{10, 10, layout};
                const int turned = TurnedDirection(layout, turn, d);
                EXPECT_EQ(TurnedDirection(layout, turn, turned), d) << "each turn is its own undo";
                if (layout != LayoutGrid) {
                    EXPECT_EQ(Turned(layout, turn, grid.Step(d)), grid.Step(turned));
                }
                const Cube c{3, -5, 2};
                EXPECT_EQ(Turned(layout, turn, Turned(layout, turn, c)), c);
            }
    // Named pieces: a mirrored north-east piece points north-west, a flipped one south-east.
    EXPECT_EQ(TurnedDirection(LayoutVertical, RegionTurn::MirrorLeftRight, 1), 5);
    EXPECT_EQ(TurnedDirection(LayoutVertical, RegionTurn::MirrorLeftRight, 0), 0);
    EXPECT_EQ(TurnedDirection(LayoutVertical, RegionTurn::MirrorTopBottom, 1), 2);
    EXPECT_EQ(TurnedDirection(LayoutVertical, RegionTurn::HalfTurn, 1), 4);
    // Horiz: the right edge (1) mirrors onto the left one (4) and stays when flipped.
    EXPECT_EQ(TurnedDirection(LayoutHoriz, RegionTurn::MirrorLeftRight, 1), 4);
    EXPECT_EQ(TurnedDirection(LayoutHoriz, RegionTurn::MirrorTopBottom, 1), 1);
    EXPECT_EQ(TurnedAxis(LayoutVertical, RegionTurn::MirrorLeftRight, 1), 2);
}
