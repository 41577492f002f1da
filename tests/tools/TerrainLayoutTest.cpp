#include "TerrainLayout.h"

#include "MapPreview.h"

#include <gtest/gtest.h>

TEST(TerrainLayout, DistanceCountsStepsAcrossEdges) {
    EXPECT_EQ(HexDistance({4, 4}, {4, 4}), 0);
    for (int side = 0; side < 6; ++side)
        EXPECT_EQ(HexDistance({4, 4}, NeighbourCell({4, 4}, side)), 1) << side;
    EXPECT_EQ(HexDistance({0, 0}, {4, 0}), 4); // zigzag along a row
    EXPECT_EQ(HexDistance({0, 0}, {0, 5}), 5);
    EXPECT_EQ(HexDistance({0, 0}, {2, 1}), 2); // two steps south-east
    EXPECT_EQ(HexDistance({1, 0}, {3, 3}), 4);
    EXPECT_EQ(Patch({5, 5}, 0).size(), 1u);
    EXPECT_EQ(Patch({5, 5}, 1).size(), 7u);
    EXPECT_EQ(Patch({6, 5}, 2).size(), 19u);
}

TEST(TerrainLayout, RoutesStepToNeighboursThroughEveryWaypoint) {
    const std::vector<QPoint> waypoints = {{-1, 3}, {7, 9}, {12, 2}, {12, 12}, {3, 30}};
    const std::vector<QPoint> path = Route(waypoints);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), waypoints.front());
    EXPECT_EQ(path.back(), waypoints.back());
    size_t next = 1;
    for (size_t i = 1; i < path.size(); ++i) {
        EXPECT_NE(SideTowards(path[i - 1], path[i]), -1) << i;
        if (next < waypoints.size() && path[i] == waypoints[next])
            ++next;
    }
    EXPECT_EQ(next, waypoints.size()) << "a waypoint was missed";
    EXPECT_TRUE(VisitsEachCellOnce(Route({{0, 0}, {9, 9}})));
    EXPECT_FALSE(VisitsEachCellOnce({{0, 0}, {0, 1}, {0, 0}}));
}

class LayoutOnBattle : public ::testing::Test {
protected:
    void SetUp() override {
        battle.settings.mapCols = 12;
        battle.settings.mapRows = 10;
        ASSERT_TRUE(battle.InitNewBattle(nullptr));
    }
    Battle battle;
    TerrainLayout map{battle};
};

TEST_F(LayoutOnBattle, PiecesFillFreeSlotsOnceAndRefuseASeventh) {
    map.SetGround({3, 4}, 5);
    map.SetGround({-1, 4}, 5); // off the map: ignored
    EXPECT_EQ(map.Ground({3, 4}), 5);
    for (int s = 100; s < 106; ++s)
        map.AddPiece({3, 4}, s);
    map.AddPiece({3, 4}, 102); // already there
    EXPECT_EQ(map.refusals(), 0);
    map.AddPiece({3, 4}, 106);
    EXPECT_EQ(map.refusals(), 1);
    const HexRecord& h = battle.hex(map.HexOf({3, 4}));
    EXPECT_EQ(h.secondaryTerrain, (std::array<int, 6>{100, 101, 102, 103, 104, 105}));
    EXPECT_TRUE(map.HasPieceOf({3, 4}, 104, 3));
    EXPECT_FALSE(map.HasPieceOf({3, 5}, 100, 6));
    EXPECT_EQ(map.CellOf(map.HexOf({7, 9})), QPoint(7, 9));
}

TEST_F(LayoutOnBattle, LinkedPathsRunOffTheMapAndSkipTheGroundTheyRiseIn) {
    map.SetGround({5, 2}, 8);
    // From the lake at (5, 2) south, then out across the bottom edge.
    const std::vector<QPoint> path = Route({{5, 2}, {5, 9}, {5, 10}});
    map.Link(path, 40, 8);
    EXPECT_FALSE(map.HasPieceOf({5, 2}, 40, 6));
    EXPECT_TRUE(map.HasPiece({5, 3}, 40 + 0));
    EXPECT_TRUE(map.HasPiece({5, 3}, 40 + 3));
    EXPECT_TRUE(map.HasPiece({5, 9}, 40 + 3)); // towards the edge
    EXPECT_EQ(map.refusals(), 0);
}
