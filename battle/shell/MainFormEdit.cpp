// The main window's Edit menu: undo and redo of the battle document's history, and the
// captions of the steps the map commands record.
#include "MapEditTools.h"
#include "MapWidget.h"
#include "TMainForm.h"
#include "TSelectTer.h"

#include <QAction>

QString TMainForm::MapStepCaption(int mode, Qt::MouseButton button) {
    switch (mode) {
    case ModePlacePrimary:
    case ModeAddSecondary:
    case ModeCaltrops:
        return DragStroke::Caption(mode, button);
    case ModeFillPrimary:
        return QStringLiteral("Fill Primary Terrain");
    case ModeCopyUnit:
        return QStringLiteral("Copy Unit");
    case ModeCutUnit:
        return QStringLiteral("Cut Unit");
    case ModePasteUnit:
        return QStringLiteral("Paste Unit");
    case ModeUnits:
        return QStringLiteral("Unit Changes");
    case ModeReinforcements:
        return QStringLiteral("Reinforcement Changes");
    case ModeStructures:
        return QStringLiteral("Structure Changes");
    case ModeObjective:
        return QStringLiteral("Objective Changes");
    case ModeMapText:
        return QStringLiteral("Map Text Changes");
    default:
        return QStringLiteral("Changes");
    }
}

void TMainForm::UpdateEditMenu() {
    // A stroke still held is the step Undo takes back first.
    const bool holding = stroke_.active();
    const bool undo = battleActive() && (holding || document_.CanUndo());
    const bool redo = battleActive() && document_.CanRedo();
    actions_.undo->setEnabled(undo);
    const QString caption =
        holding ? DragStroke::Caption(stroke_.mode(), stroke_.button()) : document_.UndoCaption();
    actions_.undo->setText(undo ? QStringLiteral("Undo ") + caption : QStringLiteral("Undo"));
    actions_.redo->setEnabled(redo);
    actions_.redo->setText(redo ? QStringLiteral("Redo ") + document_.RedoCaption()
                                : QStringLiteral("Redo"));
    // The title's [*] mark follows the history: clear exactly at the state on disk.
    if (windowTitle().contains(QLatin1String("[*]")))
        setWindowModified(battleActive() && document_.modified());
}

void TMainForm::UndoClick() {
    stroke_.End(); // a stroke still held is a step of its own first
    if (!battleActive() || !document_.CanUndo())
        return;
    const QString name = document_.battle().settings.battleName.text();
    const int hexes = document_.battle().hexCount();
    document_.Undo();
    ShowRestoredBattle(name, hexes);
}

void TMainForm::RedoClick() {
    stroke_.End();
    if (!battleActive() || !document_.CanRedo())
        return;
    const QString name = document_.battle().settings.battleName.text();
    const int hexes = document_.battle().hexCount();
    document_.Redo();
    ShowRestoredBattle(name, hexes);
}

void TMainForm::ShowRestoredBattle(const QString& nameBefore, int hexCountBefore) {
    ApplyTableColour();
    if (document_.battle().hexCount() != hexCountBefore) {
        renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
        SetScrollBars();
    }
    RedrawAll();
    SetSideCaptions();
    SetSaveMapPosCaption();
    actions_.objectiveList->setEnabled(document_.battle().objectives().count() > 0);
    // The caption names the battle once the settings or an open have set it.
    if (document_.battle().settings.battleName.text() != nameBefore)
        ShowBattleCaption();
    ShowHexInfo(renderer_.HexAtPoint(lastMouseX, lastMouseY));
    if (selectTer_->isVisible() && !selectTer_->isModal())
        selectTer_->ShowFloating(selectTer_->logic().kind); // shows the restored attributes
    if (mapEdit_ && document_.battle().hexCount() != hexCountBefore)
        mapEdit_->BattleShown(); // a resize undone or redone
}
