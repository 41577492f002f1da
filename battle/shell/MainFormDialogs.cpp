// The main window's dialogs on the battle: the terrain picker, the special markers, the
// hex dialogs, the unit editor and the reports.
#include "Cursors.h"
#include "DialogPlacement.h"
#include "MapWidget.h"
#include "TAddBase.h"
#include "TAddLocation.h"
#include "TAddUnit.h"
#include "TAddVHex.h"
#include "TMainForm.h"
#include "TSelectHxMrk.h"
#include "TSelectTer.h"
#include "TStats.h"
#include "TVicHexes.h"

#include <QAction>
#include <QLabel>

void TMainForm::TerrainCommand(int mode) {
    if (mode == ModeFillPrimary) {
        // The fill's symbol is chosen modally; the mode is set whatever the picker returned.
        const BattleDocument::Visit visit(document_, QStringLiteral("Terrain Attributes"));
        selectTer_->ExecModal(PickerFill);
    } else {
        selectTer_->ShowFloating(mode == ModePlacePrimary ? PickerPrimary : PickerSecondary);
    }
    SetMode(mode);
}

void TMainForm::OpenHexDialog(int mode, int hex) {
    context_.currentHex = hex;
    QDialog* dialog = nullptr;
    switch (mode) {
    case ModeMapText:
        dialog = addLocation_.get();
        break;
    case ModeStructures:
        dialog = addBase_.get();
        break;
    case ModeObjective:
        dialog = addVHex_.get();
        break;
    case ModeUnits:
    case ModeReinforcements:
        OpenUnitEditor(hex, mode);
        return;
    default:
        return;
    }
    PlaceDialog(dialog, this, HexOnScreen(hex), MapOnScreen());
    int result = 0;
    {
        const BattleDocument::Visit visit(document_, MapStepCaption(mode, Qt::LeftButton));
        result = dialog->exec();
    }
    if (result == 1)
        RedrawAll();
}

std::optional<QRect> TMainForm::HexOnScreen(int hex) const {
    if (!battleActive() || !document_.battle().IsHex(hex))
        return std::nullopt;
    // The widget's scale may be "follow the desktop"; the geometry holds the one in force.
    const QRect shown = mapWin_->scaleGeometry().ToLogical(renderer_.ViewSquare(hex));
    if (!shown.intersects(mapWin_->rect()))
        return std::nullopt;
    return QRect(mapWin_->mapToGlobal(shown.topLeft()), shown.size());
}

QRect TMainForm::MapOnScreen() const {
    return QRect(mapWin_->mapToGlobal(QPoint(0, 0)), mapWin_->size());
}

void TMainForm::OpenUnitEditor(int hex, int mode) {
    context_.currentHex = hex;
    addUnit_->logic().commandMode = mode;
    PlaceDialog(addUnit_.get(), this, HexOnScreen(hex), MapOnScreen());
    int result = 0;
    {
        const BattleDocument::Visit visit(document_, MapStepCaption(mode, Qt::LeftButton));
        result = addUnit_->exec();
    }
    // A hex with a reinforcement marker switches the editor, and the window, to the
    // reinforcement mode.
    if (commandMode == ModeUnits || commandMode == ModeReinforcements)
        commandMode = addUnit_->logic().commandMode;
    if (result == 1)
        RedrawAll();
}

void TMainForm::Information1Click() {
    stats_->exec();
}

void TMainForm::ObjectiveListClick() {
    vicHexes_->exec();
}

void TMainForm::SetHexMarkersClick() {
    {
        const BattleDocument::Visit visit(document_, QStringLiteral("Special Hex Markers"));
        selectHxMrk_->exec();
    }
    RedrawAll();
}
