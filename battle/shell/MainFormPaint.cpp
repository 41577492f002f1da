// The main window's painting aids: the brush sizes and their outline over the map, the
// keys of the modes and the zoom, zooming at the view's centre, scrolling to a hex, and
// the import of terrain attributes from another battle.
#include "BrushFootprint.h"
#include "MapEditTools.h"
#include "MapWidget.h"
#include "TMainForm.h"
#include "TSelectTer.h"
#include "TerrainAttrImport.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

bool IsPaintingMode(int mode) {
    return mode == ModePlacePrimary || mode == ModeAddSecondary || mode == ModeCaltrops;
}

} // namespace

void TMainForm::CreatePaintCommands() {
    stroke_.hexAt = [this](QPoint p) { return renderer_.HexAtPoint(p.x(), p.y()); };
    stroke_.show = [this](int hex, Redraw redraw) {
        ApplyRedraw(redraw, hex);
        RefreshHexInfo(); // the figures of the terrain now under the pointer
    };
    // A whole stroke is one step of the history.
    stroke_.beginStep = [this](const QString& caption) {
        strokeStep_.emplace(document_, caption);
        UpdateEditMenu(); // the stroke held can be taken back at once
    };
    stroke_.endStep = [this] { strokeStep_.reset(); };
    connect(mapWin_, &MapWidget::mouseReleased, this, &TMainForm::MapWinMouseUp);

    // Single keys for the modes; the unit clipboard takes the usual clipboard keys.
    MainFormActions& a = actions_;
    const std::pair<QAction*, const char*> keys[] = {{a.placePrimary, "P"},
                                                     {a.fillPrimary, "F"},
                                                     {a.placeSecondary, "S"},
                                                     {a.addModifyUnit, "U"},
                                                     {a.addModifyReinforcements, "R"},
                                                     {a.addStructure, "B"},
                                                     {a.copyUnit, "Ctrl+C"},
                                                     {a.cutUnit, "Ctrl+X"},
                                                     {a.pasteUnit, "Ctrl+V"},
                                                     {a.addModifyObjective, "O"},
                                                     {a.placeCaltrops, "C"},
                                                     {a.mapText, "T"}};
    for (const auto& [action, key] : keys)
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
}

void TMainForm::KeepCommandKeysOnTheMap() {
    // A key without Ctrl or Alt is text wherever something else has the keyboard (the
    // floating terrain picker's list, a field): it commands only while the map has it.
    mapWin_->setFocusPolicy(Qt::StrongFocus);
    for (QAction* action : findChildren<QAction*>()) {
        const QKeySequence key = action->shortcut();
        if (key.isEmpty() ||
            (key[0].keyboardModifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != 0)
            continue;
        action->setShortcutContext(Qt::WidgetShortcut);
        mapWin_->addAction(action);
    }
}

void TMainForm::AddBrushItems(QMenu* terrain) {
    MainFormActions& a = actions_;
    terrain->addSeparator();
    auto* group = new QActionGroup(this);
    const char* captions[] = {"Brush: 1 Hex", "Brush: 7 Hexes", "Brush: 19 Hexes"};
    for (int radius = 0; radius <= kMaxBrushRadius; ++radius) {
        QAction* b = terrain->addAction(QString::fromLatin1(captions[radius]));
        b->setObjectName(QStringLiteral("Brush%1").arg(radius));
        b->setCheckable(true);
        b->setChecked(radius == stroke_.brushRadius);
        b->setShortcut(QKeySequence(QString::number(radius + 1)));
        group->addAction(b);
        connect(b, &QAction::triggered, this, [this, radius] { SetBrushRadius(radius); });
        a.brush[size_t(radius)] = b;
    }
    terrain->addSeparator();
    a.importTerrainAttrs = terrain->addAction(QStringLiteral("Import Terrain Attributes..."));
    a.importTerrainAttrs->setObjectName(QStringLiteral("ImportTerrainAttrs"));
    connect(a.importTerrainAttrs, &QAction::triggered, this,
            &TMainForm::ImportTerrainAttributesClick);
    connect(terrain, &QMenu::aboutToShow, this,
            [this] { actions_.importTerrainAttrs->setEnabled(battleActive()); });
}

void TMainForm::AddZoomKeys(QMenu* preferences) {
    MainFormActions& a = actions_;
    preferences->addSeparator();
    a.zoomInKey = preferences->addAction(QStringLiteral("Zoom In"));
    a.zoomInKey->setObjectName(QStringLiteral("ZoomInKey"));
    a.zoomInKey->setEnabled(false); // with a battle only
    a.zoomInKey->setShortcuts(
        {QKeySequence(QStringLiteral("+")), QKeySequence(QStringLiteral("="))});
    connect(a.zoomInKey, &QAction::triggered, this, &TMainForm::ZoomInAtCentre);
    a.zoomOutKey = preferences->addAction(QStringLiteral("Zoom Out"));
    a.zoomOutKey->setObjectName(QStringLiteral("ZoomOutKey"));
    a.zoomOutKey->setEnabled(false);
    a.zoomOutKey->setShortcut(QKeySequence(QStringLiteral("-")));
    connect(a.zoomOutKey, &QAction::triggered, this, &TMainForm::ZoomOutClick);
}

void TMainForm::SetBrushRadius(int radius) {
    stroke_.brushRadius = std::clamp(radius, 0, kMaxBrushRadius);
    if (QAction* b = actions_.brush[size_t(stroke_.brushRadius)])
        b->setChecked(true);
    UpdateBrushOutline();
}

const std::vector<QLine>& TMainForm::brushOutline() const {
    return mapWin_->overlay();
}

void TMainForm::UpdateBrushOutline() {
    if (commandMode == ModeDrawPath || commandMode == ModeSelectHexes) {
        mapWin_->SetOverlay(mapEdit_->Outline());
        return;
    }
    const int hex = battleActive() && IsPaintingMode(commandMode)
                        ? renderer_.HexAtPoint(lastMouseX, lastMouseY)
                        : kOffMap;
    if (hex == kOffMap) {
        mapWin_->SetOverlay({});
        return;
    }
    const BattleSettings& s = document_.battle().settings;
    mapWin_->SetOverlay(
        BrushOutline(renderer_.metrics(), renderer_.originHex(),
                     BrushFootprint(hex, stroke_.brushRadius, s.mapCols, s.mapRows, s.gridLayout)));
}

void TMainForm::ShowPlacedTerrainName() {
    // The placed symbol's name until the pointer moves on.
    const int t = context_.terrainSelection;
    const auto& terrain = document_.symbols().table(SymbolKind::Terrain);
    hexLabels_[1]->setText(t >= 0 && t < int(terrain.size())
                               ? QString::fromLatin1(terrain[size_t(t)].name)
                               : QString());
}

void TMainForm::ZoomInAtCentre() {
    if (!battleActive())
        return;
    // The centre of the part of the view the map covers: a small map leaves the rest empty.
    const MapMetrics m = renderer_.metrics();
    const int c0 = m.col(renderer_.originHex()), r0 = m.row(renderer_.originHex());
    const int col = c0 + std::min(renderer_.visibleCols(), m.mapCols - c0) / 2;
    const int row = r0 + std::min(renderer_.visibleRows(), m.mapRows - r0) / 2;
    const int hex = m.hexAt(std::min(row, m.mapRows - 1), std::min(col, m.mapCols - 1));
    if (renderer_.ZoomInAt(hex))
        ShowZoomedView();
}

void TMainForm::ScrollToHex(int hex) {
    if (!battleActive() || !document_.battle().IsHex(hex))
        return;
    const MapMetrics m = renderer_.metrics();
    const int c0 = m.col(renderer_.originHex()), r0 = m.row(renderer_.originHex());
    const int c = m.col(hex), r = m.row(hex);
    if (c >= c0 && c < c0 + renderer_.visibleCols() && r >= r0 && r < r0 + renderer_.visibleRows())
        return;
    // Centred, kept inside the map and on even columns and rows as every origin is.
    const int col = std::max(c - renderer_.visibleCols() / 2, 0);
    const int row = std::max(r - renderer_.visibleRows() / 2, 0);
    document_.SetView(renderer_.zoomLevel(),
                      ClampOrigin(m, col, row, renderer_.visibleCols(), renderer_.visibleRows()));
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    RedrawAll();
    SetScrollBars();
    RefreshHexInfo();
}

void TMainForm::ImportTerrainAttributesClick() {
    if (!battleActive())
        return;
    const QString path =
        chooseOpenPath(QStringLiteral("Import Terrain Attributes"), BattlesFolder(),
                       QStringLiteral("Fieldmark Scenario Files (*.scn)"));
    if (path.isEmpty())
        return;
    TerrainAttrTable attrs = document_.battle().terrainAttrs;
    if (!ReadTerrainAttributes(path, attrs, context_.messages) ||
        attrs == document_.battle().terrainAttrs)
        return;
    document_.Edit(QStringLiteral("Import Terrain Attributes"),
                   [&](Battle& b) { b.terrainAttrs = attrs; });
    // The costs and defences shown for the hex under the pointer may have changed.
    RefreshHexInfo();
    if (selectTer_->isVisible())
        selectTer_->ShowFloating(selectTer_->logic().kind);
}
