#pragma once
// A designer at work, at random: every action is a click of a map command, a drag of a
// brush or a visit to a dialog, driven through the same rule classes the main window
// drives, which change the battle only through the document's Edit. A modal dialog or a
// drag is a Visit of the document, as in the window; the floating terrain picker's edits
// are steps of their own. The logic objects live for the whole session, as the window's
// dialogs do.

#include "AddBaseLogic.h"
#include "AddLocationLogic.h"
#include "AddUnitLogic.h"
#include "AddVHexLogic.h"
#include "DialogTestSupport.h"
#include "DragStroke.h"
#include "FactionOBLogic.h"
#include "HexRegion.h"
#include "MapCommands.h"
#include "ModifyBattleLogic.h"
#include "SelectColorLogic.h"
#include "SelectHxMrkLogic.h"
#include "SelectTerLogic.h"

#include <optional>
#include <random>

class EditingSession : public DialogTestBench {
public:
    // A battle of cols × rows hexes in the given grid arrangement with a few records of
    // every kind, opened (not modified) with an empty history.
    EditingSession(unsigned seed, int cols, int rows, int gridLayout);

    // One random action; returns what it was, for the failure messages.
    QString Act();
    // The last action was a fill the designer did not keep: it must leave no step.
    bool fillDeclined() const { return fillDeclined_; }
    // The last action was an edit in the floating terrain picker, which may join the
    // step before it (or cancel it) rather than add one.
    bool mayJoin() const { return mayJoin_; }
    // The last action opened a dialog and left it at once by its exit or OK button.
    bool untouchedExit() const { return untouchedExit_; }

private:
    int Below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool OneIn(int n) { return Below(n) == 0; }
    bool Up() { return Below(2) == 0; }
    int AnyHex() { return Below(battle.hexCount()); }
    // Mostly a hex that holds a record of some kind, so that visits find something to edit.
    int BusyHex();
    // A row of the terrain list, now and then one past its end.
    int TerrainRow() { return Below(int(symbols.terrainOrder.size()) + 1); }
    QString Name(const char* stem, int length = 20);

    // What the window does around a dialog or a click: one visit of the document.
    template <class Action> QString Recorded(const QString& caption, Action action) {
        const BattleDocument::Visit visit(document, caption);
        action();
        return caption;
    }

    // MapActions.cpp
    QString Stroke();
    QString Fill();
    QString UnitClipboard();
    // Shift+click in the units or reinforcements mode: a copy of the last unit edited.
    QString Stamp();
    // The order of battle's changes to several chosen units, each one step of its own.
    QString UnitSelectionEdit();
    QPoint PointIn(int hex);

    // MapEditActions.cpp: a path stroke, a region cut, pasted, deleted or mirrored, a resize.
    QString MapEdit();
    std::vector<int> RandomRect();

    // DialogVisits.cpp
    QString VisitUnitEditor();
    void UnitEditorAction();
    QString VisitStructures();
    QString VisitObjective();
    QString VisitMapText();
    QString VisitMarkers();
    QString VisitFillPicker();
    QString OpenFloatingPicker();
    QString FloatingPickerEdit();
    void PickerAction();
    QString VisitSettings();
    QString VisitTableColour();

    std::mt19937 rng_;
    HexRegion regionClipboard_;
    MapCommands commands_{*context};
    DragStroke stroke_{commands_};
    AddUnitLogic unitEditor_{*context};
    AddBaseLogic structures_{*context};
    AddVHexLogic objective_{*context};
    AddLocationLogic mapText_{*context};
    SelectHxMrkLogic markers_{*context};
    SelectTerLogic picker_{*context};
    ModifyBattleLogic settings_{*context};
    SelectColorLogic colour_{*context};
    FactionOBLogic orderOfBattle_{*context};
    std::optional<BattleDocument::Visit> strokeStep_;
    bool pickerFloating_ = false;
    bool keepFill_ = true; // the answer to "Keep Terrain Fill Changes?"
    bool fillDeclined_ = false;
    bool mayJoin_ = false;
    bool untouchedExit_ = false;
    bool unitCopied_ = false; // "Paste Unit" is offered once a unit was copied or cut
    QString icons_[2];
};
