#include "HexTestSupport.h"

QRgb TestTerrainColour(int symbol) {
    return qRgb(40 + 50 * symbol, 200 - 40 * symbol, 30 + 20 * symbol);
}

namespace {

CellRect Cell(int index) {
    return {index * kTestCell, 0, index * kTestCell + kTestCell - 1, kTestCell - 1};
}

void BuildSet(LoadedSymbolSet& set) {
    auto& terrain = set.records[KindIndex(SymbolKind::Terrain)];
    auto& masks = set.records[KindIndex(SymbolKind::Mask)];
    for (int n = 0; n < kTestTerrain; ++n) {
        SymbolRecord r;
        r.name = "T" + QByteArray::number(n);
        r.maskIndex = n == 1 ? 1 : 0;
        r.cells.fill(Cell(n));
        terrain.push_back(r);
    }
    SymbolRecord mask;
    mask.name = kMaskName;
    mask.cells.fill(Cell(0));
    masks.push_back(mask);
    for (int level = 0; level < kLevelCount; ++level) {
        QImage pic(kTestTerrain * kTestCell, kTestCell, QImage::Format_RGB32);
        for (int n = 0; n < kTestTerrain; ++n) {
            for (int y = 0; y < kTestCell; ++y)
                for (int x = 0; x < kTestCell; ++x)
                    pic.setPixel(n * kTestCell + x, y, TestTerrainColour(n));
        }
        // Symbol 1 is drawn through its mask: black (transparent) on its right half.
        for (int y = 0; y < kTestCell; ++y)
            for (int x = kTestCell / 2; x < kTestCell; ++x)
                pic.setPixel(kTestCell + x, y, qRgb(0, 0, 0));
        set.pictures[KindIndex(SymbolKind::Terrain)][size_t(level)] = pic;
        QImage m(kTestCell, kTestCell, QImage::Format_RGB32);
        for (int y = 0; y < kTestCell; ++y)
            for (int x = 0; x < kTestCell; ++x)
                m.setPixel(x, y, x < kTestCell / 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        set.pictures[KindIndex(SymbolKind::Mask)][size_t(level)] = m;
        set.cellWidth[size_t(level)] = kTestCell;
    }
    for (int n = kTestTerrain; n >= 1; --n)
        set.terrainOrder.push_back(n);
}

} // namespace

HexBench::HexBench() {
    BuildSet(symbols);
    battle.settings.mapCols = kTestCols;
    battle.settings.mapRows = kTestRows;
    battle.settings.maxTurns = 10;
    battle.settings.sideAName = "Western Forces";
    battle.settings.sideBName = "Eastern Forces";
    battle.InitNewBattle(nullptr);
    BattleDocumentTestAccess::TakeAsOpened(document);
}

int HexBench::PlaceUnit(int h, int side, int turn) {
    UnitRecord u;
    u.side = side;
    u.activationTurn = turn;
    return battle.AddUnit(u, h);
}
