#include "OverviewImage.h"
#include "BattlePreferences.h"
#include "BattleTestSupport.h"
#include "HexRegion.h"
#include "MapEditSupport.h"

#include "VarnholmNumbers.h"

#include <gtest/gtest.h>

#include <random>

TEST(OverviewImage, OneHexUpdatesDrawWhatAFullDrawingDraws) {
    const OverviewColours colours = OverviewColours::FromSet(StockSet());
    std::mt19937 rng(8);
    for (int layout : {LayoutVertical, LayoutHoriz})
        for (int scale = 1; scale <= 3; ++scale) {
            Battle b = BusyBattle(30, 20, layout, unsigned(scale));
            OverviewImage live;
            live.Draw(b, colours, scale);
            EXPECT_EQ(live.image().width(), 30 * scale + (layout == LayoutHoriz ? scale / 2 : 0));
            EXPECT_EQ(live.image().height(),
                      20 * scale + (layout == LayoutVertical ? scale / 2 : 0));
            for (int edit = 0; edit < 60; ++edit) {
                const int h = int(rng() % unsigned(b.hexCount()));
                if (edit % 3 == 0)
                    b.SetTerrainSlot(h, 0, int(rng() % 40));
                else if (edit % 3 == 1)
                    b.SetTerrainSlot(h, 1 + int(rng() % 6), int(rng() % 80)); // some beyond the set
                else
                    b.AddUnit(Unit(1 + int(rng() % 2)), h);
                ASSERT_TRUE(live.UpdateHex(b, colours, h));
            }
            OverviewImage fresh;
            fresh.Draw(b, colours, scale);
            EXPECT_TRUE(live.image() == fresh.image()) << layout << " " << scale;
            for (int h = 0; h < b.hexCount(); ++h)
                ASSERT_EQ(live.HexAt(live.HexRect(h).center()), h) << h;
        }
}

TEST(OverviewImage, ColoursComeFromThePicturesAndTheSides) {
    const OverviewColours colours = OverviewColours::FromSet(StockSet());
    ASSERT_EQ(int(colours.terrain.size()), StockSet().terrainCount());
    const QColor lake(colours.terrain[VhLake]), woods(colours.terrain[VhForest]);
    EXPECT_GT(lake.blue(), lake.red());
    EXPECT_GT(woods.green(), woods.blue());
    EXPECT_NE(colours.terrain[VhRoadFirst], colours.terrain[VhRiverFirst]);

    Battle b = StockBattle(10, 10);
    b.SetTerrainSlot(11, 0, VhLake);
    b.SetTerrainSlot(12, 0, VhLake);
    b.SetTerrainSlot(12, 1, VhRoadFirst);
    b.SetTerrainSlot(13, 0, kNoSymbol);
    b.AddUnit(Unit(2), 14);
    UnitRecord later = Unit(1);
    later.activationTurn = 3; // not on the map yet
    b.SetTerrainSlot(15, 0, VhLake);
    b.AddUnit(later, 15);
    OverviewImage o;
    o.Draw(b, colours, 2);
    const auto at = [&](int h) { return o.image().pixel(o.HexRect(h).topLeft()); };
    EXPECT_EQ(at(11), colours.terrain[VhLake]);
    EXPECT_EQ(at(12), colours.terrain[VhRoadFirst]); // the top terrain shows
    EXPECT_EQ(at(13), colours.table);
    EXPECT_EQ(at(14), colours.sides[1]);
    EXPECT_EQ(at(15), colours.terrain[VhLake]);
    EXPECT_FALSE(o.UpdateHex(StockBattle(11, 10), colours, 3)); // another size: draw anew
    EXPECT_EQ(o.BlockRect(11, 3, 2), QRect(2, 2, 6, 4));
}

TEST(BattlePreferences, OverviewAndRegionLayersComeBack) {
    BattlePreferences prefs;
    prefs.mapScale = 2;
    prefs.regionLayers = LayerPrimary | LayerUnits;
    prefs.showOverview = 1;
    prefs.overviewScale = 3;
    EXPECT_EQ(ParseBattlePreferences(FormatBattlePreferences(prefs)), prefs);
    // Out of range or unknown: the default stays.
    const BattlePreferences odd =
        ParseBattlePreferences("RegionLayers=128\nOverview=2\nOverviewScale=0\nMapScale=2\n");
    EXPECT_EQ(odd.regionLayers, 127);
    EXPECT_EQ(odd.showOverview, 0);
    EXPECT_EQ(odd.overviewScale, 2);
    EXPECT_EQ(odd.mapScale, 2);
}
