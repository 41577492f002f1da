// The whole-map picture: drawn tile by tile, it equals what the renderer draws for one view
// as large as the map, whatever reaches across the tiles' edges.
#include "MapPicture.h"
#include "MapPictureChoice.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "ReferenceDrawing.h"
#include "StockScenes.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const LoadedSymbolSet& StockSet() {
    static const LoadedSymbolSet set = [] {
        LoadedSymbolSet s;
        EXPECT_TRUE(LoadStockSet(s));
        s.ComputeCellSteps();
        return s;
    }();
    return set;
}

QImage OneView(const Battle& battle, const MapPictureOptions& options) {
    return OneViewDrawing(battle, StockSet(), options.zoom, options.prefs, options.tableColour,
                          options.hexMask);
}

void AddText(Battle& battle, int hex, const char* words, int size, int orientation) {
    MapTextRecord text;
    text.text = words;
    text.fontName = "DejaVu Sans";
    text.fontSize = {uint8_t(size), uint8_t(size + 4), uint8_t(size + 6)};
    text.orientation = {uint8_t(orientation), uint8_t(orientation), uint8_t(orientation)};
    text.colour = 0x20c0f0;
    ASSERT_NE(battle.AddMapText(text, hex), 0);
}

// The first pixel where two pictures differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "first difference at " + std::to_string(x) + "," + std::to_string(y);
    return "none";
}

class WholeMap : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StockSet().loaded());
        MakeStockBattle(battle, 36, 28, SceneDensity::EveryLayer);
        // Long texts in every direction, some from hexes far from the tiles they cross.
        AddText(battle, battle.settings.mapCols * 5 + 3, "Varnholm Ford and the Old Mill", 14, 8);
        AddText(battle, battle.settings.mapCols * 9 + 20, "Eastern Heights", 16, 7);
        AddText(battle, battle.settings.mapCols * 14 + 11, "The Marsh", 20, 2);
        AddText(battle, battle.settings.mapCols * 3 + 30, "North Road", 12, 1);
        AddText(battle, battle.settings.mapCols * 20 + 17, "Holt", 24, 5);
        AddText(battle, battle.settings.mapCols * 27 + 35, "Corner", 10, 3);
    }
    Battle battle;
};

TEST_F(WholeMap, TilesMakeExactlyTheDrawingOfOneView) {
    for (int zoom = 0; zoom <= 2; ++zoom)
        for (int tile : {250, 4000}) {
            MapPictureOptions options;
            options.zoom = zoom;
            options.tilePixels = tile;
            options.tableColour = QColor(90, 40, 10);
            const MapPicture drawn = RenderMapPicture(battle, StockSet(), options);
            ASSERT_FALSE(drawn.picture.isNull()) << qPrintable(drawn.error);
            const QImage expected = OneView(battle, options);
            EXPECT_TRUE(drawn.picture == expected)
                << "zoom " << zoom << ", tiles of " << tile << ": "
                << FirstDifference(drawn.picture, expected);
        }
}

TEST_F(WholeMap, FollowsTheDisplayPreferences) {
    MapPictureOptions plain;
    plain.zoom = 1;
    plain.tilePixels = 200;
    const QImage all = RenderMapPicture(battle, StockSet(), plain).picture;
    MapPictureOptions bare = plain;
    bare.prefs.showMapText = false;
    bare.prefs.showOverlay = false;
    bare.prefs.showObjectives = false;
    bare.hexMask = false;
    const QImage without = RenderMapPicture(battle, StockSet(), bare).picture;
    EXPECT_FALSE(all == without);
    EXPECT_TRUE(without == OneView(battle, bare))
        << FirstDifference(without, OneView(battle, bare));
}

TEST_F(WholeMap, CoversEveryHexSquareAndLeavesTheBattleAsItWas) {
    battle.settings.viewOriginHex = battle.settings.mapCols * 4 + 6;
    battle.settings.zoomLevel = 1;
    const Battle before = battle;
    for (int zoom = 0; zoom <= 2; ++zoom) {
        const int s = StockSet().cellWidth[size_t(zoom)];
        const int cs = StockSet().columnStep[size_t(zoom)], rs = StockSet().rowStep[size_t(zoom)];
        // Columns stand one step apart, the odd ones half a row lower.
        EXPECT_EQ(MapPictureSize(battle, StockSet(), zoom),
                  QSize(35 * cs + s, 27 * rs + rs / 2 + s));
        MapPictureOptions options;
        options.zoom = zoom;
        EXPECT_EQ(RenderMapPicture(battle, StockSet(), options).picture.size(),
                  MapPictureSize(battle, StockSet(), zoom));
    }
    EXPECT_EQ(battle.settings.viewOriginHex, before.settings.viewOriginHex);
    EXPECT_EQ(battle.settings.zoomLevel, before.settings.zoomLevel);
}

TEST(MapPicture, NeedsAMapAndItsSet) {
    Battle battle;
    MakeStockBattle(battle, 12, 12, SceneDensity::Sample);
    const MapPicture drawn = RenderMapPicture(battle, LoadedSymbolSet{}, MapPictureOptions{});
    EXPECT_TRUE(drawn.picture.isNull());
    EXPECT_FALSE(drawn.error.isEmpty());
    EXPECT_TRUE(MapPictureSize(battle, LoadedSymbolSet{}, 0).isEmpty());
}

TEST(MapPicture, TheLargestMapAtTheLargestZoomKeepsItsBufferSmall) {
    Battle battle;
    MakeStockBattle(battle, 150, 150, SceneDensity::EveryLayer);
    MapPictureOptions options;
    options.zoom = 2;
    const MapPicture drawn = RenderMapPicture(battle, StockSet(), options);
    ASSERT_FALSE(drawn.picture.isNull()) << qPrintable(drawn.error);
    EXPECT_EQ(drawn.picture.size(), MapPictureSize(battle, StockSet(), 2));
    // The tile buffer stays near the tile's size, far below the picture's.
    EXPECT_LT(drawn.tileBufferBytes, 16 * 1024 * 1024);
    EXPECT_LT(drawn.tileBufferBytes * 10, drawn.picture.sizeInBytes());
    // The last hex, bottom right, is drawn: not the table colour at its square's centre.
    const int s = StockSet().cellWidth[2];
    const QPoint corner(drawn.picture.width() - s / 2, drawn.picture.height() - s / 2);
    EXPECT_NE(drawn.picture.pixel(corner), QColor(Qt::black).rgb());
}

TEST(MapPicture, WritesAPngThatReadsBackAsTheDrawnPicture) {
    Battle battle;
    MakeStockBattle(battle, 14, 10, SceneDensity::Sample);
    const QImage picture = RenderMapPicture(battle, StockSet(), MapPictureOptions{}).picture;
    QTemporaryDir dir;
    const QString path = dir.filePath("map.png");
    EXPECT_EQ(WriteMapPicturePng(battle, StockSet(), MapPictureOptions{}, path), QString());
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "png");
    EXPECT_TRUE(reader.read().convertToFormat(QImage::Format_RGB32) == picture);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"map.png"});

    const QString message = WriteMapPicturePng(battle, StockSet(), MapPictureOptions{},
                                               dir.filePath("missing/map.png"));
    EXPECT_TRUE(message.contains("missing/map.png")) << qPrintable(message);
}

} // namespace

namespace {

TEST(MapPictureChoice, StartsAtTheViewsLevelAndTellsEachLevelsSize) {
    Battle battle;
    MakeStockBattle(battle, 20, 16, SceneDensity::Sample);
    MapPictureChoice choice(battle, StockSet(), 1);
    EXPECT_EQ(choice.zoom(), 1);
    EXPECT_TRUE(choice.OkEnabled());
    for (int level = 0; level <= 2; ++level) {
        const QSize size = MapPictureSize(battle, StockSet(), level);
        EXPECT_EQ(choice.pictureSize(level), size);
        EXPECT_EQ(choice.LevelCaption(level), QString("Zoom Level %1: %2 × %3 pixels")
                                                  .arg(level)
                                                  .arg(size.width())
                                                  .arg(size.height()));
    }
    EXPECT_LT(choice.pictureSize(0).width(), choice.pictureSize(2).width());
    choice.ZoomClick(2);
    EXPECT_EQ(choice.zoom(), 2);
    choice.ZoomClick(3);
    choice.ZoomClick(-1);
    EXPECT_EQ(choice.zoom(), 2);
    const QSize big = choice.pictureSize(2);
    const qint64 megabytes = (qint64(big.width()) * big.height() * 4 + (1 << 20) - 1) >> 20;
    EXPECT_TRUE(choice.MemoryText().contains(QString("about %1 MB").arg(megabytes)))
        << qPrintable(choice.MemoryText());
    EXPECT_EQ(MapPictureChoice(battle, StockSet(), 7).zoom(), 2);
}

TEST(MapPictureChoice, OffersNothingWithoutASet) {
    Battle battle;
    MakeStockBattle(battle, 20, 16, SceneDensity::Sample);
    const MapPictureChoice choice(battle, LoadedSymbolSet{}, 0);
    EXPECT_FALSE(choice.OkEnabled());
}

} // namespace
