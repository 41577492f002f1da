// The main window's Edit menu: undo and redo of the battle's history, and the recording
// of each command as one step.
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

bool TMainForm::RecordStep(const QString& caption, const std::function<void()>& action) {
    history_.BeginStep(caption);
    action();
    return history_.EndStep();
}

void TMainForm::UpdateEditMenu() {
    // A stroke still held is the step Undo takes back first.
    const bool holding = stroke_.active();
    const bool undo = battleActive && (holding || history_.CanUndo());
    const bool redo = battleActive && history_.CanRedo();
    actions_.undo->setEnabled(undo);
    const QString caption =
        holding ? DragStroke::Caption(stroke_.mode(), stroke_.button()) : history_.UndoCaption();
    actions_.undo->setText(undo ? QStringLiteral("Undo ") + caption : QStringLiteral("Undo"));
    actions_.redo->setEnabled(redo);
    actions_.redo->setText(redo ? QStringLiteral("Redo ") + history_.RedoCaption()
                                : QStringLiteral("Redo"));
    // The title's [*] mark follows the history: clear exactly at the state on disk.
    if (windowTitle().contains(QLatin1String("[*]")))
        setWindowModified(battleActive && battle_.modified);
}

void TMainForm::UndoClick() {
    stroke_.End(); // a stroke still held is a step of its own first
    if (!battleActive || !history_.CanUndo())
        return;
    const QString name = battle_.settings.battleName.text();
    const int hexes = battle_.hexCount();
    history_.Undo();
    ShowRestoredBattle(name, hexes);
}

void TMainForm::RedoClick() {
    stroke_.End();
    if (!battleActive || !history_.CanRedo())
        return;
    const QString name = battle_.settings.battleName.text();
    const int hexes = battle_.hexCount();
    history_.Redo();
    ShowRestoredBattle(name, hexes);
}

void TMainForm::ShowRestoredBattle(const QString& nameBefore, int hexCountBefore) {
    ApplyTableColour();
    if (battle_.hexCount() != hexCountBefore) {
        renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
        SetScrollBars();
    }
    RedrawAll();
    SetSideCaptions();
    SetSaveMapPosCaption();
    actions_.objectiveList->setEnabled(battle_.objectives().count() > 0);
    // The caption names the battle once the settings or an open have set it.
    if (battle_.settings.battleName.text() != nameBefore)
        ShowBattleCaption();
    ShowHexInfo(renderer_.HexAtPoint(lastMouseX, lastMouseY));
    if (selectTer_->isVisible() && !selectTer_->isModal())
        selectTer_->ShowFloating(selectTer_->logic().kind); // shows the restored attributes
}
