// Battle > "Check Battle": the list of the battle's mistakes docked beside the map, checked
// again after every change; a double click on a line shows its hex.
#include "TMainForm.h"

#include "BrushFootprint.h"
#include "CheckDock.h"
#include "MapWidget.h"

void TMainForm::CreateCheckDock() {
    checkDock_ = new CheckDock(
        [this]() -> const Battle* { return document_.shown() ? &document_.battle() : nullptr; },
        [this]() -> const LoadedSymbolSet& { return document_.symbols(); }, definitions_,
        programFolder_, this);
    // Below the map, where the messages have the window's width; it can be moved to a side
    // or float.
    addDockWidget(Qt::BottomDockWidgetArea, checkDock_);
    checkDock_->hide();
    connect(checkDock_, &CheckDock::hexChosen, this, &TMainForm::ShowCheckedHex);
}

void TMainForm::CheckBattleClick() {
    const bool first = checkDock_->isHidden() && !checkDock_->isFloating();
    checkDock_->show();
    checkDock_->raise();
    if (first)
        resizeDocks({checkDock_}, {height() / 4}, Qt::Vertical);
}

void TMainForm::ShowCheckedHex(int hex) {
    if (!battleActive() || !document_.battle().IsHex(hex))
        return;
    ScrollToHex(hex);
    ShowHexInfo(hex);
    // Outlined until the pointer moves over the map.
    mapWin_->SetOverlay(BrushOutline(renderer_.metrics(), renderer_.originHex(), {hex}));
}
