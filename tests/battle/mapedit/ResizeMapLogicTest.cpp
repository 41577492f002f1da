#include "ResizeMapLogic.h"
#include "BattleTestSupport.h"
#include "MapEditSupport.h"

#include <gtest/gtest.h>

TEST(ResizeMapLogic, EdgesKeepTheMapBetweenTenAndOneHundredFifty) {
    Battle b = StockBattle(40, 30);
    ResizeMapLogic logic(b);
    logic.FormActivate();
    EXPECT_FALSE(logic.OkEnabled()); // nothing to do yet
    EXPECT_EQ(logic.sizeText(), "40 × 30 hexes → 40 × 30 hexes");
    EXPECT_EQ(logic.lostLines(), QStringList({"Nothing on the map is lost."}));
    logic.SetEdge(ResizeMapLogic::Left, 200);
    EXPECT_EQ(logic.edge(ResizeMapLogic::Left), 110);
    logic.SetEdge(ResizeMapLogic::Right, 5); // no room left: held at 0
    EXPECT_EQ(logic.edge(ResizeMapLogic::Right), 0);
    EXPECT_EQ(logic.Maximum(ResizeMapLogic::Right), 0);
    logic.SetEdge(ResizeMapLogic::Left, 2);
    EXPECT_EQ(logic.Minimum(ResizeMapLogic::Right), -32);
    logic.SetEdge(ResizeMapLogic::Right, -40);
    EXPECT_EQ(logic.edge(ResizeMapLogic::Right), -32);
    EXPECT_EQ(logic.sizeText(), "40 × 30 hexes → 10 × 30 hexes");
    EXPECT_TRUE(logic.OkEnabled());
    logic.SetEdge(ResizeMapLogic::Bottom, -25);
    EXPECT_EQ(logic.edge(ResizeMapLogic::Bottom), -20);
    logic.FormActivate();
    EXPECT_EQ(logic.edge(ResizeMapLogic::Right), 0);
}

TEST(ResizeMapLogic, ThePreviewNamesWhatGoesAndHowTheGroundMoves) {
    Battle b = StockBattle(40, 30);
    UnitRecord u = Unit(1);
    u.name = "Holt Archers";
    b.AddUnit(u, HexAt(b, 10, 0));
    ResizeMapLogic logic(b);
    logic.SetEdge(ResizeMapLogic::Left, -1);
    EXPECT_TRUE(logic.NeedsConfirmation());
    EXPECT_EQ(logic.lostLines(), QStringList({"Unit 1 Holt Archers (Hex:100)"}));
    EXPECT_EQ(logic.staggerNote(), "An odd number of columns at the left: the ground moves half "
                                   "a row up to keep its shape.");
    logic.SetEdge(ResizeMapLogic::Left, 3);
    EXPECT_FALSE(logic.NeedsConfirmation());
    EXPECT_EQ(logic.lostLines(),
              QStringList({"20 hexes of terrain go; no records stand on them."}));
    EXPECT_TRUE(logic.staggerNote().contains("half a row down"));
    logic.SetEdge(ResizeMapLogic::Bottom, 1);
    EXPECT_EQ(logic.lostLines(), QStringList({"Nothing on the map is lost."}));
    logic.SetEdge(ResizeMapLogic::Left, 2);
    EXPECT_TRUE(logic.staggerNote().isEmpty());
    Battle horiz = StockBattle(20, 20, LayoutHoriz);
    ResizeMapLogic rows(horiz);
    rows.SetEdge(ResizeMapLogic::Top, 1);
    EXPECT_TRUE(rows.staggerNote().contains("half a column right"));
}
