#include "MapEditSupport.h"

#include "BattleTestSupport.h"
#include "StockScenes.h"

#include <algorithm>

const LoadedSymbolSet& StockSet() {
    static const LoadedSymbolSet set = [] {
        LoadedSymbolSet s;
        EXPECT_TRUE(LoadStockSet(s));
        return s;
    }();
    return set;
}

const PathFamilies& StockFamilies() {
    static const PathFamilies families = PathFamilies::Find(TerrainNames(StockSet()));
    return families;
}

Battle StockBattle(int cols, int rows, int layout) {
    Battle b = NewBattle(cols, rows);
    b.settings.gridLayout = uint8_t(layout);
    return b;
}

int Piece(const char* family, int d) {
    const int f = StockFamilies().FamilyNamed(QString::fromLatin1(family));
    EXPECT_GE(f, 0) << family;
    return f < 0 ? kNoSymbol : StockFamilies().families()[size_t(f)].pieces[size_t(d)];
}

int CrossingPiece(const char* crossing, int axis) {
    const int c = StockFamilies().CrossingNamed(QString::fromLatin1(crossing));
    EXPECT_GE(c, 0) << crossing;
    return c < 0 ? kNoSymbol : StockFamilies().crossings()[size_t(c)].pieces[size_t(axis)];
}

bool HasPiece(const Battle& b, int hex, int symbol) {
    const auto& s = b.hex(hex).secondaryTerrain;
    return std::find(s.begin(), s.end(), symbol) != s.end();
}

testing::AssertionResult PathsConnected(const Battle& b) {
    const HexGrid grid = HexGrid::Of(b);
    const PathFamilies& f = StockFamilies();
    for (int h = 0; h < b.hexCount(); ++h)
        for (int s : b.hex(h).secondaryTerrain) {
            const PieceRef ref = f.PieceOf(s);
            if (ref.kind != PieceRef::Path)
                continue;
            const int n = grid.Neighbour(h, ref.direction);
            const int back =
                f.families()[size_t(ref.family)].pieces[size_t(OppositeDirection(ref.direction))];
            if (n != kNoHex && !HasPiece(b, n, back))
                return testing::AssertionFailure()
                       << "hex " << h << " piece " << s << " has no partner in hex " << n;
        }
    return testing::AssertionSuccess();
}

int PathPieceCount(const Battle& b) {
    int n = 0;
    for (const HexRecord& x : b.hexes())
        for (int s : x.secondaryTerrain)
            n += StockFamilies().PieceOf(s).kind == PieceRef::Path;
    return n;
}

#include "BattleState.h"
#include "DefinitionFiles.h"
#include "HistoryTestSupport.h"
#include "PathLaying.h"
#include "SampleBattle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <set>

Battle BusyBattle(int cols, int rows, int layout, unsigned seed) {
    Battle b = StockBattle(cols, rows, layout);
    b.AddWingName("Ford Guard");
    b.AddWingName("Holt Horse");
    RandomEdits edits(b, seed);
    for (int i = 0; i < 30 * cols; ++i)
        edits.Edit();
    // The random edits strew single path pieces; only whole paths are laid here.
    for (int h = 0; h < b.hexCount(); ++h)
        for (int slot = 1; slot <= kSecondarySlots; ++slot)
            if (StockFamilies().PieceOf(b.hex(h).terrainSlot(slot)).kind != PieceRef::None)
                b.SetTerrainSlot(h, slot, kNoSymbol);
    const HexGrid grid = HexGrid::Of(b);
    std::mt19937 rng(seed);
    for (const char* family : {"River", "Road", "Track", "Wall"}) {
        std::vector<int> path;
        for (int m = 0; m < 4; ++m)
            ExtendPath(grid, path, int(rng() % unsigned(b.hexCount())));
        const int f = StockFamilies().FamilyNamed(family);
        LayPath(b, grid, StockFamilies(), f, path, StockFamilies().families()[size_t(f)].crossing);
    }
    return b;
}

std::vector<uint8_t> StateOf(const Battle& b) {
    std::vector<uint8_t> out;
    EncodeBattleState(b, out);
    return out;
}

const Battle& SampleBattle() {
    static const Battle battle = [] {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("defs");
        const std::pair<const char*, QByteArray> files[] = {{"MWEAP.DEF", MissileWeaponsFile()},
                                                            {"CWEAP.DEF", CombatWeaponsFile()},
                                                            {"UARMOR.DEF", ArmourFile()},
                                                            {"USHIELD.DEF", ShieldsFile()}};
        for (const auto& [name, bytes] : files) {
            QFile f(folder.path() + "/defs/" + name);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        Definitions defs;
        EXPECT_TRUE(LoadDefinitions(folder.path(), defs, nullptr));
        Battle b;
        EXPECT_EQ(BuildSampleBattle(b, defs, StockSet()), QString());
        return b;
    }();
    return battle;
}

namespace {

// Calls fail(hex, piece, neighbour) for each path piece of the hexes whose neighbour among
// them lacks the partner piece.
template <class Fail>
void ForEachUnpaired(const Battle& b, const std::vector<int>& hexes, Fail fail) {
    const HexGrid grid = HexGrid::Of(b);
    const PathFamilies& f = StockFamilies();
    const std::set<int> inside(hexes.begin(), hexes.end());
    for (int h : hexes)
        for (int s : b.hex(h).secondaryTerrain) {
            const PieceRef ref = f.PieceOf(s);
            const int n = ref.kind == PieceRef::Path ? grid.Neighbour(h, ref.direction) : kNoHex;
            if (n == kNoHex || !inside.count(n))
                continue;
            const int back =
                f.families()[size_t(ref.family)].pieces[size_t(OppositeDirection(ref.direction))];
            if (!HasPiece(b, n, back))
                fail(h, s, n);
        }
}

} // namespace

int UnpairedPieces(const Battle& b, const std::vector<int>& hexes) {
    int n = 0;
    ForEachUnpaired(b, hexes, [&](int, int, int) { ++n; });
    return n;
}
