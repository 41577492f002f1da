#pragma once
// The map editing tools of the main window: "Draw Path" (a road, river or wall in one
// drag), "Select Hexes" with the region commands of the Edit menu (copy, cut, paste,
// delete, mirror, the layers they act on), "Resize Map..." and the overview window. The
// window forwards the mouse in these modes and lends what the tools need through hooks;
// every change goes through its one edit call, one step of undo each.

#include "HexRegion.h"
#include "HexSelection.h"
#include "MapGeometry.h"
#include "PathFamilies.h"
#include "PathLaying.h"
#include "RegionClipboard.h"

#include <QLine>
#include <QObject>

#include <functional>
#include <vector>

class Battle;
class OverviewDock;
class QAction;
class QComboBox;
class QMainWindow;
class QMenu;
class QWidget;
struct LoadedSymbolSet;

struct MapEditHooks {
    std::function<const Battle&()> battle;
    std::function<const LoadedSymbolSet&()> symbols;
    // One step of undo named caption; true when the battle changed.
    std::function<bool(const QString& caption, const std::function<void(Battle&)>& change)> edit;
    std::function<void(const std::vector<int>& hexes)> redrawHexes;
    std::function<void()> redrawAll;
    // The map's size changed: a new map buffer, scroll bars and drawing.
    std::function<void()> mapResized;
    std::function<void(const QString& text)> status;
    std::function<void(const QString& reason)> refuse;
    std::function<void(std::vector<QLine> lines)> overlay;
    std::function<MapMetrics()> metrics;
    std::function<int()> originHex;
    std::function<QSize()> visible; // columns and rows the view shows
    std::function<void(int hex)> centreOn;
    std::function<void(int mode)> setMode;
    std::function<int()> mode;
    std::function<bool()> battleShown;
};

class MapEditTools : public QObject {
    Q_OBJECT
public:
    MapEditTools(QMainWindow& window, MapEditHooks hooks);

    // Menu items: "Draw Path" in Terrain, the region commands in Edit, "Resize Map..." in
    // Battle, "Overview" in Preferences; the unit clipboard items give up their keys in the
    // Select Hexes mode.
    void CreateCommands(QMenu* edit, QMenu* battle, QMenu* terrain, QMenu* preferences,
                        std::vector<QAction*> unitClipboardActions);
    void EnableCommands(bool battleShown);

    // A battle was opened, created, restored or changed its size.
    void BattleShown();
    // After any change of the battle: the overview follows (hexes, or all when empty).
    void BattleChanged(const std::vector<int>& hexes);
    // The view moved or zoomed.
    void ViewChanged();
    // The window entered a mode (to show the path choice and the clipboard keys).
    void ModeChanged(int mode);

    // The mouse in the Draw Path and Select Hexes modes; false when not handled.
    bool Press(int hex, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MoveTo(int hex);
    void Release(Qt::MouseButton button);

    // Commands (also for tests).
    void DrawPathClick();
    void SelectHexesClick();
    void SelectAllClick();
    void EscapeClick();
    void CopyHexesClick();
    void CutHexesClick();
    void PasteHexesClick();
    void DeleteHexesClick();
    void TurnClick(RegionTurn turn);
    void ResizeMapClick();
    void SetLayers(unsigned layers);
    void SetPathFamily(int family);
    void SetCrossing(int crossing);

    // Why Draw Path cannot be used now, or empty.
    QString PathUnavailable() const;
    const PathFamilies& families() const { return families_; }
    HexSelection& selection() { return selection_; }
    unsigned layers() const { return layers_; }
    bool pasting() const { return pasting_; }
    const std::vector<int>& path() const { return path_; }
    OverviewDock& overview() { return *overview_; }
    // The outline shown over the map in these modes.
    std::vector<QLine> Outline() const;
    // Resize dialogs are answered by tests.
    std::function<void(class ResizeMapDialog&)> prepareResizeDialog;

signals:
    void layersChanged(unsigned layers);
    void overviewShownChanged(bool shown);

private:
    void ShowOutline();
    void PutOnClipboard(bool cut);
    void FinishPath(bool removing);
    void FillPathChoice();

    QMainWindow& window_;
    MapEditHooks hooks_;
    PathFamilies families_;
    int family_ = 0;
    int crossing_ = -1;
    std::vector<int> path_;
    bool drawing_ = false;
    bool removing_ = false;
    HexSelection selection_;
    HexSelection before_; // the selection when the rectangle's drag began
    HexSelection::Combine combine_ = HexSelection::Combine::Replace;
    int corner_ = -1;
    unsigned layers_ = kAllLayers;
    RegionClipboard clipboard_;
    HexRegion pending_; // the region a paste waits to put down
    bool pasting_ = false;
    int pointer_ = -1;
    OverviewDock* overview_ = nullptr;
    QWidget* pathBar_ = nullptr;
    QWidget* pathTools_ = nullptr; // the tool bar holding it
    QComboBox* familyBox_ = nullptr;
    QComboBox* crossingBox_ = nullptr;
    std::vector<QAction*> regionActions_;
    std::vector<QAction*> unitClipboard_;
    QAction* drawPath_ = nullptr;
    QAction* selectHexes_ = nullptr;
    QAction* copyHexes_ = nullptr;
    QAction* cutHexes_ = nullptr;
    QAction* pasteHexes_ = nullptr;
    QAction* resizeMap_ = nullptr;
    QAction* showOverview_ = nullptr;
    std::vector<QAction*> layerActions_;
};
