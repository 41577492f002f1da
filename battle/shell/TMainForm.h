#pragma once
// The battle editor's main window: menus, the map with its scroll bars, the information
// panels, the zoom buttons and the status line; the command modes and the open, new,
// save and exit flows. The battle document (the battle, its history, its set and its file)
// is owned here and lent to the dialogs; every change of the battle goes through it.

#include "Battle.h"
#include "BattleDocument.h"
#include "BattleFileGuard.h"
#include "CommandModes.h"
#include "Definitions.h"
#include "DragStroke.h"
#include "EditorContext.h"
#include "LoadedSymbolSet.h"
#include "MainFormActions.h"
#include "MapCommands.h"
#include "MapRenderer.h"
#include "OrvMessages.h"
#include "SetWatcher.h"
#include "SoundEffects.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QToolButton;
class MapWidget;
class HelpWindow;
class TOrvMsgBox;
class TNewMap;
class TModifyBattle;
class TMapInfo;
class TSelectColor;
class TAboutMBld;
class TSelectTer;
class TSelectHxMrk;
class TAddBase;
class TAddVHex;
class TAddLocation;
class TAddUnit;
class TStats;
class TFactionOB;
class TRForceRoster;
class TVicHexes;
class TDefStats;
class BattleRecovery;
class MapPictureExport;
class CheckDock;
class MapEditTools;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // `warnings` replaces the "Warning" and "Error" boxes (for tests).
    explicit TMainForm(const QString& programFolder, MessageSink warnings = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // State ---------------------------------------------------------------------------
    bool battleActive() const { return document_.shown(); }
    bool untitled() const { return document_.untitled(); }
    const QString& battlePath() const { return document_.path(); }
    bool closing = false;
    int commandMode = ModeNone;
    int previousMode = ModeNone;
    int lastMouseX = 0;
    int lastMouseY = 0;
    DisplayPrefs prefs;
    QStringList recentBattles;

    const Battle& battle() const { return document_.battle(); }
    // The battle shown, its undo history, set and file.
    BattleDocument& document() { return document_; }
    EditorContext& context() { return context_; }
    MapRenderer& renderer() { return renderer_; }
    SoundEffects& sounds() { return sounds_; }
    BattleRecovery& recovery() { return *recovery_; }
    // The shown battle's set changed on disk: offers to reload it, keeping the battle, the
    // view and the undo history.
    void OfferSetReload(const QString& setName);
    SetWatcher& setWatcher() { return setWatcher_; }
    QString statusText() const;
    // The reason for a refused action, in the status line for a few seconds.
    void ShowRefusal(const QString& reason);
    const MainFormActions& actions() const { return actions_; }

    // Flows ---------------------------------------------------------------------------
    // Opens a battle file: activation on success, the no-battle state when its set fails.
    void OpenBattleFile(const QString& path);
    bool SaveBattleTo(const QString& path); // the save flow's write and list update
    void ActivateBattle(bool opened);
    void ReturnToNoBattle();
    // The save-changes question before open, new, a recent battle and exit: true when the
    // command may go on ("No", or a save that succeeded), false when it was cancelled or
    // the save did not happen.
    bool AskToSaveChanges();
    // The save-as flow: true when the battle was written under the chosen name.
    bool SaveBattleAs();
    // File dialogs; tests replace them. An empty result means the designer cancelled.
    std::function<QString(const QString& title, const QString& folder, const QString& filter)>
        chooseOpenPath;
    std::function<QString(const QString& title, const QString& folder, const QString& filter)>
        chooseSavePath;
    // Asked when the battle's file name differs from the one chosen and names an existing
    // file; false keeps that file.
    std::function<bool(const QString& path)> confirmReplace;
    // Asked before a save over a battle file another program changed since this window
    // read or wrote it: "The battle file changed on disk since it was opened. Replace it?"
    std::function<bool(const QString& path)> confirmReplaceChanged;
    // The caption with Qt's modified mark: "Fieldmark Varnholm:" and the battle's name.
    void ShowBattleCaption();
    // The editor's numbered questions; tests answer them.
    MessageBoxShower askMessage;
    TNewMap& newMapDialog() { return *newMap_; }
    TOrvMsgBox& messageBox() { return *msgBox_; }

    // Map ---------------------------------------------------------------------------
    void MapWinMouseMove(int x, int y);
    void MapWinMouseDown(Qt::MouseButton button);
    void MapWinMouseUp(Qt::MouseButton button);
    void SetMode(int mode);
    // Painting: the brush radius (0, 1, 2) and the stroke a held button paints.
    void SetBrushRadius(int radius);
    int brushRadius() const { return stroke_.brushRadius; }
    DragStroke& stroke() { return stroke_; }
    const std::vector<QLine>& brushOutline() const;
    // Zoom at the view's centre (the + and - keys).
    void ZoomInAtCentre();
    // Centres the view on a hex that lies outside it.
    void ScrollToHex(int hex);
    void ImportTerrainAttributesClick();
    void RedrawAll();
    void RedrawHex(int hex);
    void SetScrollBars();
    void ZoomInClick();
    void ZoomOutClick();
    // After a zoom step: the sound, the map buffer for the new size, the map, the bars and
    // the zoom buttons.
    void ShowZoomedView();

    // Handlers ------------------------------------------------------------------------
    void OpenMapFileClick();
    void CreateNewMap1Click();
    void SavMapClick();
    void SaveMapAsClick();
    // The whole map as a PNG picture, at a zoom level the designer chooses.
    void ExportMapPictureClick();
    MapPictureExport& mapPictureExport() { return *mapPictureExport_; }
    // Draw Path, Select Hexes and the region commands, Resize Map, the overview.
    MapEditTools& mapEditTools() { return *mapEdit_; }
    // Centres the view on a hex wherever it lies (the overview's clicks).
    void CentreOn(int hex);
    void Exit1Click();
    void OpenRecent(int index);
    void ModifyScenario1Click();
    void Information1Click();
    void ObjectiveListClick();
    void SetHexMarkersClick();
    // The terrain commands show the terrain picker before their mode is set.
    void TerrainCommand(int mode);
    // The hex dialogs on the clicked hex; each redraws the map when it returns 1.
    void OpenHexDialog(int mode, int hex);
    void OpenUnitEditor(int hex, int mode);
    // Where a hex is on the screen, for a dialog to stand beside it; none when not shown.
    std::optional<QRect> HexOnScreen(int hex) const;
    // The map on the screen: a dialog beside its hex stays over it when it has room.
    QRect MapOnScreen() const;
    TSelectTer& terrainPicker() { return *selectTer_; }
    TAddUnit& unitEditor() { return *addUnit_; }
    void InformationClick();
    // Battle > "Check Battle": shows the dockable list of the battle's mistakes.
    void CheckBattleClick();
    CheckDock& checkDock() { return *checkDock_; }
    void SideReportClick(int side, bool reinforcements);
    void PlaceCaltrops1Click();
    // A display preference's menu item: its name, its action and the captions it shows.
    struct PreferenceToggle {
        const char* name;
        QAction* MainFormActions::*action;
        bool DisplayPrefs::*value;
        const char* on;
        const char* off;
        const char* onAgain = nullptr; // the caption once toggled back on, when it differs
    };
    static const std::array<PreferenceToggle, 4>& PreferenceToggles();
    void TogglePreference(const PreferenceToggle& toggle);
    void SaveMapPosClick();
    void SetTableColor1Click();
    // Edit menu -----------------------------------------------------------------------
    void UndoClick();
    void RedoClick();
    // The step caption of a map command mode ("Place Primary Terrain", …).
    static QString MapStepCaption(int mode, Qt::MouseButton button);

    void HelpIndexClick();
    void KeywordSearch1Click();
    void AboutClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenus();
    void CreateCheckDock();
    // The help window, made at its first use.
    HelpWindow& Help();
    // A line of the check list chosen: the map scrolls to its hex and outlines it.
    void ShowCheckedHex(int hex);
    void CreatePanels();
    void FormActivate();
    void FormResize();
    void ShowLogo();
    void EnableBattleCommands(bool enable);
    void SetSideCaptions();
    void SetSaveMapPosCaption();
    void SetZoomButtons();
    void UpdateRecentItems();
    void ShowHexInfo(int hex);
    // The panels for the hex now under the last pointer position, after the view or the
    // map changed under a pointer that did not move.
    void RefreshHexInfo();
    void UpdateBrushOutline();
    void CreatePaintCommands();
    void CreateMapEditTools();
    // The Terrain menu's brushes and import, the Preferences menu's zoom keys.
    void AddBrushItems(QMenu* terrain);
    void AddZoomKeys(QMenu* preferences);
    void KeepCommandKeysOnTheMap();
    // Alt+letter for the menus, F1 for help, Ctrl+S for a battle never saved.
    void AddMenuKeys();
    // Where the window, the terrain picker and its secondary list stood at the last run.
    void RestorePlaces();
    void RememberPlaces();
    // The file a save is about to write: asked about when another program changed it.
    bool MayOverwrite(const QString& path);
    void ShowPlacedTerrainName();
    void RunMapCommand(int hex, Qt::MouseButton button);
    void StampUnit(int hex);
    void ApplyRedraw(Redraw redraw, int hex);
    void ClearHexInfo();
    void ScrollHorzChange(int position);
    void ScrollVertChange(int position);
    void Wheel(int steps, Qt::KeyboardModifiers modifiers, QPoint at);
    void ApplyTableColour();
    // The Edit menu's captions and enabling, after every change of the history.
    void UpdateEditMenu();
    // After undo or redo: the map, the hex information and everything shown from the
    // battle's settings and records.
    void ShowRestoredBattle(const QString& nameBefore, int hexCountBefore);
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption,
                       void (TMainForm::*handler)(), bool enabled = true);
    // A command enabled with a battle, whose handler takes arguments.
    QAction* AddModeAction(QMenu* menu, const QString& name, const QString& caption,
                           std::function<void()> handler);
    QString BattlesFolder() const;
    void ShowWarning(const QString& caption, const QString& text);
    void SetStatus(const QString& text);
    // The editor's numbered question, asked with the wait cursor lifted.
    int AskWithoutWaitCursor(int number, int mode);

    QString programFolder_;
    BattleDocument document_;
    Definitions definitions_;
    SoundEffects sounds_;
    EditorContext context_;
    MapRenderer renderer_;
    MapCommands commands_;
    DragStroke stroke_{commands_};
    std::optional<BattleDocument::Visit> strokeStep_; // the step of the stroke held
    bool activated_ = false;
    bool unitCopied_ = false; // the battle's unit clipboard holds a copied or cut unit
    int scrollCol_ = 0;
    int scrollRow_ = 0;

    MapWidget* mapWin_ = nullptr;
    QScrollBar* scrollHorz_ = nullptr;
    QScrollBar* scrollVert_ = nullptr;
    QWidget* mPanel_ = nullptr;
    QWidget* central_ = nullptr;
    std::array<QLabel*, 5> hexLabels_{};  // HexNo, PrmTer, SecTer, ObjLbl, MTLbl
    std::array<QLabel*, 5> unitLabels_{}; // SdeLbl, UntLbl, StsLbl1, BseLbl, RnfLbl
    QLabel* infLbl_ = nullptr;
    QTimer* refusalTimer_ = nullptr;
    QString statusBeforeRefusal_;
    QToolButton* zoomIn_ = nullptr;
    QToolButton* zoomOut_ = nullptr;
    MainFormActions actions_;
    QAction* recentSeparator_ = nullptr;
    SetWatcher setWatcher_;
    std::unique_ptr<TOrvMsgBox> msgBox_;
    std::unique_ptr<TNewMap> newMap_;
    std::unique_ptr<TModifyBattle> modifyBattle_;
    std::unique_ptr<TMapInfo> mapInfo_;
    std::unique_ptr<TSelectColor> selectColor_;
    std::unique_ptr<TAboutMBld> about_;
    std::unique_ptr<TSelectTer> selectTer_;
    std::unique_ptr<TSelectHxMrk> selectHxMrk_;
    std::unique_ptr<TAddBase> addBase_;
    std::unique_ptr<TAddVHex> addVHex_;
    std::unique_ptr<TAddLocation> addLocation_;
    std::unique_ptr<TAddUnit> addUnit_;
    std::unique_ptr<TStats> stats_;
    std::unique_ptr<TFactionOB> factionOB_;
    std::unique_ptr<TRForceRoster> rforceRoster_;
    std::unique_ptr<TVicHexes> vicHexes_;
    std::unique_ptr<TDefStats> defStats_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<BattleRecovery> recovery_; // the recovery copy of unsaved changes
    std::unique_ptr<MapPictureExport> mapPictureExport_;
    CheckDock* checkDock_ = nullptr;  // owned by the window as its dock
    MapEditTools* mapEdit_ = nullptr; // owned by the window
};
