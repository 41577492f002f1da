#include "MapEditSupport.h"

#include <gtest/gtest.h>

TEST(PathFamilies, TheStockSetHasSixFamiliesAndTwoCrossings) {
    const PathFamilies& f = StockFamilies();
    QStringList names;
    for (const PathFamily& family : f.families()) {
        names.append(family.name);
        EXPECT_TRUE(family.missing().isEmpty()) << family.name.toStdString();
    }
    EXPECT_EQ(names, QStringList({"River", "Stream", "Road", "Track", "Wall", "Palisade"}));
    ASSERT_EQ(f.crossings().size(), 2u);
    const int bridge = f.CrossingNamed("Bridge"), ford = f.CrossingNamed("Ford");
    const auto& road = f.families()[size_t(f.FamilyNamed("Road"))];
    const auto& track = f.families()[size_t(f.FamilyNamed("Track"))];
    EXPECT_EQ(road.crossing, bridge);
    EXPECT_EQ(track.crossing, ford);
    EXPECT_FALSE(road.water);
    EXPECT_TRUE(f.families()[size_t(f.FamilyNamed("River"))].water);
    EXPECT_TRUE(f.families()[size_t(f.FamilyNamed("Stream"))].water);
    EXPECT_EQ(f.families()[size_t(f.FamilyNamed("Wall"))].crossing, -1);

    // Every piece is known by what it is, and turns into its sibling of another edge.
    const std::vector<QByteArray> names8 = TerrainNames(StockSet());
    for (int d = 0; d < 6; ++d) {
        const int s = Piece("Road", d);
        ASSERT_NE(s, kNoSymbol);
        EXPECT_EQ(names8[size_t(s)], QByteArray("Road ") + kDirectionNames[size_t(d)]);
        const PieceRef ref = f.PieceOf(s);
        EXPECT_EQ(ref.kind, PieceRef::Path);
        EXPECT_EQ(ref.direction, d);
        EXPECT_EQ(f.WithDirection(s, (d + 1) % 6), Piece("Road", (d + 1) % 6));
    }
    EXPECT_EQ(names8[size_t(CrossingPiece("Ford", 1))], "Ford NE-SW");
    EXPECT_EQ(f.PieceOf(CrossingPiece("Bridge", 2)).kind, PieceRef::Crossing);
    EXPECT_EQ(f.WithDirection(CrossingPiece("Bridge", 2), 0), CrossingPiece("Bridge", 0));
    EXPECT_EQ(f.PieceOf(0).kind, PieceRef::None); // open ground
    EXPECT_EQ(f.WithDirection(0, 3), 0);
}

TEST(PathFamilies, ADesignersSetIsReadByTheSameNames) {
    const std::vector<QByteArray> names = {
        "Grass",          "Old Road North", "Old Road South",   "Old Road North",
        "North",          "Old Road Up",    "Mill Brook South", "Mill Brook North-East ",
        "Causeway NE-SW", "Ford SE-NW",     "Hedge North-West"};
    const PathFamilies f = PathFamilies::Find(names);
    ASSERT_EQ(f.families().size(), 3u);
    const PathFamily& road = f.families()[0];
    EXPECT_EQ(road.name, "Old Road");
    EXPECT_EQ(road.pieces[0], 1); // the first of two symbols of one name
    EXPECT_EQ(road.pieces[3], 2);
    EXPECT_EQ(road.missing(), QStringList({"Old Road North-East", "Old Road South-East",
                                           "Old Road South-West", "Old Road North-West"}));
    EXPECT_EQ(road.crossing, f.CrossingNamed("Ford")); // no bridge in this set
    EXPECT_TRUE(f.families()[1].water);
    EXPECT_EQ(f.families()[1].pieces[1], 7); // a trailing space is no part of the name
    EXPECT_EQ(f.families()[2].name, "Hedge");
    EXPECT_EQ(f.families()[2].crossing, -1);
    EXPECT_EQ(f.PieceOf(3).kind, PieceRef::None);
    EXPECT_EQ(f.PieceOf(4).kind, PieceRef::None);
    EXPECT_EQ(f.PieceOf(5).kind, PieceRef::None);
    EXPECT_EQ(f.crossings().size(), 2u);
    EXPECT_TRUE(PathFamilies::Find({"Grass", "Woods"}).empty());
}
