// The main window's side of the map editing tools: the hooks they act through (the
// window's one edit call, its redraws, the status line and the view), and the overview's
// and region layers' preferences.
#include "BattlePreferences.h"
#include "MapEditTools.h"
#include "MapWidget.h"
#include "OverviewDock.h"
#include "TMainForm.h"

#include <QMenu>

void TMainForm::CreateMapEditTools() {
    MapEditHooks h;
    h.battle = [this]() -> const Battle& { return document_.battle(); };
    h.symbols = [this]() -> const LoadedSymbolSet& { return document_.symbols(); };
    h.edit = [this](const QString& caption, const std::function<void(Battle&)>& change) {
        return document_.Edit(caption, change);
    };
    h.redrawHexes = [this](const std::vector<int>& hexes) {
        if (hexes.size() > 40) {
            RedrawAll();
            return;
        }
        for (int hex : hexes)
            RedrawHex(hex);
    };
    h.redrawAll = [this] { RedrawAll(); };
    h.mapResized = [this] {
        renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
        RedrawAll();
        SetScrollBars();
        RefreshHexInfo();
    };
    h.status = [this](const QString& text) { SetStatus(text); };
    h.refuse = [this](const QString& reason) { context_.Refuse(reason); };
    h.overlay = [this](std::vector<QLine> lines) { mapWin_->SetOverlay(std::move(lines)); };
    h.metrics = [this] { return renderer_.metrics(); };
    h.originHex = [this] { return renderer_.originHex(); };
    h.visible = [this] { return QSize(renderer_.visibleCols(), renderer_.visibleRows()); };
    h.centreOn = [this](int hex) { CentreOn(hex); };
    h.setMode = [this](int mode) { SetMode(mode); };
    h.mode = [this] { return commandMode; };
    h.battleShown = [this] { return battleActive() && renderer_.hasBuffer(); };
    mapEdit_ = new MapEditTools(*this, std::move(h));

    mapEdit_->CreateCommands(actions_.editMenu, actions_.battleMenu, actions_.terrainMenu,
                             actions_.preferencesMenu,
                             {actions_.copyUnit, actions_.cutUnit, actions_.pasteUnit});

    // The layers and the overview are kept from one run to the next.
    const BattlePreferences prefs = ReadBattlePreferences(programFolder_);
    mapEdit_->SetLayers(unsigned(prefs.regionLayers));
    mapEdit_->overview().SetScale(prefs.overviewScale);
    mapEdit_->overview().setVisible(prefs.showOverview != 0);
    const auto keep = [this](const std::function<void(BattlePreferences&)>& change) {
        BattlePreferences p = ReadBattlePreferences(programFolder_);
        change(p);
        if (!WriteBattlePreferences(programFolder_, p))
            Warn(context_.messages, QStringLiteral("Could not save the preferences."));
    };
    connect(mapEdit_, &MapEditTools::layersChanged, this, [keep](unsigned layers) {
        keep([&](BattlePreferences& p) { p.regionLayers = int(layers); });
    });
    connect(mapEdit_, &MapEditTools::overviewShownChanged, this, [this, keep](bool shown) {
        if (!closing)
            keep([&](BattlePreferences& p) { p.showOverview = shown ? 1 : 0; });
    });
    connect(&mapEdit_->overview(), &OverviewDock::scaleChanged, this,
            [keep](int scale) { keep([&](BattlePreferences& p) { p.overviewScale = scale; }); });
}

void TMainForm::CentreOn(int hex) {
    if (!battleActive() || !document_.battle().IsHex(hex))
        return;
    const MapMetrics m = renderer_.metrics();
    const int col = std::max(m.col(hex) - renderer_.visibleCols() / 2, 0);
    const int row = std::max(m.row(hex) - renderer_.visibleRows() / 2, 0);
    const int origin = ClampOrigin(m, col, row, renderer_.visibleCols(), renderer_.visibleRows());
    if (origin == renderer_.originHex())
        return;
    document_.SetView(renderer_.zoomLevel(), origin);
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    RedrawAll();
    SetScrollBars();
    RefreshHexInfo();
}
