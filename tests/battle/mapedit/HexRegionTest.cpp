#include "HexSelection.h"
#include "MapEditSupport.h"
#include "RegionEdits.h"

#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr int kStaggered[] = {LayoutVertical, LayoutHoriz};
constexpr RegionTurn kTurns[] = {RegionTurn::MirrorLeftRight, RegionTurn::MirrorTopBottom,
                                 RegionTurn::HalfTurn};

std::vector<int> Rect(const Battle& b, int row0, int col0, int row1, int col1) {
    return HexSelection::Rect(HexGrid::Of(b), HexAt(b, row0, col0), HexAt(b, row1, col1));
}

} // namespace

TEST(HexSelection, RectanglesAddAndRemove) {
    const HexGrid grid{12, 10, LayoutVertical};
    HexSelection s;
    s.Reset(grid.hexCount());
    s.SelectRect(grid, 2 * 12 + 3, 4 * 12 + 1, HexSelection::Combine::Replace);
    EXPECT_EQ(s.count(), 9);
    EXPECT_TRUE(s.contains(3 * 12 + 2));
    s.SelectRect(grid, 4 * 12 + 3, 5 * 12 + 4, HexSelection::Combine::Add);
    EXPECT_EQ(s.count(), 12); // (4,3) was chosen already
    s.SelectRect(grid, 0, 3 * 12 + 11, HexSelection::Combine::Remove);
    EXPECT_EQ(s.count(), 6);
    EXPECT_EQ(s.StatusText(), "6 hexes selected.");
    s.SelectAll();
    EXPECT_EQ(s.count(), 120);
    s.Clear();
    EXPECT_TRUE(s.hexes().empty());
}

TEST(HexRegion, CutAndPasteInPlaceGivesTheSameBattle) {
    for (int layout : kStaggered)
        for (unsigned seed = 1; seed <= 4; ++seed) {
            Battle b = BusyBattle(16, 14, layout, seed);
            const std::vector<uint8_t> before = StateOf(b);
            const std::vector<int> hexes = Rect(b, 2 + int(seed), 1, 11, 6 + int(seed));
            HexRegion region = CopyRegion(b, hexes, kAllLayers);
            region.moving = true;
            ClearHexes(b, hexes, kAllLayers);
            ASSERT_TRUE(LinksConsistent(b));
            const RegionOutcome out = PasteRegion(b, region, hexes.front(), kAllLayers);
            ASSERT_TRUE(out.done) << out.message.toStdString();
            EXPECT_EQ(out.hexes, hexes);
            EXPECT_TRUE(StateOf(b) == before) << "layout " << layout << " seed " << seed;
        }
}

TEST(HexRegion, PastedElsewhereTheWaysStillConnect) {
    for (int layout : kStaggered) {
        const Battle from = BusyBattle(12, 12, layout, 7);
        const std::vector<int> all = Rect(from, 0, 0, 11, 11);
        // Only a hex that was full can hold a piece without its partner.
        const int unpaired = UnpairedPieces(from, all);
        ASSERT_LT(unpaired, 4);
        const HexRegion region = CopyRegion(from, all, LayerSecondary);
        // Every parity of the anchor: the shape follows the stagger.
        for (int anchorRow : {3, 4})
            for (int anchorCol : {5, 6}) {
                Battle to = StockBattle(30, 30, layout);
                const RegionOutcome out =
                    PasteRegion(to, region, HexAt(to, anchorRow, anchorCol), kAllLayers);
                ASSERT_TRUE(out.done);
                EXPECT_EQ(out.hexes.size(), all.size());
                EXPECT_EQ(UnpairedPieces(to, out.hexes), unpaired);
                EXPECT_EQ(PathPieceCount(to), PathPieceCount(from));
                EXPECT_EQ(to.unitCount(), 0); // only the chosen layer came
            }
    }
}

TEST(HexRegion, CopiesAreNewRecordsInWingsOfTheSameName) {
    Battle from = StockBattle(10, 10);
    from.AddWingName("Ford Guard");
    UnitRecord u = Unit(2, 1);
    u.name = "Spearmen";
    from.AddUnit(u, HexAt(from, 1, 1));
    from.AddUnit(Unit(1, 0), HexAt(from, 1, 2));
    from.AddStructure(StructureRecord(), HexAt(from, 2, 2));
    from.AddMapText(MapTextRecord(), HexAt(from, 2, 1));
    const HexRegion region = CopyRegion(from, Rect(from, 1, 1, 2, 2), kAllLayers);
    EXPECT_FALSE(region.moving);

    Battle to = StockBattle(10, 10);
    to.AddWingName("Holt Horse");
    to.AddUnit(Unit(1, 0), HexAt(to, 5, 5));
    const RegionOutcome out = PasteRegion(to, region, HexAt(to, 6, 6), kAllLayers);
    ASSERT_TRUE(out.done);
    EXPECT_EQ(to.unitCount(), 3);
    EXPECT_EQ(to.unit(2).name.text(), "Spearmen");
    EXPECT_EQ(to.hex(HexAt(to, 6, 6)).unitNo, 2);
    EXPECT_EQ(to.wingNames().size(), 3u); // "Ford Guard" added beside "Holt Horse"
    EXPECT_EQ(to.wingNames()[size_t(to.unit(2).wing)].text(), "Ford Guard");
    EXPECT_EQ(to.unit(3).wing, 0);
    EXPECT_EQ(to.structures().count(), 1);
    EXPECT_EQ(to.mapTexts().count(), 1);
    EXPECT_TRUE(LinksConsistent(to));
    // A second paste makes more records; the source keeps its own.
    EXPECT_TRUE(PasteRegion(to, region, HexAt(to, 3, 6), kAllLayers).done);
    EXPECT_EQ(to.unitCount(), 5);
    EXPECT_EQ(from.unitCount(), 2);
}

TEST(HexRegion, AFullTableRefusesThePasteAndChangesNothing) {
    Battle b = StockBattle(40, 30);
    for (int n = 0; n < kMaxUnits - 1; ++n)
        b.AddUnit(Unit(1), 100 + n);
    const int free1 = HexAt(b, 0, 0), free2 = HexAt(b, 0, 1);
    // Two units in a region copied from elsewhere.
    Battle other = StockBattle(40, 30);
    other.AddUnit(Unit(2), free1);
    other.AddUnit(Unit(2), free2);
    const HexRegion region = CopyRegion(other, {free1, free2}, kAllLayers);
    const std::vector<uint8_t> before = StateOf(b);
    const RegionOutcome out = PasteRegion(b, region, free1, kAllLayers);
    EXPECT_FALSE(out.done);
    EXPECT_EQ(out.message, "The battle holds at most 500 units: the 2 units of the region do "
                           "not fit beside the 499 there are.");
    EXPECT_TRUE(StateOf(b) == before);
    // Onto hexes whose units it replaces, it fits.
    EXPECT_TRUE(PasteRegion(b, region, 100, kAllLayers).done);
    EXPECT_EQ(b.unitCount(), kMaxUnits - 1);
    EXPECT_TRUE(LinksConsistent(b));
    // Without the units layer the table does not matter.
    EXPECT_TRUE(PasteRegion(b, region, free1, LayerPrimary).done);
}

TEST(HexRegion, ClippedLargeForeignAndStrangeRegions) {
    const Battle from = BusyBattle(20, 20, LayoutVertical, 3);
    const HexRegion region = CopyRegion(from, Rect(from, 0, 0, 9, 9), kAllLayers);
    Battle b = StockBattle(20, 20);
    RegionOutcome out = PasteRegion(b, region, HexAt(b, 15, 14), kAllLayers);
    EXPECT_TRUE(out.done);
    EXPECT_EQ(out.hexes.size(), 30u);
    EXPECT_EQ(out.message, "Pasted 30 hexes. 70 hexes beyond the edge of the map were left out.");
    EXPECT_TRUE(LinksConsistent(b));

    const Battle small = StockBattle(10, 10);
    Battle big = BusyBattle(12, 12, LayoutVertical, 5);
    const HexRegion wide = CopyRegion(big, Rect(big, 0, 0, 3, 11), kAllLayers);
    Battle b10 = small;
    EXPECT_EQ(PasteRefusal(b10, wide, 0, kAllLayers),
              "The region (12 × 4 hexes) is larger than the map (10 × 10).");

    HexRegion foreign = region;
    foreign.setName = "fenland";
    EXPECT_EQ(PasteRefusal(b, foreign, 0, kAllLayers),
              "The hexes were copied from a battle on the symbol set \"fenland\"; this battle "
              "uses \"varnholm\".");
    foreign.setName = "VARNHOLM"; // set files are found whatever their letter case
    EXPECT_EQ(PasteRefusal(b, foreign, 0, kAllLayers), "");
    HexRegion turned = region;
    turned.layout = LayoutHoriz;
    EXPECT_FALSE(PasteRegion(b, turned, 0, kAllLayers).done);
    EXPECT_FALSE(PasteRegion(b, HexRegion(), 0, kAllLayers).done);
}

TEST(HexRegion, EveryTurnTwiceGivesTheSameBattle) {
    for (int layout : kStaggered)
        for (RegionTurn turn : kTurns)
            for (unsigned seed = 1; seed <= 3; ++seed) {
                Battle b = BusyBattle(18, 16, layout, seed + 10);
                const std::vector<int> hexes = Rect(b, 3, 2 + int(seed), 12, 9 + 2 * int(seed));
                // Where the stagger puts a mirror aside it covers hexes beyond the choice,
                // and mirroring back empties them: they start empty here.
                std::vector<int> outside;
                for (int h = 0; h < b.hexCount(); ++h)
                    if (!std::binary_search(hexes.begin(), hexes.end(), h))
                        outside.push_back(h);
                ClearHexes(b, outside, kAllLayers);
                const std::vector<uint8_t> before = StateOf(b);
                const RegionOutcome once = TurnHexes(b, StockFamilies(), hexes, kAllLayers, turn);
                ASSERT_TRUE(once.done) << once.message.toStdString();
                ASSERT_TRUE(LinksConsistent(b));
                EXPECT_EQ(once.hexes.size(), hexes.size());
                const RegionOutcome twice =
                    TurnHexes(b, StockFamilies(), once.hexes, kAllLayers, turn);
                ASSERT_TRUE(twice.done);
                EXPECT_EQ(twice.hexes, hexes);
                EXPECT_TRUE(StateOf(b) == before)
                    << "layout " << layout << " turn " << int(turn) << " seed " << seed;
            }
}

TEST(HexRegion, AMirroredHalfOfTheSampleStillConnects) {
    // The western half but the edge rows, where the stagger has room to move a column.
    const Battle& sample = SampleBattle();
    const std::vector<int> west = Rect(sample, 1, 0, sample.settings.mapRows - 2, 18);
    // The brook ends in the mere without a piece there, and the walls of the keep and the
    // town stand on one side of their edges only: those pieces have no partner.
    const int unpaired = UnpairedPieces(sample, west);
    ASSERT_LE(unpaired, 8);
    ASSERT_GT(PathPieceCount(sample), 150);
    for (RegionTurn turn : kTurns) {
        Battle b = sample;
        const RegionOutcome out = TurnHexes(b, StockFamilies(), west, kAllLayers, turn);
        ASSERT_TRUE(out.done);
        EXPECT_EQ(out.hexes.size(), west.size()) << out.message.toStdString();
        EXPECT_EQ(UnpairedPieces(b, out.hexes), unpaired) << int(turn);
        // The hexes the mirror covers beyond the choice lose what stood there.
        int covered = 0;
        for (int h : out.hexes)
            if (!std::binary_search(west.begin(), west.end(), h))
                for (int piece : sample.hex(h).secondaryTerrain)
                    covered += StockFamilies().PieceOf(piece).kind == PieceRef::Path;
        EXPECT_EQ(PathPieceCount(b), PathPieceCount(sample) - covered);
        EXPECT_EQ(b.unitCount(), sample.unitCount());
        EXPECT_TRUE(LinksConsistent(b));
        EXPECT_EQ(TurnHexes(b, StockFamilies(), out.hexes, kAllLayers, turn).hexes, west);
        // An odd number of columns mirrors left to right exactly, and back.
        if (turn == RegionTurn::MirrorLeftRight) {
            EXPECT_EQ(out.hexes, west);
            EXPECT_TRUE(StateOf(b) == StateOf(sample));
        }
    }
}

TEST(HexRegion, AnEvenWidthMirrorsOneColumnAside) {
    Battle b = BusyBattle(16, 12, LayoutVertical, 9);
    const std::vector<int> hexes = Rect(b, 2, 3, 9, 8); // columns 3 … 8
    const int unpaired = UnpairedPieces(b, hexes);
    const RegionOutcome out =
        TurnHexes(b, StockFamilies(), hexes, kAllLayers, RegionTurn::MirrorLeftRight);
    ASSERT_TRUE(out.done);
    EXPECT_EQ(out.hexes.size(), hexes.size());
    EXPECT_NE(out.hexes, hexes);
    EXPECT_TRUE(out.message.contains("lie one column or row aside")) << out.message.toStdString();
    EXPECT_EQ(UnpairedPieces(b, out.hexes), unpaired);
}

TEST(HexRegion, AMirrorAtTheMapsEdgeStepsAsideInwards) {
    for (RegionTurn turn : kTurns) {
        Battle b = BusyBattle(16, 12, LayoutVertical, 12);
        const std::vector<int> hexes = Rect(b, 0, 0, 11, 5); // columns 0 … 5, every row
        const Battle before = b;
        const RegionOutcome out = TurnHexes(b, StockFamilies(), hexes, kAllLayers, turn);
        ASSERT_TRUE(out.done) << out.message.toStdString();
        EXPECT_TRUE(LinksConsistent(b));
        // What stood on the hexes the mirror covers beyond the choice is replaced.
        int replaced = 0;
        for (int h : out.hexes)
            if (!std::binary_search(hexes.begin(), hexes.end(), h))
                replaced += before.hex(h).unitNo != 0;
        // Sideways the mirror steps inwards and loses nothing; a top-bottom mirror of every
        // row must lose the last row of each of the three odd columns.
        if (turn == RegionTurn::MirrorLeftRight) {
            EXPECT_EQ(out.hexes.size(), hexes.size());
            EXPECT_FALSE(out.message.contains("beyond the edge")) << out.message.toStdString();
            EXPECT_EQ(b.unitCount(), before.unitCount() - replaced);
        } else {
            EXPECT_TRUE(out.message.contains("3 hexes fell beyond the edge of the map") &&
                        out.hexes.size() == hexes.size() - 3)
                << out.message.toStdString();
        }
    }
}
