#include "MapCommands.h"

#include "DocumentTestAccess.h"

#include "CommandModes.h"
#include "DragStroke.h"
#include "MapGeometry.h"

#include "MapFixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class MapEditing : public ::testing::Test {
protected:
    BattleDocument document;
    Battle& battle = BattleDocumentTestAccess::Writable(document);
    LoadedSymbolSet& set = BattleDocumentTestAccess::Symbols(document);
    Definitions defs;
    SoundEffects sounds{QStringLiteral("/nonexistent")};
    EditorContext context{document, document.symbols(), defs, sounds, QString(), {}, {}, {}};
    MapCommands commands{context};
    int answer = OrvYes;
    std::vector<int> asked;

    void SetUp() override {
        MakeBattle(battle, 10, 10);
        for (int h = 0; h < battle.hexCount(); ++h)
            battle.SetTerrainSlot(h, 0, 0);
        BattleDocumentTestAccess::TakeAsOpened(document);
        commands.askMessage = [this](int number, int) {
            asked.push_back(number);
            return answer;
        };
    }
    const HexRecord& Hex(int h) { return battle.hex(h); }
    std::array<int, 6> Slots(int h) { return Hex(h).secondaryTerrain; }
    static constexpr int N = kNoSymbol;
};

// Drags over the 10 × 10 battle, with the hit test of a view at the map's top left.
class Stroke : public MapEditing {
protected:
    DragStroke stroke{commands};
    MapMetrics metrics;
    std::vector<int> shown;
    QStringList steps;

    void SetUp() override {
        MapEditing::SetUp();
        metrics.mapCols = metrics.mapRows = 10;
        metrics.cellWidth = 30;
        metrics.columnStep = 23;
        metrics.rowStep = 28;
        stroke.hexAt = [this](QPoint p) { return HexAtPoint(metrics, 0, p.x(), p.y()); };
        stroke.show = [this](int hex, Redraw) { shown.push_back(hex); };
        stroke.beginStep = [this](const QString& caption) { steps << "begin " + caption; };
        stroke.endStep = [this] { steps << "end"; };
    }
    // A point well inside hex (column, row).
    QPoint At(int col, int row) const {
        return HexOrigin(metrics, row * 10 + col, 0) + QPoint(8, 8);
    }
    int SecondaryCount(int hex) const {
        int n = 0;
        for (int s : battle.hex(hex).secondaryTerrain)
            n += s < kNoSymbol;
        return n;
    }
};

} // namespace

TEST_F(MapEditing, SecondarySlotsFillUpwardAndEmptyDownward) {
    context.terrainSelection = 3;
    EXPECT_EQ(commands.AddSecondary(5), Redraw::Hex);
    commands.AddSecondary(5); // the same symbol twice leaves one copy
    context.terrainSelection = 0;
    EXPECT_EQ(commands.AddSecondary(5), Redraw::Nothing); // the hex's primary terrain
    EXPECT_EQ(Slots(5), (std::array<int, 6>{3, N, N, N, N, N}));
    for (int t : {4, 5, 6, 7, 8, 9}) {
        context.terrainSelection = t;
        commands.AddSecondary(5);
    }
    // Slots 1 … 5 filled: the last two additions both went to slot 6.
    EXPECT_EQ(Slots(5), (std::array<int, 6>{3, 4, 5, 6, 7, 9}));
    commands.RemoveSecondary(5);
    commands.RemoveSecondary(5);
    EXPECT_EQ(Slots(5), (std::array<int, 6>{3, 4, 5, 6, N, N}));
    battle.SetTerrainSlot(5, 2, N); // a gap is refilled first
    context.terrainSelection = 8;
    commands.AddSecondary(5);
    EXPECT_EQ(Slots(5), (std::array<int, 6>{3, 8, 5, 6, N, N}));
}

TEST_F(MapEditing, RemovingFromAnEmptyHexChangesNothing) {
    EXPECT_EQ(commands.RemoveSecondary(7), Redraw::Hex);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(Slots(7), (std::array<int, 6>{N, N, N, N, N, N}));
}

TEST_F(MapEditing, FillOfAUniformMapChangesEveryHex) {
    context.terrainSelection = 4;
    commands.FillPrimary(55);
    for (int h = 0; h < battle.hexCount(); ++h)
        ASSERT_EQ(Hex(h).primaryTerrain, 4);
    EXPECT_EQ(asked, std::vector<int>{MsgKeepTerrainFill});
}

TEST_F(MapEditing, FillDoesNotFollowTheDiagonalNeighbours) {
    // Woods (2) at row 3 column 3 (odd) and row 4 column 4: hex neighbours, but only
    // diagonal on the grid; and woods at row 3 column 2, the same row.
    const int start = 3 * 10 + 3, diagonal = 4 * 10 + 4, sameRow = 3 * 10 + 2;
    for (int h : {start, diagonal, sameRow})
        battle.SetTerrainSlot(h, 0, 2);
    context.terrainSelection = 6;
    commands.FillPrimary(start);
    EXPECT_EQ(Hex(start).primaryTerrain, 6);
    EXPECT_EQ(Hex(sameRow).primaryTerrain, 6);
    EXPECT_EQ(Hex(diagonal).primaryTerrain, 2);
    EXPECT_EQ(Hex(0).primaryTerrain, 0);
}

TEST_F(MapEditing, HighSymbolsAndEmptyHexesFillTogether) {
    battle.SetTerrainSlot(0, 0, 254);
    battle.SetTerrainSlot(1, 0, N);
    battle.SetTerrainSlot(2, 0, 300);
    battle.SetTerrainSlot(3, 0, 253); // a key of its own
    const std::vector<int> region = MapCommands::FillRegion(battle, 0);
    EXPECT_EQ(std::set<int>(region.begin(), region.end()), (std::set<int>{0, 1, 2}));
}

TEST_F(MapEditing, NoRestoresEveryHexAndLeavesNoStep) {
    for (int h = 0; h < battle.hexCount(); ++h)
        battle.SetTerrainSlot(h, 0, h % 3);
    BattleDocumentTestAccess::TakeAsOpened(document);
    std::vector<int> before;
    for (int h = 0; h < battle.hexCount(); ++h)
        before.push_back(Hex(h).primaryTerrain);
    answer = OrvNo;
    context.terrainSelection = 9;
    commands.FillPrimary(0);
    for (int h = 0; h < battle.hexCount(); ++h)
        ASSERT_EQ(Hex(h).primaryTerrain, before[size_t(h)]) << h;
    EXPECT_FALSE(document.modified()) << "a fill not kept leaves no step";
}

TEST_F(MapEditing, CaltropsToggleWithTheMarkerSymbol) {
    battle.markerTable[MarkerCaltrops] = 30;
    commands.ToggleCaltrops(12);
    EXPECT_EQ(Hex(12).caltropsMarker, 30);
    commands.ToggleCaltrops(12);
    EXPECT_EQ(Hex(12).caltropsMarker, 0);
}

TEST_F(MapEditing, CutAndPasteOfReinforcementsCarryTheirMarkers) {
    battle.markerTable[MarkerWesternReinforcement] = 29;
    battle.markerTable[MarkerEasternReinforcement] = 28;
    UnitRecord late;
    late.side = 2;
    late.activationTurn = 4;
    ASSERT_EQ(battle.AddUnit(late, 20), 1);
    battle.SetReinforcementMarker(20, 28);
    UnitRecord onMap;
    ASSERT_EQ(battle.AddUnit(onMap, 30), 2);
    BattleDocumentTestAccess::TakeAsOpened(document);

    bool taken = false;
    EXPECT_EQ(commands.CutUnit(20, taken), Redraw::All);
    EXPECT_TRUE(taken);
    EXPECT_EQ(Hex(20).unitNo, 0);
    EXPECT_EQ(Hex(20).reinforcementMarker, 0);
    EXPECT_EQ(Hex(30).unitNo, 1); // the later unit moved down a number with its hex
    EXPECT_TRUE(document.modified());

    EXPECT_EQ(commands.PasteUnit(40), Redraw::All);
    EXPECT_EQ(Hex(40).reinforcementMarker, 28);
    EXPECT_EQ(battle.unit(Hex(40).unitNo).activationTurn, 4);

    // An on-map unit may not be pasted onto a reinforcement hex, nor onto a unit.
    battle.SetReinforcementMarker(50, 29);
    ASSERT_TRUE(commands.CopyUnit(30));
    sounds.ClearPlayed();
    EXPECT_EQ(commands.PasteUnit(50), Redraw::Nothing);
    EXPECT_EQ(commands.PasteUnit(40), Redraw::Nothing);
    EXPECT_EQ(sounds.played(), (std::vector<int>{SoundRefusal, SoundRefusal}));
    EXPECT_EQ(Hex(50).unitNo, 0);
    EXPECT_EQ(commands.PasteUnit(51), Redraw::All);
}

TEST_F(MapEditing, CopyIgnoresEmptyHexesAndPasteRefusesAFullTable) {
    sounds.ClearPlayed();
    EXPECT_FALSE(commands.CopyUnit(3));
    EXPECT_TRUE(sounds.played().empty());
    UnitRecord u;
    for (int h = 0; h < battle.hexCount(); ++h)
        ASSERT_NE(battle.AddUnit(u, h), 0);
    MakeBattle(battle, 30, 20);
    for (int h = 0; h < kMaxUnits; ++h)
        ASSERT_NE(battle.AddUnit(u, h), 0);
    ASSERT_TRUE(commands.CopyUnit(0));
    sounds.ClearPlayed();
    EXPECT_EQ(commands.PasteUnit(550), Redraw::Nothing);
    EXPECT_EQ(sounds.played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(battle.unitCount(), kMaxUnits);
}

TEST_F(Stroke, PathBetweenDistantPositionsMeetsEveryHex) {
    // From column 0 to column 6 in one jump, level with row 1 of the even columns: the
    // odd columns lie half a row lower, so the line passes their row 0.
    const std::vector<int> hexes = DragStroke::HexesAlong(At(0, 1), At(6, 1), stroke.hexAt);
    EXPECT_EQ(hexes, (std::vector<int>{1, 12, 3, 14, 5, 16}));
    // Down column 2 from row 1 to row 6.
    EXPECT_EQ(DragStroke::HexesAlong(At(2, 1), At(2, 6), stroke.hexAt),
              (std::vector<int>{22, 32, 42, 52, 62}));
    // From beyond the right edge into column 9, and a move that stays in one hex.
    EXPECT_EQ(DragStroke::HexesAlong(At(9, 1) + QPoint(100, 0), At(9, 1), stroke.hexAt),
              std::vector<int>{19});
    EXPECT_TRUE(DragStroke::HexesAlong(At(3, 3), At(3, 3) + QPoint(2, 1), stroke.hexAt).empty());
}

TEST_F(Stroke, PaintsEachHexOncePerDragAsOneStep) {
    // Removing takes one slot per pass: a hex passed twice loses only one.
    for (int h : {12, 22, 32}) {
        battle.SetTerrainSlot(h, 1, 4);
        battle.SetTerrainSlot(h, 2, 5);
    }
    stroke.Begin(ModeAddSecondary, Qt::RightButton, 12, At(2, 1));
    stroke.MoveTo(At(2, 3));
    stroke.MoveTo(At(2, 1)); // back over the same hexes
    stroke.MoveTo(At(2, 2));
    stroke.End();
    EXPECT_EQ(shown, (std::vector<int>{12, 22, 32}));
    for (int h : {12, 22, 32})
        EXPECT_EQ(SecondaryCount(h), 1) << h;
    EXPECT_EQ(steps, (QStringList{"begin Remove Secondary Terrain", "end"}));
    stroke.MoveTo(At(2, 6)); // after the release nothing is painted
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(Stroke, BrushPaintsItsFootprintAlongThePath) {
    context.terrainSelection = 6;
    stroke.brushRadius = 1;
    stroke.Begin(ModePlacePrimary, Qt::LeftButton, 44, At(4, 4));
    stroke.MoveTo(At(5, 4)); // column 5 is odd: its footprint reaches row 5
    stroke.End();
    const std::set<int> expected{33, 34, 35, 43, 44, 45, 46, 54, 55, 56};
    EXPECT_EQ(stroke.painted(), expected);
    for (int h = 0; h < battle.hexCount(); ++h)
        EXPECT_EQ(battle.hex(h).primaryTerrain == 6, expected.count(h) == 1) << h;
    EXPECT_EQ(shown.front(), 44); // the hex under the pointer first
}

TEST_F(Stroke, CaltropsFollowTheFirstHexForTheWholeDrag) {
    const int caltrops = battle.markerTable[MarkerCaltrops];
    battle.SetCaltropsMarker(21, caltrops);
    // The first hex had none: the drag lays them, also on hex 21 which had them.
    stroke.Begin(ModeCaltrops, Qt::LeftButton, 20, At(0, 2));
    stroke.MoveTo(At(2, 2));
    stroke.End();
    for (int h : {20, 21, 22})
        EXPECT_EQ(battle.hex(h).caltropsMarker, caltrops) << h;
    // Starting on a hex with caltrops clears them along the drag.
    battle.SetCaltropsMarker(24, 0);
    stroke.Begin(ModeCaltrops, Qt::LeftButton, 22, At(2, 2));
    stroke.MoveTo(At(4, 2));
    stroke.End();
    for (int h : {22, 23, 24})
        EXPECT_EQ(battle.hex(h).caltropsMarker, 0) << h;
    EXPECT_EQ(battle.hex(21).caltropsMarker, caltrops);
}

TEST_F(Stroke, AClickIsTheModesClick) {
    context.terrainSelection = 3;
    stroke.Begin(ModeAddSecondary, Qt::LeftButton, 5, At(5, 0));
    stroke.End();
    EXPECT_EQ(battle.hex(5).secondaryTerrain[0], 3);
    EXPECT_EQ(SecondaryCount(5), 1);
    BattleDocumentTestAccess::TakeAsOpened(document);
    stroke.Begin(ModeCaltrops, Qt::LeftButton, 7, At(7, 0));
    stroke.End();
    EXPECT_GT(battle.hex(7).caltropsMarker, 0);
    stroke.Begin(ModeCaltrops, Qt::LeftButton, 7, At(7, 0));
    stroke.End();
    EXPECT_EQ(battle.hex(7).caltropsMarker, 0);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(steps.size(), 6);
    // Only the three painting modes drag; fills and unit commands stay clicks.
    EXPECT_TRUE(DragStroke::Paints(ModeAddSecondary, Qt::RightButton));
    EXPECT_FALSE(DragStroke::Paints(ModePlacePrimary, Qt::RightButton));
    EXPECT_FALSE(DragStroke::Paints(ModeFillPrimary, Qt::LeftButton));
    EXPECT_FALSE(DragStroke::Paints(ModePasteUnit, Qt::LeftButton));
}
