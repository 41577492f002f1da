#include "SelectHxMrkLogic.h"

namespace {

const QColor kPreviewBackground(192, 192, 192);

} // namespace

void SelectHxMrkLogic::FormActivate() {
    slot_ = kFirstSlot;
    row_ = 0;
    list_ = MakeTerrainList(context_.symbols);
    ShowSlotSymbol();
}

void SelectHxMrkLogic::MarkerButtonClick(int slot) {
    if (slot < kFirstSlot || slot > kLastSlot)
        return;
    slot_ = slot;
    ShowSlotSymbol();
}

void SelectHxMrkLogic::TerListClick(int row) {
    if (row < 0 || row >= list_.count())
        return;
    row_ = row;
    const int symbol = list_.SymbolAt(row);
    context_.terrainSelection = symbol;
    preview_ = TerrainPreview(context_.symbols, symbol, kPreviewBackground);
    context_.Edit(QStringLiteral("Special Hex Markers"), [&](Battle& b) {
        b.markerTable[size_t(slot_)] = symbol;
        // Choosing the symbol a reinforcement slot already holds still re-marks that
        // side's hexes: a hex may carry another marker since (a paste, an older file).
        if (slot_ == MarkerWesternReinforcement)
            UpdateReinforcementHexes(b, 1, symbol);
        else if (slot_ == MarkerEasternReinforcement)
            UpdateReinforcementHexes(b, 2, symbol);
    });
}

int SelectHxMrkLogic::OkBtnClick() {
    return 1;
}

// The row of the slot's symbol; the row stays where it was when the symbol is not listed.
void SelectHxMrkLogic::ShowSlotSymbol() {
    const int found = list_.RowOf(context_.battle().markerTable[size_t(slot_)]);
    if (found >= 0)
        row_ = found;
    preview_ = TerrainPreview(context_.symbols, list_.SymbolAt(row_), kPreviewBackground);
}

void SelectHxMrkLogic::UpdateReinforcementHexes(Battle& battle, int side, int symbol) {
    for (const UnitRecord& unit : battle.units()) {
        if (unit.side == side && unit.activationTurn >= 2 && battle.IsHex(unit.hex))
            battle.SetReinforcementMarker(unit.hex, symbol);
    }
}
