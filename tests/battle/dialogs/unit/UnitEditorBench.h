#pragma once
// A 10 × 10 battle of 15 turns with small known weapon tables and an in-memory symbol
// set of three unit symbols (the second with a mask), listed in the order 3, 1, 2.

#include "AddUnitLogic.h"
#include "DialogTestSupport.h"

struct UnitEditorBench : DialogTestBench {
    UnitEditorBench();

    // The unit editor opened on hex h in mode.
    AddUnitLogic& Open(int h, int mode = ModeUnits);
    // Opens on h in mode and adds a unit there; the editor stays open on it.
    AddUnitLogic& AddOn(int h, int mode = ModeUnits);
    const UnitRecord& Shown() { return battle.unit(editor->shownUnit()); }
    // Plain units straight into the battle, without the editor.
    int PlaceUnit(int h, int side = 1);

    std::unique_ptr<AddUnitLogic> editor;

    static constexpr int kCell = 20;          // level-3 unit cells
    static constexpr int kPreviewSide = 24;   // level-3 cell width of the set
    static constexpr int kWesternMarker = 29; // marker table slots 5 and 6
    static constexpr int kEasternMarker = 28;
    static QRgb UnitColour(int symbol);
};
