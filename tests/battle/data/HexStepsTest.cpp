#include "HexSteps.h"
#include "BattleStandings.h"
#include "BattleTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Distance on a map whose odd columns are shifted down by half a hex, worked out
// independently through cube coordinates.
int CubeDistance(int r0, int c0, int r1, int c1) {
    const int z0 = r0 - (c0 - (c0 & 1)) / 2, z1 = r1 - (c1 - (c1 & 1)) / 2;
    const int dx = c0 - c1, dz = z0 - z1, dy = -dx - dz;
    return std::max({std::abs(dx), std::abs(dy), std::abs(dz)});
}

} // namespace

TEST(HexNeighbour, FollowsTheShiftOfOddColumns) {
    const int w = 10, count = 100;
    const int even = 5 * w + 4, odd = 5 * w + 5;
    const int evenExpected[] = {even - w, even - w + 1, even + 1, even + w, even - 1, even - w - 1};
    const int oddExpected[] = {odd - w, odd + 1, odd + w + 1, odd + w, odd + w - 1, odd - 1};
    for (int d = 1; d <= 6; ++d) {
        EXPECT_EQ(HexNeighbour(d, even, w, count), evenExpected[d - 1]) << d;
        EXPECT_EQ(HexNeighbour(d, odd, w, count), oddExpected[d - 1]) << d;
    }
    EXPECT_EQ(HexNeighbour(1, 3, w, count), kNoHex);
    EXPECT_EQ(HexNeighbour(4, 95, w, count), kNoHex);
    EXPECT_EQ(HexNeighbour(6, 0, w, count), kNoHex);
    EXPECT_EQ(HexNeighbour(7, 55, w, count), kNoHex);
}

TEST(HexDistance, StraightLinesAndSamples) {
    Battle b = NewBattle(12, 12);
    EXPECT_EQ(HexDistance(b, HexAt(b, 4, 3), HexAt(b, 4, 3)), 0);
    EXPECT_EQ(HexDistance(b, HexAt(b, 4, 3), HexAt(b, 4, 5)), 2);
    EXPECT_EQ(HexDistance(b, HexAt(b, 2, 6), HexAt(b, 5, 6)), 3);
    EXPECT_EQ(HexDistance(b, HexAt(b, 4, 4), HexAt(b, 3, 5)), 1);
    EXPECT_EQ(HexDistance(b, HexAt(b, 4, 4), HexAt(b, 4, 5)), 1);
    EXPECT_EQ(HexDistance(b, HexAt(b, 0, 0), HexAt(b, 11, 11)), CubeDistance(0, 0, 11, 11));
    EXPECT_EQ(HexDistance(b, -1, 3), kUnreachable);
    EXPECT_EQ(HexDistance(b, 3, 144), kUnreachable);
}

// Along a column, a row and the six straight lines the count is the true one.
TEST(HexDistance, StraightLinesAgreeWithCubeDistance) {
    Battle b = NewBattle(11, 10);
    int checked = 0;
    for (int a = 0; a < b.hexCount(); ++a) {
        for (int c = 0; c < b.hexCount(); ++c) {
            const int r0 = a / 11, c0 = a % 11, r1 = c / 11, c1 = c % 11;
            const int expected = CubeDistance(r0, c0, r1, c1);
            const int z0 = r0 - (c0 - (c0 & 1)) / 2, z1 = r1 - (c1 - (c1 & 1)) / 2;
            const bool straight = c0 == c1 || z0 == z1 || (c0 + z0) == (c1 + z1);
            if (!straight || expected <= 1)
                continue;
            ASSERT_EQ(HexDistance(b, a, c), expected) << "from " << a << " to " << c;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
}

// Off the lines the distance is the length of the walk, which goes straight down (or
// up) while the column offset is not larger than the row offset.
TEST(HexDistance, WalkCountsItsSteps) {
    Battle b = NewBattle(11, 10);
    EXPECT_EQ(HexDistance(b, HexAt(b, 0, 0), HexAt(b, 2, 2)), 4);
    EXPECT_EQ(HexDistance(b, HexAt(b, 2, 2), HexAt(b, 0, 0)), 3);
    EXPECT_EQ(HexDistance(b, HexAt(b, 0, 0), HexAt(b, 5, 1)), 6);
    EXPECT_EQ(HexDistance(b, HexAt(b, 6, 1), HexAt(b, 3, 8)), 7);
    // A walk is a path on the map: never shorter than the true distance, never longer
    // than the row and column offsets together.
    for (int a = 0; a < b.hexCount(); ++a) {
        for (int c = 0; c < b.hexCount(); ++c) {
            const int r0 = a / 11, c0 = a % 11, r1 = c / 11, c1 = c % 11;
            const int d = HexDistance(b, a, c);
            if (d > 1) {
                ASSERT_GE(d, CubeDistance(r0, c0, r1, c1)) << a << " " << c;
            }
            ASSERT_LE(d, std::abs(r0 - r1) + std::abs(c0 - c1)) << a << " " << c;
        }
    }
}

// The first and the last column of the map are far apart, not neighbours across the edge.
TEST(HexDistance, EdgesDoNotWrap) {
    Battle b = NewBattle(11, 10);
    EXPECT_EQ(HexNeighbour(b, 2, HexAt(b, 0, 10)), kNoHex);
    EXPECT_EQ(HexNeighbour(b, 3, HexAt(b, 1, 10)), kNoHex);
    EXPECT_EQ(HexNeighbour(b, 5, HexAt(b, 1, 0)), kNoHex);
    EXPECT_EQ(HexNeighbour(b, 6, HexAt(b, 1, 0)), kNoHex);
    EXPECT_EQ(HexNeighbour(b, 1, HexAt(b, 1, 0)), HexAt(b, 0, 0));
    EXPECT_EQ(HexDistance(b, HexAt(b, 1, 10), HexAt(b, 1, 9)), 1);
    EXPECT_EQ(HexDistance(b, HexAt(b, 0, 10), HexAt(b, 1, 0)), 10);
}

namespace {

UnitRecord Leader(int side, int wing, int range, int rating) {
    UnitRecord u = Unit(side, wing);
    u.wingLeader = 1;
    u.commandRange = range;
    u.leaderRating = rating;
    return u;
}

} // namespace

TEST(FindWingLeader, LeaderCommandsItselfAndRangeLimitsOthers) {
    Battle b = NewBattle(12, 12);
    const int soldier = b.AddUnit(Unit(1, 0), HexAt(b, 2, 2));
    const int leader = b.AddUnit(Leader(1, 0, 4, 3), HexAt(b, 7, 2)); // 5 away
    EXPECT_EQ(FindWingLeader(b, leader), leader);
    EXPECT_EQ(FindWingLeader(b, soldier), 0) << "distance 5, range 4";
    UnitRecord longer = b.unit(leader);
    longer.commandRange = 5;
    b.UpdateUnit(leader, longer);
    EXPECT_EQ(FindWingLeader(b, soldier), leader);
}

TEST(FindWingLeader, NearestThenHigherRatingThenLowerNumber) {
    Battle b = NewBattle(12, 12);
    const int soldier = b.AddUnit(Unit(1, 1), HexAt(b, 5, 5));
    const int far = b.AddUnit(Leader(1, 1, 9, 9), HexAt(b, 5, 9));
    const int nearLow = b.AddUnit(Leader(1, 1, 9, 2), HexAt(b, 3, 5));
    const int nearHigh = b.AddUnit(Leader(1, 1, 9, 4), HexAt(b, 7, 5));
    const int nearEqual = b.AddUnit(Leader(1, 1, 9, 4), HexAt(b, 5, 3));
    EXPECT_NE(far, 0);
    EXPECT_NE(nearLow, 0);
    EXPECT_NE(nearEqual, 0);
    EXPECT_EQ(FindWingLeader(b, soldier), nearHigh);
}

TEST(FindWingLeader, FirstWingCommandsAllOtherWingsOnlyTheirOwn) {
    Battle b = NewBattle(12, 12);
    const int wing1 = b.AddUnit(Unit(1, 1), HexAt(b, 5, 5));
    const int wing2Leader = b.AddUnit(Leader(1, 2, 6, 5), HexAt(b, 5, 6));
    EXPECT_NE(wing2Leader, 0);
    EXPECT_EQ(FindWingLeader(b, wing1), 0);
    const int wing0Leader = b.AddUnit(Leader(1, 0, 6, 1), HexAt(b, 8, 5));
    EXPECT_EQ(FindWingLeader(b, wing1), wing0Leader);

    UnitRecord late = Leader(1, 1, 6, 9);
    late.activationTurn = 3;
    b.AddUnit(late, HexAt(b, 5, 4));
    b.AddUnit(Leader(2, 1, 6, 9), HexAt(b, 4, 5));
    EXPECT_EQ(FindWingLeader(b, wing1), wing0Leader) << "reinforcements and the enemy do not lead";
}

TEST(SideScore, UnitValuesAndOnlyTheFirstObjective) {
    Battle b = NewBattle();
    UnitRecord a = Unit(1);
    a.value = 10;
    UnitRecord c = Unit(2);
    c.value = 7;
    UnitRecord d = Unit(3); // any side but 1 counts for side 2
    d.value = 1;
    b.AddUnit(a, 1);
    b.AddUnit(c, 2);
    b.AddUnit(d, 3);
    EXPECT_EQ(SideScore(b).sideA, 10);
    EXPECT_EQ(SideScore(b).sideB, 8);

    ObjectiveRecord first;
    first.victoryPoints = 40;
    ObjectiveRecord second;
    second.victoryPoints = 30;
    b.AddObjective(first, 2);  // held by side 2
    b.AddObjective(second, 1); // held by side 1, ignored
    EXPECT_EQ(SideScore(b).sideA, 10);
    EXPECT_EQ(SideScore(b).sideB, 48);
}
