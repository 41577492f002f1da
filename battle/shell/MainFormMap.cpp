// The main window's map side: the mode machine, clicks, zoom, scrolling, the hex
// information and the display preferences.
#include "AddUnitLogic.h"
#include "Cursors.h"
#include "HexInfo.h"
#include "MapEditTools.h"
#include "MapWidget.h"
#include "TMainForm.h"
#include "TSelectTer.h"
#include "UnitTemplate.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

void TMainForm::SetMode(int mode) {
    // The floating terrain picker stays only for the modes that use or keep it.
    if (mode != ModePlacePrimary && mode != ModeAddSecondary && mode != ModeCaltrops &&
        mode != ModeObjective && selectTer_->isVisible())
        selectTer_->close();
    stroke_.End();
    mapWin_->setCursor(HandCursor());
    commandMode = mode;
    SetStatus(ModeStatusText(mode));
    if (mapEdit_)
        mapEdit_->ModeChanged(mode);
    UpdateBrushOutline();
}

// Choosing the mode changes nothing: only the clicks that follow are steps.
void TMainForm::PlaceCaltrops1Click() {
    SetMode(ModeCaltrops);
}

void TMainForm::MapWinMouseMove(int x, int y) {
    if (!battleActive())
        return;
    lastMouseX = x;
    lastMouseY = y;
    stroke_.MoveTo(QPoint(x, y));
    if (mapEdit_)
        mapEdit_->MoveTo(renderer_.HexAtPoint(x, y));
    ShowHexInfo(renderer_.HexAtPoint(x, y));
    UpdateBrushOutline();
}

void TMainForm::MapWinMouseUp(Qt::MouseButton button) {
    if (button == stroke_.button())
        stroke_.End();
    if (mapEdit_)
        mapEdit_->Release(button);
}

void TMainForm::MapWinMouseDown(Qt::MouseButton button) {
    if (!battleActive())
        return;
    const int hex = renderer_.HexAtPoint(lastMouseX, lastMouseY);
    if (hex == kOffMap)
        return;
    if (mapEdit_ && mapEdit_->Press(hex, button, QGuiApplication::keyboardModifiers()))
        return;
    if (DragStroke::Paints(commandMode, button)) {
        // The press paints the brush; moves with the button held paint on.
        stroke_.Begin(commandMode, button, hex, QPoint(lastMouseX, lastMouseY));
        if (commandMode == ModePlacePrimary)
            ShowPlacedTerrainName();
        return;
    }
    if (button != Qt::LeftButton) {
        if (commandMode == ModeAddSecondary)
            RunMapCommand(hex, button);
        return;
    }
    switch (commandMode) {
    case ModePlacePrimary:
    case ModeAddSecondary:
    case ModeFillPrimary:
    case ModeCaltrops:
    case ModeCopyUnit:
    case ModeCutUnit:
    case ModePasteUnit:
        RunMapCommand(hex, button);
        break;
    case ModeUnits:
        if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
            StampUnit(hex);
            break;
        }
        OpenHexDialog(commandMode, hex);
        break;
    case ModeMapText:
    case ModeStructures:
        OpenHexDialog(commandMode, hex);
        break;
    case ModeObjective:
        if (document_.battle().objectives().count() > 0 &&
            document_.battle().hex(hex).objectiveNo == 0) {
            context_.Refuse(QStringLiteral("A battle keeps one objective, and this hex holds "
                                           "none: click the objective's hex to change it."));
            return;
        }
        OpenHexDialog(commandMode, hex);
        actions_.objectiveList->setEnabled(document_.battle().objectives().count() > 0);
        break;
    case ModeReinforcements: {
        if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
            StampUnit(hex);
            break;
        }
        const HexRecord& h = document_.battle().hex(hex);
        if (h.unitNo != 0 && h.reinforcementMarker == 0) {
            context_.Refuse(QStringLiteral("A unit that is not a reinforcement stands here."));
            return;
        }
        if (h.structureNo != 0) {
            context_.Refuse(QStringLiteral("A reinforcement cannot arrive on a structure."));
            return;
        }
        OpenHexDialog(commandMode, hex);
        break;
    }
    case ModeZoomIn:
        context_.currentHex = hex;
        if (renderer_.ZoomInAt(hex))
            ShowZoomedView();
        mapWin_->setCursor(HandCursor());
        commandMode = previousMode;
        break;
    default:
        break;
    }
}

// Shift+click in the units or reinforcements mode: a copy of the last unit added or
// edited, numbered, without the editor; one undo step per unit.
void TMainForm::StampUnit(int hex) {
    QString refusal;
    int placed = 0;
    document_.Edit(QStringLiteral("Place Unit"), [&](Battle& b) {
        placed = ::StampUnit(b, context_.unitTemplate, hex, commandMode == ModeReinforcements,
                             kUnitNameChars, refusal);
    });
    if (placed == 0) {
        if (!refusal.isEmpty())
            context_.Refuse(refusal);
        return;
    }
    sounds_.Play(SoundZoom);
    RedrawAll();
    RefreshHexInfo();
}

void TMainForm::RunMapCommand(int hex, Qt::MouseButton button) {
    const BattleDocument::Visit step(document_, MapStepCaption(commandMode, button));
    Redraw redraw = Redraw::Nothing;
    bool taken = false;
    switch (commandMode) {
    case ModeFillPrimary:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        redraw = commands_.FillPrimary(hex);
        QApplication::restoreOverrideCursor();
        break;
    case ModeCopyUnit:
        taken = commands_.CopyUnit(hex);
        break;
    case ModeCutUnit:
        redraw = commands_.CutUnit(hex, taken);
        break;
    case ModePasteUnit:
        redraw = commands_.PasteUnit(hex);
        break;
    default:
        break;
    }
    if (taken) {
        unitCopied_ = true;
        actions_.pasteUnit->setEnabled(true);
    } else if (commandMode == ModeCopyUnit || commandMode == ModeCutUnit) {
        context_.Refuse(QStringLiteral("No unit stands on this hex."));
    }
    ApplyRedraw(redraw, hex);
    if (redraw == Redraw::All)
        RefreshHexInfo();
}

void TMainForm::ApplyRedraw(Redraw redraw, int hex) {
    if (redraw == Redraw::Hex)
        RedrawHex(hex);
    else if (redraw == Redraw::All)
        RedrawAll();
}

void TMainForm::RedrawAll() {
    if (!battleActive() || !renderer_.hasBuffer())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    renderer_.RenderMap(RenderFull);
    mapWin_->ShowMap();
    QApplication::restoreOverrideCursor();
    if (mapEdit_)
        mapEdit_->BattleChanged({});
}

void TMainForm::RedrawHex(int hex) {
    renderer_.RedrawHex(hex);
    mapWin_->ShowMapPart(renderer_.ViewSquare(hex));
    if (mapEdit_)
        mapEdit_->BattleChanged({hex});
}

void TMainForm::ZoomInClick() {
    if (!battleActive() || renderer_.zoomLevel() >= 2)
        return;
    previousMode = commandMode;
    mapWin_->setCursor(ZoomCursor());
    commandMode = ModeZoomIn;
}

void TMainForm::ZoomOutClick() {
    if (battleActive() && renderer_.ZoomOutView())
        ShowZoomedView();
}

void TMainForm::ShowZoomedView() {
    // The pointer's last point was on the old view: a stroke going on would paint a line
    // from there to the hex under it now.
    stroke_.End();
    sounds_.Play(SoundZoom);
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    RedrawAll();
    SetScrollBars();
    SetZoomButtons();
    RefreshHexInfo();
}

void TMainForm::SetZoomButtons() {
    const int level = renderer_.zoomLevel();
    zoomIn_->setEnabled(battleActive() && level < 2);
    zoomOut_->setEnabled(battleActive() && level > 0);
}

void TMainForm::SetScrollBars() {
    const auto apply = [](QScrollBar* bar, const ScrollRange& range, int& remembered) {
        const QSignalBlocker blocker(bar);
        bar->setEnabled(range.enabled);
        bar->setRange(0, range.maximum);
        bar->setPageStep(2);
        bar->setValue(range.position);
        remembered = range.position;
    };
    apply(scrollHorz_, renderer_.horizontalScroll(), scrollCol_);
    apply(scrollVert_, renderer_.verticalScroll(), scrollRow_);
}

void TMainForm::ScrollHorzChange(int position) {
    const int d = position - scrollCol_;
    if (d == 0 || !battleActive())
        return;
    renderer_.ScrollColumns(d);
    scrollCol_ = renderer_.metrics().col(renderer_.originHex());
    const QSignalBlocker blocker(scrollHorz_);
    scrollHorz_->setValue(scrollCol_);
    mapWin_->ShowMap();
    RefreshHexInfo();
}

void TMainForm::ScrollVertChange(int position) {
    const int d = position - scrollRow_;
    if (d == 0 || !battleActive())
        return;
    renderer_.ScrollRows(d);
    scrollRow_ = renderer_.metrics().row(renderer_.originHex());
    const QSignalBlocker blocker(scrollVert_);
    scrollVert_->setValue(scrollRow_);
    mapWin_->ShowMap();
    RefreshHexInfo();
}

void TMainForm::Wheel(int steps, Qt::KeyboardModifiers modifiers, QPoint at) {
    if (!battleActive())
        return;
    if (modifiers & Qt::ControlModifier) {
        // Zoom at the pointer: the ground under it stays under it.
        if (renderer_.ZoomAtPoint(steps, at))
            ShowZoomedView();
        return;
    }
    // Each notch moves the bar one position, which the view rounds up to two.
    QScrollBar* bar = (modifiers & Qt::ShiftModifier) ? scrollHorz_ : scrollVert_;
    if (bar->isEnabled())
        bar->setValue(bar->value() - steps * 2);
}

void TMainForm::RefreshHexInfo() {
    if (!battleActive())
        return;
    ShowHexInfo(renderer_.HexAtPoint(lastMouseX, lastMouseY));
    if (mapEdit_)
        mapEdit_->ViewChanged();
    UpdateBrushOutline();
}

void TMainForm::ShowHexInfo(int hex) {
    if (!document_.battle().IsHex(hex)) {
        ClearHexInfo();
        return;
    }
    const HexInfoTexts t = ::ShowHexInfo(document_.battle(), definitions_, hex);
    const std::array<QString, 5> hexTexts{t.hexNo, t.primary, t.secondary, t.objective, t.mapText};
    const std::array<QString, 5> unitTexts{t.side, t.unit, t.status, t.structure, t.reinforcement};
    for (size_t i = 0; i < 5; ++i) {
        hexLabels_[i]->setText(hexTexts[i]);
        unitLabels_[i]->setText(unitTexts[i]);
    }
}

const std::array<TMainForm::PreferenceToggle, 4>& TMainForm::PreferenceToggles() {
    static const std::array<PreferenceToggle, 4> toggles{{
        {"ShowVicHex", &MainFormActions::showVicHex, &DisplayPrefs::showObjectives,
         "Victory Objective is: On", "Victory Objective is: Off"},
        {"RForce", &MainFormActions::reinforcementHexes, &DisplayPrefs::showReinforcements,
         "Reinforcement Hexes are: On", "Reinforcement Hexes are: Off"},
        // The menu's first caption spells "Overlay", the toggled ones "OverLay".
        {"MapOverlay", &MainFormActions::mapOverlay, &DisplayPrefs::showOverlay,
         "Map Overlay is: On", "Map OverLay is: Off", "Map OverLay is: On"},
        {"PlaceNameTgl", &MainFormActions::placeNameToggle, &DisplayPrefs::showMapText,
         "Map Text is: On", "Map Text is: Off"},
    }};
    return toggles;
}

void TMainForm::TogglePreference(const PreferenceToggle& toggle) {
    bool& value = prefs.*(toggle.value);
    value = !value;
    const char* on = toggle.onAgain ? toggle.onAgain : toggle.on;
    (actions_.*(toggle.action))->setText(QString::fromLatin1(value ? on : toggle.off));
    RedrawAll();
}

void TMainForm::SaveMapPosClick() {
    document_.Edit(QStringLiteral("Save Map Position"), [](Battle& b) {
        b.settings.saveViewPosition = b.settings.saveViewPosition ? 0 : 1;
    });
    SetSaveMapPosCaption();
}
