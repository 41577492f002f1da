#include "MapEditTools.h"

#include "Battle.h"
#include "BrushFootprint.h"
#include "CommandModes.h"
#include "HexSetOutline.h"
#include "LoadedSymbolSet.h"
#include "MapResize.h"
#include "OverviewDock.h"
#include "RegionEdits.h"
#include "ResizeMapDialog.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

MapEditTools::MapEditTools(QMainWindow& window, MapEditHooks hooks)
    : QObject(&window), window_(window), hooks_(std::move(hooks)) {
    overview_ = new OverviewDock(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, overview_);
    overview_->hide();
    connect(overview_, &OverviewDock::centreOn, this, [this](int hex) {
        if (hooks_.battleShown())
            hooks_.centreOn(hex);
    });

    // The path choice, a tool bar shown in the Draw Path mode.
    auto* bar = new QToolBar(QStringLiteral("Path"), &window);
    bar->setObjectName(QStringLiteral("PathToolBar"));
    bar->setMovable(false);
    window.addToolBar(Qt::TopToolBarArea, bar);
    pathBar_ = new QWidget(bar);
    pathBar_->setObjectName(QStringLiteral("PathBar"));
    auto* row = new QHBoxLayout(pathBar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Path:"), pathBar_));
    familyBox_ = new QComboBox(pathBar_);
    familyBox_->setObjectName(QStringLiteral("PathFamily"));
    row->addWidget(familyBox_);
    row->addWidget(new QLabel(QStringLiteral("Crossing:"), pathBar_));
    crossingBox_ = new QComboBox(pathBar_);
    crossingBox_->setObjectName(QStringLiteral("PathCrossing"));
    row->addWidget(crossingBox_);
    bar->addWidget(pathBar_);
    pathTools_ = bar;
    bar->hide();
    connect(familyBox_, &QComboBox::activated, this, &MapEditTools::SetPathFamily);
    connect(crossingBox_, &QComboBox::activated, this,
            [this](int index) { SetCrossing(crossingBox_->itemData(index).toInt()); });
}

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption, const char* key = nullptr) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (key)
        a->setShortcut(QKeySequence(QString::fromLatin1(key)));
    return a;
}

} // namespace

void MapEditTools::CreateCommands(QMenu* edit, QMenu* battle, QMenu* terrain, QMenu* preferences,
                                  std::vector<QAction*> unitClipboardActions) {
    unitClipboard_ = std::move(unitClipboardActions);
    drawPath_ = Item(terrain, "DrawPath", QStringLiteral("Draw Path"), "D");
    connect(drawPath_, &QAction::triggered, this, &MapEditTools::DrawPathClick);

    edit->addSeparator();
    selectHexes_ = Item(edit, "SelectHexes", QStringLiteral("Select Hexes"), "H");
    connect(selectHexes_, &QAction::triggered, this, &MapEditTools::SelectHexesClick);
    QAction* all = Item(edit, "SelectAll", QStringLiteral("Select All"), "Ctrl+A");
    connect(all, &QAction::triggered, this, &MapEditTools::SelectAllClick);
    QAction* clear = Item(edit, "ClearSelection", QStringLiteral("Clear Selection"), "Escape");
    connect(clear, &QAction::triggered, this, &MapEditTools::EscapeClick);
    copyHexes_ = Item(edit, "CopyHexes", QStringLiteral("Copy Hexes"));
    connect(copyHexes_, &QAction::triggered, this, &MapEditTools::CopyHexesClick);
    cutHexes_ = Item(edit, "CutHexes", QStringLiteral("Cut Hexes"));
    connect(cutHexes_, &QAction::triggered, this, &MapEditTools::CutHexesClick);
    pasteHexes_ = Item(edit, "PasteHexes", QStringLiteral("Paste Hexes"));
    connect(pasteHexes_, &QAction::triggered, this, &MapEditTools::PasteHexesClick);
    QAction* del = Item(edit, "DeleteHexes", QStringLiteral("Delete Hexes"), "Delete");
    connect(del, &QAction::triggered, this, &MapEditTools::DeleteHexesClick);
    const std::pair<const char*, RegionTurn> turns[] = {
        {"Mirror Left-Right", RegionTurn::MirrorLeftRight},
        {"Mirror Top-Bottom", RegionTurn::MirrorTopBottom},
        {"Turn Half Round", RegionTurn::HalfTurn}};
    const char* turnNames[] = {"MirrorLeftRight", "MirrorTopBottom", "TurnHalfRound"};
    const char* turnKeys[] = {"Ctrl+M", "Ctrl+Shift+M", "Ctrl+R"};
    std::vector<QAction*> turnActions;
    for (size_t i = 0; i < 3; ++i) {
        QAction* t = Item(edit, turnNames[i], QString::fromLatin1(turns[i].first), turnKeys[i]);
        const RegionTurn turn = turns[i].second;
        connect(t, &QAction::triggered, this, [this, turn] { TurnClick(turn); });
        turnActions.push_back(t);
    }
    QMenu* layers = edit->addMenu(QStringLiteral("Layers"));
    layers->setObjectName(QStringLiteral("Layers"));
    for (int bit = 0; bit < kRegionLayerCount; ++bit) {
        QAction* l = layers->addAction(RegionLayerName(bit));
        l->setObjectName(QStringLiteral("Layer%1").arg(bit));
        l->setCheckable(true);
        l->setChecked(layers_ & (1u << bit));
        connect(l, &QAction::toggled, this, [this, bit](bool on) {
            SetLayers(on ? layers_ | (1u << bit) : layers_ & ~(1u << bit));
        });
        layerActions_.push_back(l);
    }
    regionActions_ = {selectHexes_, all, clear, copyHexes_, cutHexes_, pasteHexes_, del};
    regionActions_.insert(regionActions_.end(), turnActions.begin(), turnActions.end());
    regionActions_.push_back(layers->menuAction());

    battle->addSeparator();
    resizeMap_ = Item(battle, "ResizeMap", QStringLiteral("Resize Map..."));
    connect(resizeMap_, &QAction::triggered, this, &MapEditTools::ResizeMapClick);
    regionActions_.push_back(resizeMap_);
    regionActions_.push_back(drawPath_);

    showOverview_ = overview_->toggleViewAction();
    showOverview_->setObjectName(QStringLiteral("ShowOverview"));
    showOverview_->setText(QStringLiteral("Overview"));
    showOverview_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    preferences->addSeparator();
    preferences->addAction(showOverview_);
    connect(showOverview_, &QAction::toggled, this, [this](bool shown) {
        if (shown)
            ViewChanged();
        emit overviewShownChanged(shown);
    });
    ModeChanged(ModeNone);
    EnableCommands(false);
}

void MapEditTools::EnableCommands(bool shown) {
    for (QAction* a : regionActions_)
        a->setEnabled(shown);
}

void MapEditTools::ModeChanged(int mode) {
    if (mode != ModeDrawPath)
        drawing_ = false, path_.clear();
    if (mode != ModeSelectHexes)
        pasting_ = false, corner_ = -1;
    pathTools_->setVisible(mode == ModeDrawPath);
    // The clipboard keys copy hexes while hexes are selected, units otherwise.
    const bool hexes = mode == ModeSelectHexes;
    const char* keys[] = {"Ctrl+C", "Ctrl+X", "Ctrl+V"};
    QAction* region[] = {copyHexes_, cutHexes_, pasteHexes_};
    for (size_t i = 0; i < 3; ++i) {
        if (region[i])
            region[i]->setShortcut(hexes ? QKeySequence(QString::fromLatin1(keys[i]))
                                         : QKeySequence());
        if (i < unitClipboard_.size() && unitClipboard_[i])
            unitClipboard_[i]->setShortcut(hexes ? QKeySequence()
                                                 : QKeySequence(QString::fromLatin1(keys[i])));
    }
    ShowOutline();
}

void MapEditTools::BattleShown() {
    const Battle& b = hooks_.battle();
    families_ = PathFamilies::Find(TerrainNames(hooks_.symbols()));
    FillPathChoice();
    selection_.Reset(b.hexCount());
    pasting_ = false;
    drawing_ = false;
    path_.clear();
    overview_->ShowBattle(&b, &hooks_.symbols(),
                          overview_->overview().image().isNull()
                              ? qRgb(0, 0, 0)
                              : overview_->overview().image().pixel(0, 0));
    ViewChanged();
}

void MapEditTools::BattleChanged(const std::vector<int>& hexes) {
    const Battle& b = hooks_.battle();
    if (selection_.hexCount() != b.hexCount())
        selection_.Reset(b.hexCount());
    if (hexes.empty())
        overview_->Redraw();
    else
        overview_->UpdateHexes(hexes);
    ViewChanged();
}

void MapEditTools::ViewChanged() {
    if (!hooks_.battleShown())
        return;
    const QSize visible = hooks_.visible();
    overview_->SetView(hooks_.originHex(), visible.width(), visible.height());
    ShowOutline();
}

// Draw Path --------------------------------------------------------------------------

void MapEditTools::FillPathChoice() {
    familyBox_->clear();
    for (const PathFamily& f : families_.families())
        familyBox_->addItem(f.name);
    family_ = std::clamp(family_, 0, std::max(int(families_.families().size()) - 1, 0));
    familyBox_->setCurrentIndex(family_);
    SetPathFamily(family_);
}

void MapEditTools::SetPathFamily(int family) {
    if (family < 0 || family >= int(families_.families().size()))
        return;
    family_ = family;
    crossingBox_->clear();
    crossingBox_->addItem(QStringLiteral("None"), -1);
    for (size_t c = 0; c < families_.crossings().size(); ++c)
        crossingBox_->addItem(families_.crossings()[c].name, int(c));
    SetCrossing(families_.families()[size_t(family)].crossing);
}

void MapEditTools::SetCrossing(int crossing) {
    crossing_ = crossing;
    crossingBox_->setCurrentIndex(std::max(crossingBox_->findData(crossing), 0));
}

QString MapEditTools::PathUnavailable() const {
    if (!hooks_.battleShown())
        return QStringLiteral("No battle is shown.");
    if (!HexGrid::Of(hooks_.battle()).staggered())
        return QStringLiteral("Draw Path needs hex neighbours: this map is a square Grid.");
    if (families_.empty())
        return QStringLiteral("The symbol set has no path pieces (names like \"Road North\").");
    return {};
}

void MapEditTools::DrawPathClick() {
    if (const QString why = PathUnavailable(); !why.isEmpty()) {
        hooks_.refuse(why);
        return;
    }
    hooks_.setMode(ModeDrawPath);
}

void MapEditTools::FinishPath(bool removing) {
    drawing_ = false;
    const std::vector<int> path = std::move(path_);
    path_.clear();
    if (path.size() < 2 && !removing) {
        ShowOutline();
        return;
    }
    PathOutcome outcome;
    const QString name = families_.families()[size_t(family_)].name;
    hooks_.edit(removing ? QStringLiteral("Remove Path") : QStringLiteral("Draw Path"),
                [&](Battle& b) {
                    const HexGrid grid = HexGrid::Of(b);
                    outcome = removing ? RemovePath(b, grid, families_, family_, path)
                                       : LayPath(b, grid, families_, family_, path, crossing_);
                });
    hooks_.redrawHexes(outcome.changedHexes);
    BattleChanged(outcome.changedHexes);
    hooks_.status(outcome.Summary(name));
}

// Select Hexes --------------------------------------------------------------------------

void MapEditTools::SelectHexesClick() {
    hooks_.setMode(ModeSelectHexes);
    hooks_.status(selection_.StatusText());
}

void MapEditTools::SelectAllClick() {
    if (!hooks_.battleShown())
        return;
    if (hooks_.mode() != ModeSelectHexes)
        hooks_.setMode(ModeSelectHexes);
    selection_.SelectAll();
    hooks_.status(selection_.StatusText());
    ShowOutline();
}

void MapEditTools::EscapeClick() {
    if (pasting_) {
        pasting_ = false;
        hooks_.status(QStringLiteral("Paste given up."));
    } else {
        selection_.Clear();
        hooks_.status(selection_.StatusText());
    }
    ShowOutline();
}

void MapEditTools::PutOnClipboard(bool cut) {
    if (selection_.empty()) {
        hooks_.refuse(QStringLiteral("Select hexes first (Edit > Select Hexes)."));
        return;
    }
    const std::vector<int> hexes = selection_.hexes();
    HexRegion region = CopyRegion(hooks_.battle(), hexes, layers_);
    region.moving = cut;
    clipboard_.Put(region);
    if (!cut) {
        hooks_.status(QStringLiteral("%1 hexes copied.").arg(hexes.size()));
        return;
    }
    hooks_.edit(QStringLiteral("Cut Hexes"), [&](Battle& b) { ClearHexes(b, hexes, layers_); });
    hooks_.redrawAll();
    BattleChanged(hexes);
    hooks_.status(QStringLiteral("%1 hexes cut.").arg(hexes.size()));
}

void MapEditTools::CopyHexesClick() {
    PutOnClipboard(false);
}

void MapEditTools::CutHexesClick() {
    PutOnClipboard(true);
}

void MapEditTools::PasteHexesClick() {
    QString why;
    const std::optional<HexRegion> region = clipboard_.Take(why);
    if (!region) {
        hooks_.refuse(why);
        return;
    }
    if (hooks_.mode() != ModeSelectHexes)
        hooks_.setMode(ModeSelectHexes);
    pending_ = *region;
    pasting_ = true;
    hooks_.status(
        QStringLiteral("Click the hex for the top left of the %1 hexes (Escape gives up).")
            .arg(pending_.cells.size()));
    ShowOutline();
}

void MapEditTools::DeleteHexesClick() {
    if (selection_.empty()) {
        hooks_.refuse(QStringLiteral("Select hexes first (Edit > Select Hexes)."));
        return;
    }
    const std::vector<int> hexes = selection_.hexes();
    hooks_.edit(QStringLiteral("Delete Hexes"), [&](Battle& b) { ClearHexes(b, hexes, layers_); });
    hooks_.redrawAll();
    BattleChanged(hexes);
    hooks_.status(QStringLiteral("%1 hexes emptied.").arg(hexes.size()));
}

void MapEditTools::TurnClick(RegionTurn turn) {
    if (pasting_) {
        QStringList missing;
        TurnRegion(pending_, turn, families_, &missing);
        hooks_.status(missing.isEmpty()
                          ? QStringLiteral("The hexes to paste are turned.")
                          : QStringLiteral("The set has no %1.").arg(missing.join(", ")));
        ShowOutline();
        return;
    }
    if (selection_.empty()) {
        hooks_.refuse(QStringLiteral("Select hexes first (Edit > Select Hexes)."));
        return;
    }
    const std::vector<int> hexes = selection_.hexes();
    RegionOutcome out;
    const QString caption = turn == RegionTurn::HalfTurn ? QStringLiteral("Turn Hexes")
                                                         : QStringLiteral("Mirror Hexes");
    hooks_.edit(caption, [&](Battle& b) { out = TurnHexes(b, families_, hexes, layers_, turn); });
    if (out.done)
        selection_.Assign(out.hexes);
    hooks_.redrawAll();
    BattleChanged({});
    hooks_.status(out.message);
}

void MapEditTools::SetLayers(unsigned layers) {
    layers_ = layers & kAllLayers;
    for (size_t bit = 0; bit < layerActions_.size(); ++bit) {
        const QSignalBlocker block(layerActions_[bit]);
        layerActions_[bit]->setChecked(layers_ & (1u << bit));
    }
    emit layersChanged(layers_);
}

// Resize ---------------------------------------------------------------------------

void MapEditTools::ResizeMapClick() {
    if (!hooks_.battleShown())
        return;
    ResizeMapDialog dialog(hooks_.battle(), &window_);
    if (prepareResizeDialog)
        prepareResizeDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ResizePlan plan = dialog.plan();
    bool done = false;
    hooks_.edit(QStringLiteral("Resize Map"), [&](Battle& b) { done = ApplyResize(b, plan); });
    if (!done)
        return;
    hooks_.mapResized();
    BattleShown();
    hooks_.status(QStringLiteral("The map is now %1 × %2 hexes.").arg(plan.cols).arg(plan.rows));
}

// Mouse ----------------------------------------------------------------------------

bool MapEditTools::Press(int hex, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const int mode = hooks_.mode();
    if (mode == ModeDrawPath) {
        if (!PathUnavailable().isEmpty() || (button != Qt::LeftButton && button != Qt::RightButton))
            return true;
        drawing_ = true;
        removing_ = button == Qt::RightButton;
        path_.clear();
        ExtendPath(HexGrid::Of(hooks_.battle()), path_, hex);
        ShowOutline();
        return true;
    }
    if (mode != ModeSelectHexes)
        return false;
    if (pasting_) {
        if (button == Qt::LeftButton) {
            RegionOutcome out;
            hooks_.edit(QStringLiteral("Paste Hexes"),
                        [&](Battle& b) { out = PasteRegion(b, pending_, hex, layers_); });
            if (!out.done) {
                hooks_.refuse(out.message);
                return true;
            }
            if (pending_.moving) {
                clipboard_.MovedOnce();
                pending_.moving = false;
            }
            pasting_ = false;
            selection_.Assign(out.hexes);
            hooks_.redrawAll();
            BattleChanged(out.hexes);
            hooks_.status(out.message);
        }
        return true;
    }
    if (button != Qt::LeftButton)
        return true;
    combine_ = modifiers & Qt::ShiftModifier     ? HexSelection::Combine::Add
               : modifiers & Qt::ControlModifier ? HexSelection::Combine::Remove
                                                 : HexSelection::Combine::Replace;
    before_ = selection_;
    corner_ = hex;
    MoveTo(hex);
    return true;
}

void MapEditTools::MoveTo(int hex) {
    if (!hooks_.battleShown() || !hooks_.battle().IsHex(hex))
        return;
    pointer_ = hex;
    if (drawing_) {
        const size_t before = path_.size();
        ExtendPath(HexGrid::Of(hooks_.battle()), path_, hex);
        if (path_.size() != before)
            ShowOutline();
        return;
    }
    if (corner_ >= 0) {
        selection_ = before_;
        selection_.SelectRect(HexGrid::Of(hooks_.battle()), corner_, hex, combine_);
        hooks_.status(selection_.StatusText());
        ShowOutline();
        return;
    }
    if (pasting_)
        ShowOutline();
}

void MapEditTools::Release(Qt::MouseButton button) {
    if (drawing_ && (button == Qt::LeftButton) != removing_)
        FinishPath(removing_);
    corner_ = -1;
}

// Outline --------------------------------------------------------------------------

std::vector<QLine> MapEditTools::Outline() const {
    if (!hooks_.battleShown())
        return {};
    const int mode = hooks_.mode();
    const MapMetrics m = hooks_.metrics();
    const int origin = hooks_.originHex();
    const QSize visible = hooks_.visible();
    if (mode == ModeDrawPath)
        return BrushOutline(m, origin, path_);
    if (mode != ModeSelectHexes)
        return {};
    if (pasting_ && pointer_ >= 0 && pointer_ < m.hexCount()) {
        std::vector<char> covered(size_t(m.hexCount()), 0);
        for (int t : RegionTargets(pending_, HexGrid::Of(hooks_.battle()), pointer_))
            if (t != kNoHex)
                covered[size_t(t)] = 1;
        return HexSetOutline(m, origin, visible.width(), visible.height(),
                             [&](int h) { return covered[size_t(h)] != 0; });
    }
    return HexSetOutline(m, origin, visible.width(), visible.height(),
                         [this](int h) { return selection_.contains(h); });
}

void MapEditTools::ShowOutline() {
    if (hooks_.overlay)
        hooks_.overlay(Outline());
}
