#pragma once
// The main window's menu commands, held by the window so that every use is checked by the
// compiler. Each action keeps its object name (the menu's own item name) for tests.

#include <array>

class QAction;
class QMenu;

struct MainFormActions {
    // The menus, all made by CreateMenus; later commands are added to these.
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* battleMenu = nullptr;
    QMenu* terrainMenu = nullptr;
    QMenu* unitsMenu = nullptr;
    QMenu* specialMenu = nullptr;
    QMenu* mapTextMenu = nullptr;
    QMenu* preferencesMenu = nullptr;
    QMenu* helpMenu = nullptr;
    // File
    QAction* openMapFile = nullptr;
    QAction* createNewMap = nullptr;
    QAction* saveMapFile = nullptr;
    QAction* saveMapAs = nullptr;
    QAction* saveUntitledKey = nullptr; // Ctrl+S while "Save Battle" waits for a first Save As
    QAction* exportMapPicture = nullptr;
    QAction* exit = nullptr;
    std::array<QAction*, 5> recent{}; // MapA1 … MapE1
    // Edit
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    // Battle
    QAction* modifyScenario = nullptr;
    QAction* information = nullptr;
    QAction* objectiveList = nullptr;
    QAction* mapInformation = nullptr;
    QAction* checkBattle = nullptr;
    // Terrain
    QAction* placePrimary = nullptr;
    QAction* fillPrimary = nullptr;
    QAction* placeSecondary = nullptr;
    std::array<QAction*, 3> brush{}; // Brush0 … Brush2: 1, 7 and 19 hexes
    QAction* importTerrainAttrs = nullptr;
    // Units
    QAction* addModifyUnit = nullptr;
    QAction* westOB = nullptr;
    QAction* eastOB = nullptr;
    QAction* addModifyReinforcements = nullptr;
    QAction* westRForce = nullptr;
    QAction* eastRForce = nullptr;
    QAction* addStructure = nullptr;
    QAction* copyUnit = nullptr;
    QAction* cutUnit = nullptr;
    QAction* pasteUnit = nullptr;
    // Special hexes and map text
    QAction* specialHexMarkers = nullptr;
    QAction* addModifyObjective = nullptr;
    QAction* placeCaltrops = nullptr;
    QAction* mapText = nullptr;
    // Preferences
    QAction* showVicHex = nullptr;
    QAction* reinforcementHexes = nullptr;
    QAction* mapOverlay = nullptr;
    QAction* placeNameToggle = nullptr;
    QAction* saveMapPos = nullptr;
    QAction* setTableColor = nullptr;
    QAction* zoomInKey = nullptr; // zoom at the view's centre
    QAction* zoomOutKey = nullptr;
    // Help
    QAction* helpIndex = nullptr;
    QAction* keywordSearch = nullptr;
    QAction* about = nullptr;
};
