#pragma once
// The rules of "Special Hex Markers": a radio button chooses one of the nine marker
// slots, a row of the terrain list puts its symbol into that slot at once. A new
// reinforcement marker is also put on the hexes of that side's reinforcements.

#include "EditorContext.h"
#include "TerrainList.h"

class SelectHxMrkLogic {
public:
    static constexpr int kFirstSlot = MarkerHotHex;
    static constexpr int kLastSlot = MarkerCaltrops;

    explicit SelectHxMrkLogic(EditorContext& context) : context_(context) {}

    void FormActivate();
    // The radio button of marker slot 1 … 9.
    void MarkerButtonClick(int slot);
    void TerListClick(int row);
    // "OK": the battle is marked modified; returns 1.
    int OkBtnClick();

    const TerrainList& rows() const { return list_; }
    int row() const { return row_; }
    int slot() const { return slot_; }
    QString symbolName() const { return TerrainSymbolName(context_.symbols, list_.SymbolAt(row_)); }
    const QImage& preview() const { return preview_; }

private:
    void ShowSlotSymbol();
    static void UpdateReinforcementHexes(Battle& battle, int side, int symbol);

    EditorContext& context_;
    TerrainList list_;
    int slot_ = kFirstSlot;
    int row_ = 0;
    QImage preview_;
};
