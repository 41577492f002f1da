// The checker's "map text never on the map" against the drawing itself: a text is reported
// exactly when, at every zoom level it is drawn at, the box the renderer draws it in misses
// the whole-map picture.
#include "BattleCheck.h"

#include "Battle.h"
#include "Definitions.h"
#include "LoadedSymbolSet.h"
#include "MapGeometry.h"
#include "MapPicture.h"
#include "MapTextLayout.h"

#include <gtest/gtest.h>

#include <random>

namespace {

LoadedSymbolSet CellsOnlySet() {
    LoadedSymbolSet set;
    set.records[KindIndex(SymbolKind::Terrain)].resize(1);
    set.cellWidth = {15, 30, 45};
    set.ComputeCellSteps();
    return set;
}

bool SeenInDrawing(const Battle& b, const LoadedSymbolSet& set, const MapTextRecord& t) {
    for (int z = 0; z < 3; ++z) {
        const MapMetrics m = MetricsFor(b.settings, set, z);
        const auto layout = LayOutMapText(t, z, HexOrigin(m, t.hex, 0), m.cellWidth);
        if (layout && layout->box.intersects(QRect(QPoint(0, 0), MapPictureSize(b, set, z))))
            return true;
    }
    return false;
}

TEST(MapTextCheck, ReportsExactlyTheTextsTheDrawingNeverShows) {
    const LoadedSymbolSet set = CellsOnlySet();
    const SymbolSetSummary summary = SummaryOf(set);
    const char* const words[] = {"Holt", "Ebbing Ford", "W", "Varnholm Keep Gate"};
    std::mt19937 rng(20);
    int reported = 0, trials = 0;
    for (int layout = 1; layout <= 3; ++layout) {
        Battle b;
        b.settings.mapCols = 10 + layout;
        b.settings.mapRows = 10 + 2 * layout;
        b.settings.gridLayout = uint8_t(layout);
        ASSERT_TRUE(b.InitNewBattle(nullptr));
        // Edge hexes and their inner neighbours, where the answer changes.
        std::vector<int> hexes;
        const int cols = b.settings.mapCols, rows = b.settings.mapRows;
        for (int r : {0, 1, rows / 2, rows - 2, rows - 1})
            for (int c : {0, 1, cols / 2, cols - 2, cols - 1})
                hexes.push_back(r * cols + c);
        for (int hex : hexes)
            for (int i = 0; i < 12; ++i) {
                MapTextRecord t;
                t.text = words[rng() % 4];
                t.fontName = "DejaVu Sans";
                for (size_t z = 0; z < 3; ++z) {
                    t.fontSize[z] = uint8_t(4 + rng() % 12);
                    t.orientation[z] = uint8_t(1 + rng() % 8);
                }
                while (b.mapTexts().count() > 0)
                    b.DeleteMapText(1);
                ASSERT_NE(b.AddMapText(t, hex), 0);
                t.hex = hex;
                bool flagged = false;
                for (const BattleProblem& p : CheckBattle(b, summary, Definitions{}, QString()))
                    flagged = flagged || p.check == CheckId::MapTextNeverOnMap;
                EXPECT_EQ(flagged, !SeenInDrawing(b, set, t))
                    << "layout " << layout << " hex " << hex << " sizes " << int(t.fontSize[0])
                    << "," << int(t.fontSize[1]) << "," << int(t.fontSize[2]) << " placements "
                    << int(t.orientation[0]) << "," << int(t.orientation[1]) << ","
                    << int(t.orientation[2]);
                reported += flagged;
                ++trials;
            }
    }
    // Both answers occur, so the comparison means something.
    EXPECT_GT(reported, trials / 20);
    EXPECT_LT(reported, trials - trials / 20);
}

} // namespace
