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
    int& entry = context_.battle.markerTable[size_t(slot_)];
    bool changed = entry != symbol;
    entry = symbol;
    // Choosing the symbol a reinforcement slot already holds still re-marks that side's
    // hexes: a hex may carry another marker since (a paste, an older file).
    if (slot_ == MarkerWesternReinforcement)
        changed = UpdateReinforcementHexes(1, symbol) || changed;
    else if (slot_ == MarkerEasternReinforcement)
        changed = UpdateReinforcementHexes(2, symbol) || changed;
    // Saved with the battle, so a change must make leaving ask to save it.
    if (changed)
        context_.battle.modified = true;
}

int SelectHxMrkLogic::OkBtnClick() {
    context_.battle.modified = true;
    return 1;
}

// The row of the slot's symbol; the row stays where it was when the symbol is not listed.
void SelectHxMrkLogic::ShowSlotSymbol() {
    const int found = list_.RowOf(context_.battle.markerTable[size_t(slot_)]);
    if (found >= 0)
        row_ = found;
    preview_ = TerrainPreview(context_.symbols, list_.SymbolAt(row_), kPreviewBackground);
}

bool SelectHxMrkLogic::UpdateReinforcementHexes(int side, int symbol) {
    Battle& battle = context_.battle;
    bool changed = false;
    for (const UnitRecord& unit : battle.units()) {
        if (unit.side != side || unit.activationTurn < 2 || !battle.IsHex(unit.hex) ||
            battle.hex(unit.hex).reinforcementMarker == symbol)
            continue;
        changed = true;
        battle.SetReinforcementMarker(unit.hex, symbol);
    }
    return changed;
}
