#include "PathLaying.h"
#include "MapEditSupport.h"

#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int Family(const char* name) {
    return StockFamilies().FamilyNamed(QString::fromLatin1(name));
}

std::vector<int> Stroke(const HexGrid& grid, std::initializer_list<int> pointer) {
    std::vector<int> path;
    for (int hex : pointer)
        ExtendPath(grid, path, hex);
    return path;
}

int SecondaryCount(const Battle& b) {
    int n = 0;
    for (const HexRecord& x : b.hexes())
        for (int s : x.secondaryTerrain)
            n += IsTerrainSymbol(s);
    return n;
}

bool NoPieceTwice(const Battle& b) {
    for (const HexRecord& x : b.hexes())
        for (int i = 0; i < kSecondarySlots; ++i)
            for (int j = i + 1; j < kSecondarySlots; ++j)
                if (IsTerrainSymbol(x.secondaryTerrain[size_t(i)]) &&
                    x.secondaryTerrain[size_t(i)] == x.secondaryTerrain[size_t(j)])
                    return false;
    return true;
}

} // namespace

TEST(PathLaying, RandomDragsLayConnectedWaysOnBothArrangements) {
    for (int layout : {LayoutVertical, LayoutHoriz}) {
        Battle b = StockBattle(20, 16, layout);
        const HexGrid grid = HexGrid::Of(b);
        std::mt19937 rng{unsigned(layout)};
        bool skipped = false; // once a full hex was skipped a way may end there
        for (int stroke = 0; stroke < 40; ++stroke) {
            std::vector<int> path;
            const int moves = 1 + int(rng() % 5);
            for (int m = 0; m < moves; ++m) // the pointer jumps over hexes
                ExtendPath(grid, path, int(rng() % unsigned(grid.hexCount())));
            for (size_t i = 0; i + 1 < path.size(); ++i)
                ASSERT_GE(grid.DirectionTo(path[i], path[i + 1]), 0);
            const int family = Family(stroke % 3 == 0   ? "River"
                                      : stroke % 3 == 1 ? "Road"
                                                        : "Track");
            const int before = SecondaryCount(b);
            const PathOutcome out = LayPath(b, grid, StockFamilies(), family, path,
                                            StockFamilies().families()[size_t(family)].crossing);
            EXPECT_EQ(out.piecesLaid, SecondaryCount(b) - before);
            skipped = skipped || !out.fullHexes.isEmpty();
            if (!skipped) {
                ASSERT_TRUE(PathsConnected(b)) << "layout " << layout << " stroke " << stroke;
            }
            ASSERT_TRUE(NoPieceTwice(b));
            EXPECT_TRUE(out.missingPieces.isEmpty());
        }
        EXPECT_GT(PathPieceCount(b), 100);
    }
}

TEST(PathLaying, AStraightRoadHasBothPiecesInEveryInnerHex) {
    Battle b = StockBattle(10, 10);
    const HexGrid grid = HexGrid::Of(b);
    const std::vector<int> path = Stroke(grid, {HexAt(b, 2, 4), HexAt(b, 6, 4)});
    ASSERT_EQ(path.size(), 5u);
    const PathOutcome out = LayPath(b, grid, StockFamilies(), Family("Road"), path, -1);
    EXPECT_EQ(out.piecesLaid, 8);
    EXPECT_EQ(out.changedHexes, path);
    EXPECT_EQ(b.hex(path[0]).secondaryTerrain[0], Piece("Road", 3));
    EXPECT_EQ(b.hex(path[0]).secondaryTerrain[1], kNoSymbol);
    for (size_t i = 1; i + 1 < path.size(); ++i) {
        EXPECT_TRUE(HasPiece(b, path[i], Piece("Road", 0)));
        EXPECT_TRUE(HasPiece(b, path[i], Piece("Road", 3)));
    }
    EXPECT_EQ(b.hex(path[4]).secondaryTerrain[0], Piece("Road", 0));
    // The same stroke again lays nothing.
    EXPECT_FALSE(LayPath(b, grid, StockFamilies(), Family("Road"), path, -1).changed());
}

TEST(PathLaying, AFullHexIsSkippedAndTheRestGoesOn) {
    Battle b = StockBattle(10, 10);
    const HexGrid grid = HexGrid::Of(b);
    const int full = HexAt(b, 5, 4);
    for (int slot = 1; slot <= 6; ++slot)
        b.SetTerrainSlot(full, slot, 2);
    const std::vector<int> path = Stroke(grid, {HexAt(b, 3, 4), HexAt(b, 7, 4)});
    const PathOutcome out = LayPath(b, grid, StockFamilies(), Family("Road"), path, -1);
    EXPECT_EQ(out.fullHexes, QStringList({"Hex:54"}));
    EXPECT_EQ(out.piecesLaid, 6);
    EXPECT_EQ(b.hex(full).secondaryTerrain, (std::array<int, 6>{2, 2, 2, 2, 2, 2}));
    EXPECT_TRUE(HasPiece(b, HexAt(b, 7, 4), Piece("Road", 0)));
    EXPECT_TRUE(
        out.Summary("Road").contains("Skipped full hexes (six secondary terrains): Hex:54"));
}

TEST(PathLaying, AMissingDirectionIsNamedAndTheRestLaid) {
    std::vector<QByteArray> names = {"Grass"};
    for (int d = 0; d < 5; ++d) // no "Road North-West"
        names.push_back(QByteArray("Road ") + kDirectionNames[size_t(d)]);
    const PathFamilies families = PathFamilies::Find(names);
    Battle b = StockBattle(10, 10);
    const HexGrid grid = HexGrid::Of(b);
    // South-east and back north-west: the way back needs the missing piece.
    const int a = HexAt(b, 4, 4), c = grid.Neighbour(a, 2);
    const PathOutcome out = LayPath(b, grid, families, 0, {a, c, a}, -1);
    EXPECT_EQ(out.missingPieces, QStringList({"Road North-West"}));
    EXPECT_TRUE(HasPiece(b, a, families.families()[0].pieces[2]));
    EXPECT_TRUE(out.Summary("Road").endsWith("The set has no Road North-West."));
}

TEST(PathLaying, WaysCrossWaterOnTheirCrossingAlongTheirAxis) {
    Battle b = StockBattle(12, 12);
    const HexGrid grid = HexGrid::Of(b);
    const int river = Family("River");
    LayPath(b, grid, StockFamilies(), river, Stroke(grid, {HexAt(b, 0, 6), HexAt(b, 11, 6)}), -1);
    // A road straight across from south-west to north-east through row 6 of the river.
    const int middle = HexAt(b, 6, 6);
    const std::vector<int> road = {grid.Neighbour(middle, 4), middle, grid.Neighbour(middle, 1)};
    const int bridge = StockFamilies().families()[size_t(Family("Road"))].crossing;
    LayPath(b, grid, StockFamilies(), Family("Road"), road, bridge);
    EXPECT_TRUE(HasPiece(b, middle, CrossingPiece("Bridge", 1)));
    EXPECT_FALSE(HasPiece(b, road[0], CrossingPiece("Bridge", 1))); // no water there
    // A track bending over the river on row 3: the ford along the leg not with the river.
    const int bend = HexAt(b, 3, 6);
    const int ford = StockFamilies().families()[size_t(Family("Track"))].crossing;
    LayPath(b, grid, StockFamilies(), Family("Track"),
            {grid.Neighbour(bend, 0), bend, grid.Neighbour(bend, 2)}, ford);
    EXPECT_TRUE(HasPiece(b, bend, CrossingPiece("Ford", 2)));
    // A road along the river, or one that only ends on it, crosses nothing.
    Battle along = b;
    LayPath(along, grid, StockFamilies(), Family("Road"),
            Stroke(grid, {HexAt(b, 8, 6), HexAt(b, 10, 6)}), bridge);
    LayPath(along, grid, StockFamilies(), Family("Road"),
            {HexAt(b, 9, 4), HexAt(b, 9, 5), HexAt(b, 9, 6)}, bridge);
    for (int axis = 0; axis < 3; ++axis)
        for (int row : {8, 9, 10})
            EXPECT_FALSE(HasPiece(along, HexAt(b, row, 6), CrossingPiece("Bridge", axis)));
}

TEST(PathLaying, RemovingLeavesNoWayEndingAtTheGap) {
    Battle b = StockBattle(12, 12);
    const HexGrid grid = HexGrid::Of(b);
    LayPath(b, grid, StockFamilies(), Family("River"),
            Stroke(grid, {HexAt(b, 0, 6), HexAt(b, 11, 6)}), -1);
    const std::vector<int> road = Stroke(grid, {HexAt(b, 6, 0), HexAt(b, 6, 11)});
    const int roadFamily = Family("Road");
    LayPath(b, grid, StockFamilies(), roadFamily, road,
            StockFamilies().families()[size_t(roadFamily)].crossing);
    ASSERT_TRUE(PathsConnected(b));
    const std::vector<int> gap = Stroke(grid, {HexAt(b, 6, 5), HexAt(b, 6, 7)});
    const PathOutcome out = RemovePath(b, grid, StockFamilies(), roadFamily, gap);
    EXPECT_GT(out.piecesRemoved, 0);
    EXPECT_TRUE(PathsConnected(b));
    for (int hex : gap)
        for (int s : b.hex(hex).secondaryTerrain) {
            const PieceRef ref = StockFamilies().PieceOf(s);
            EXPECT_FALSE(ref.kind == PieceRef::Path && ref.family == roadFamily);
            EXPECT_NE(ref.kind, PieceRef::Crossing);
        }
    EXPECT_TRUE(HasPiece(b, HexAt(b, 6, 6), Piece("River", 0))); // the river stays
    EXPECT_TRUE(LinksConsistent(b));
}
