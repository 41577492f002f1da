#include "UnitEditorBench.h"

#include "UnitSteps.h"

namespace {

SymbolRecord Cell(int index, int size, int maskIndex) {
    SymbolRecord r;
    r.name = QByteArray("Unit ") + QByteArray::number(index + 1);
    r.maskIndex = maskIndex;
    for (CellRect& c : r.cells)
        c = CellRect{index * size, 0, index * size + size - 1, size - 1};
    return r;
}

// Unit 1 is transparent (black) where its mask is white.
QRgb PictureColour(int symbol, int x) {
    if (symbol == 1 && x >= UnitEditorBench::kCell / 2)
        return qRgb(0, 0, 0);
    return UnitEditorBench::UnitColour(symbol);
}

// Three unit pictures of kCell pixels at every level; unit 1 (the second) has mask 1,
// opaque in its left half only.
LoadedSymbolSet SmallSet() {
    constexpr int size = UnitEditorBench::kCell;
    LoadedSymbolSet set;
    set.records[KindIndex(SymbolKind::Terrain)] = {Cell(0, size, 0)};
    set.records[KindIndex(SymbolKind::Unit)] = {Cell(0, size, 0), Cell(1, size, 1),
                                                Cell(2, size, 0)};
    set.records[KindIndex(SymbolKind::Mask)] = {Cell(0, size, 0)};
    for (int level = 0; level < kLevelCount; ++level) {
        QImage units(3 * size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < 3 * size; ++x)
                units.setPixel(x, y, PictureColour(x / size, x % size));
        QImage mask(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                mask.setPixel(x, y, x < size / 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        QImage terrain(size, size, QImage::Format_RGB32);
        terrain.fill(Qt::darkGreen);
        set.pictures[KindIndex(SymbolKind::Unit)][size_t(level)] = units;
        set.pictures[KindIndex(SymbolKind::Mask)][size_t(level)] = mask;
        set.pictures[KindIndex(SymbolKind::Terrain)][size_t(level)] = terrain;
    }
    set.terrainOrder = {1};
    set.unitOrder = {3, 1, 2};
    set.cellWidth = {8, 16, UnitEditorBench::kPreviewSide};
    set.ComputeCellSteps();
    return set;
}

} // namespace

QRgb UnitEditorBench::UnitColour(int symbol) {
    return qRgb(40 + 60 * symbol, 200 - 50 * symbol, 90);
}

UnitEditorBench::UnitEditorBench() {
    battle.settings.maxTurns = 15;
    battle.settings.sideAName = "Western Forces";
    battle.settings.sideBName = "Eastern Forces";
    battle.settings.mapCols = 10;
    battle.settings.mapRows = 10;
    battle.InitNewBattle([](const QString&, const QString&) {});
    battle.markerTable[MarkerWesternReinforcement] = kWesternMarker;
    battle.markerTable[MarkerEasternReinforcement] = kEasternMarker;
    BattleDocumentTestAccess::TakeAsOpened(document);

    definitions.missileWeapons = {
        {"None", 0, 0, 0, 0, 0}, {"Bow", 5, 6, 30, 1, 1}, {"Crossbow", 12, 8, 40, 0, 1}};
    definitions.combatWeapons = {{"Unarmed", 0, 0, 5}, {"Spear", 10, 3, 30}, {"Pike", 25, 5, 40}};
    definitions.armour = {{"None", 0, 0}, {"Mail", 30, 20}, {"Plate", 40, 35}};
    definitions.shields = {{"None", 0, 0}, {"Round Shield", 20, 9}};
    definitions.classes = StandardUnitClasses();
    symbols = SmallSet();
}

AddUnitLogic& UnitEditorBench::Open(int h, int mode) {
    editor = std::make_unique<AddUnitLogic>(*context);
    editor->commandMode = mode;
    context->currentHex = h;
    editor->FormActivate();
    return *editor;
}

AddUnitLogic& UnitEditorBench::AddOn(int h, int mode) {
    Open(h, mode).AddBtnClick();
    return *editor;
}

int UnitEditorBench::PlaceUnit(int h, int side) {
    UnitRecord u = NewUnitRecord(0, 1, h);
    u.side = side;
    return battle.AddUnit(u, h);
}
