#include "MapResize.h"
#include "MapEditSupport.h"

#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What stands on a hex, with the records by content rather than number.
struct Ground {
    HexRecord terrain; // links cleared
    QByteArray unit, structure, objective, mapText;
    bool operator==(const Ground&) const = default;
};

Ground GroundAt(const Battle& b, int h) {
    const HexRecord& x = b.hex(h);
    Ground g{x, {}, {}, {}, {}};
    g.terrain.unitNo = g.terrain.structureNo = g.terrain.objectiveNo = g.terrain.mapTextNo = 0;
    if (x.unitNo)
        g.unit = b.unit(x.unitNo).name.bytes() + QByteArray::number(b.unit(x.unitNo).men);
    if (x.structureNo)
        g.structure = b.structures()[x.structureNo].name.bytes();
    if (x.objectiveNo)
        g.objective = b.objectives()[x.objectiveNo].name.bytes();
    if (x.mapTextNo)
        g.mapText = b.mapTexts()[x.mapTextNo].text.bytes();
    return g;
}

} // namespace

TEST(MapResize, KeptHexesKeepTheirGroundAndNeighbours) {
    std::mt19937 rng(3);
    for (int layout : {LayoutVertical, LayoutHoriz})
        for (int trial = 0; trial < 12; ++trial) {
            const Battle before = BusyBattle(16, 14, layout, unsigned(trial + 30));
            const ResizeEdges e{int(rng() % 7) - 3, int(rng() % 7) - 3, int(rng() % 7) - 3,
                                int(rng() % 7) - 3};
            const ResizePlan plan = PlanResize(before, e);
            ASSERT_TRUE(plan.allowed());
            EXPECT_EQ(plan.halfStep, layout == LayoutVertical ? e.left % 2 != 0 : e.top % 2 != 0);
            Battle after = before;
            ASSERT_TRUE(ApplyResize(after, plan));
            ASSERT_TRUE(LinksConsistent(after));
            EXPECT_EQ(after.settings.mapCols, 16 + e.left + e.right);
            EXPECT_EQ(after.settings.mapRows, 14 + e.top + e.bottom);
            EXPECT_EQ(after.hexCount(), after.settings.hexCount);
            const HexGrid oldGrid = HexGrid::Of(before), newGrid = HexGrid::Of(after);
            int kept = 0;
            for (int h = 0; h < before.hexCount(); ++h) {
                const int to = plan.newHex[size_t(h)];
                if (to == kNoHex)
                    continue;
                ++kept;
                ASSERT_TRUE(GroundAt(after, to) == GroundAt(before, h)) << h;
                for (int d = 0; d < kDirections; ++d) {
                    const int n = oldGrid.Neighbour(h, d);
                    if (n != kNoHex && plan.newHex[size_t(n)] != kNoHex) {
                        ASSERT_EQ(newGrid.Neighbour(to, d), plan.newHex[size_t(n)]);
                    }
                }
            }
            EXPECT_EQ(kept + plan.lostHexes, before.hexCount());
            EXPECT_EQ(after.unitCount(), before.unitCount() - int(plan.lostUnits.size()));
            EXPECT_EQ(after.mapTexts().count(),
                      before.mapTexts().count() - int(plan.lostMapTexts.size()));
        }
}

TEST(MapResize, ARemovedEdgeListsWhatStoodThere) {
    Battle b = StockBattle(12, 10);
    UnitRecord u = Unit(1);
    u.name = "Ford Spearmen";
    b.AddUnit(Unit(2), HexAt(b, 4, 4));
    b.AddUnit(u, HexAt(b, 5, 11));
    b.AddUnit(Unit(2), HexAt(b, 6, 4));
    ObjectiveRecord o;
    o.name = "Bridge";
    b.AddObjective(o, HexAt(b, 0, 10));
    const ResizePlan plan = PlanResize(b, {0, -2, 0, 0});
    ASSERT_TRUE(plan.allowed());
    EXPECT_TRUE(plan.losesRecords());
    EXPECT_EQ(plan.lostUnits, std::vector<int>{2});
    EXPECT_EQ(LostRecordLines(b, plan),
              QStringList({"Unit 2 Ford Spearmen (Hex:511)", "Objective 1 Bridge (Hex:010)"}));
    EXPECT_EQ(plan.lostHexes, 20);
    ASSERT_TRUE(ApplyResize(b, plan));
    EXPECT_EQ(b.unitCount(), 2);
    EXPECT_EQ(b.objectives().count(), 0);
    EXPECT_EQ(b.unit(2).hex, 6 * 10 + 4); // renumbered on the narrower map
    EXPECT_TRUE(LinksConsistent(b));
}

TEST(MapResize, SizesStayBetweenTenAndOneHundredFifty) {
    Battle b = StockBattle(12, 10);
    const std::vector<uint8_t> before = StateOf(b);
    const ResizePlan plan = PlanResize(b, {0, 0, 0, -1});
    EXPECT_EQ(plan.refusal, "A map has 10 to 150 columns and rows; this would give 12 × 9.");
    EXPECT_FALSE(ApplyResize(b, plan));
    EXPECT_FALSE(PlanResize(b, {70, 69, 0, 0}).allowed());
    EXPECT_TRUE(PlanResize(b, {70, 68, 140, 0}).allowed());
    EXPECT_TRUE(StateOf(b) == before);
    Battle other = StockBattle(14, 10);
    EXPECT_FALSE(ApplyResize(other, PlanResize(b, {1, 0, 0, 0}))); // made for another map
}

TEST(MapResize, AResizeAndItsOppositeGiveTheMapBack) {
    for (int layout : {LayoutVertical, LayoutHoriz})
        for (const ResizeEdges& e :
             {ResizeEdges{2, 1, 2, 3}, ResizeEdges{1, 0, 1, 1}, ResizeEdges{3, 2, 3, 1}}) {
            // The half step needs room: a row (column) at the far edge for odd shifts.
            const bool odd = layout == LayoutVertical ? e.left % 2 != 0 : e.top % 2 != 0;
            if (odd && (layout == LayoutVertical ? e.bottom : e.right) < 1)
                continue;
            Battle b = BusyBattle(14, 12, layout, 40);
            b.settings.viewOriginHex = HexAt(b, 4, 6);
            const std::vector<uint8_t> before = StateOf(b);
            const int origin = b.settings.viewOriginHex;
            ASSERT_TRUE(ApplyResize(b, PlanResize(b, e)));
            EXPECT_NE(b.settings.viewOriginHex, origin);
            const ResizePlan back = PlanResize(b, {-e.left, -e.right, -e.top, -e.bottom});
            EXPECT_FALSE(back.losesRecords());
            ASSERT_TRUE(ApplyResize(b, back));
            EXPECT_TRUE(StateOf(b) == before) << layout << " " << e.left << e.top;
            EXPECT_EQ(b.settings.viewOriginHex, origin);
        }
}
