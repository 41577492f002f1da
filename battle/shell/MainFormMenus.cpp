// The main window's menu bar: every command with its caption, its object name (which the
// tests and the help use) and its key.
#include "TMainForm.h"

#include "BattlePreferences.h"
#include "CheckDock.h"
#include "MapScaleMenu.h"
#include "MapWidget.h"

#include <QAction>
#include <QMenuBar>

QAction* TMainForm::AddAction(QMenu* menu, const QString& name, const QString& caption,
                              void (TMainForm::*handler)(), bool enabled) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    return a;
}

QAction* TMainForm::AddModeAction(QMenu* menu, const QString& name, const QString& caption,
                                  std::function<void()> handler) {
    QAction* a = AddAction(menu, name, caption, nullptr, false);
    connect(a, &QAction::triggered, this, std::move(handler));
    return a;
}

void TMainForm::CreateMenus() {
    MainFormActions& a = actions_;
    QMenu* file = menuBar()->addMenu(QStringLiteral("File "));
    a.fileMenu = file;
    a.openMapFile = AddAction(file, "OpenMapFile1", "Open Battle", &TMainForm::OpenMapFileClick);
    a.openMapFile->setShortcut(QKeySequence::Open);
    a.createNewMap =
        AddAction(file, "CreateNewMap1", "Create New Battle", &TMainForm::CreateNewMap1Click);
    a.createNewMap->setShortcut(QKeySequence::New);
    a.saveMapFile = AddAction(file, "SaveMapFile", "Save Battle", &TMainForm::SavMapClick, false);
    a.saveMapFile->setShortcut(QKeySequence::Save);
    a.saveMapAs =
        AddAction(file, "SaveMapAs", "Save Battle As...", &TMainForm::SaveMapAsClick, false);
    a.saveMapAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    a.exportMapPicture = AddAction(file, "ExportMapPicture", "Export Map Picture...",
                                   &TMainForm::ExportMapPictureClick, false);
    a.exit = AddAction(file, "Exit1", "Exit", &TMainForm::Exit1Click);
    a.exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    recentSeparator_ = file->addSeparator();
    for (int k = 0; k < 5; ++k) {
        const QString name = QStringLiteral("Map%1").arg(QChar('A' + k));
        a.recent[size_t(k)] = AddAction(file, name + QLatin1Char('1'), name, nullptr);
        connect(a.recent[size_t(k)], &QAction::triggered, this, [this, k] { OpenRecent(k); });
    }

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    a.editMenu = edit;
    a.undo = AddAction(edit, "Undo1", "Undo", &TMainForm::UndoClick, false);
    a.undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    a.redo = AddAction(edit, "Redo1", "Redo", &TMainForm::RedoClick, false);
    a.redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    document_.changed = [this] {
        UpdateEditMenu();
        checkDock_->Refresh();
    };

    QMenu* battle = menuBar()->addMenu(QStringLiteral("Battle"));
    a.battleMenu = battle;
    a.modifyScenario = AddAction(battle, "ModifyScenario1", "Battle Settings",
                                 &TMainForm::ModifyScenario1Click, false);
    a.information =
        AddAction(battle, "Information1", "Army Statistics", &TMainForm::Information1Click, false);
    a.objectiveList = AddAction(battle, "ObjectiveList", "Terrain Objective Status",
                                &TMainForm::ObjectiveListClick, false);
    a.mapInformation =
        AddAction(battle, "BtlMapInfo", "Map Information", &TMainForm::InformationClick, false);
    a.checkBattle =
        AddAction(battle, "CheckBattle", "Check Battle", &TMainForm::CheckBattleClick, false);

    QMenu* terrain = menuBar()->addMenu(QStringLiteral("Terrain"));
    a.terrainMenu = terrain;
    a.placePrimary = AddModeAction(terrain, "PlaceLv1Ter", "Place Primary Terrain",
                                   [this] { TerrainCommand(ModePlacePrimary); });
    a.fillPrimary = AddModeAction(terrain, "FillPrime", "Fill Primary Terrain",
                                  [this] { TerrainCommand(ModeFillPrimary); });
    a.placeSecondary = AddModeAction(terrain, "PlaceLv2Ter", "Place Secondary Terrain",
                                     [this] { TerrainCommand(ModeAddSecondary); });
    AddBrushItems(terrain);

    QMenu* units = menuBar()->addMenu(QStringLiteral("Units"));
    a.unitsMenu = units;
    const auto mode = [this](int m) { return [this, m] { SetMode(m); }; };
    a.addModifyUnit = AddModeAction(units, "AddModifyUnit1", "Add/Modify Units", mode(ModeUnits));
    a.westOB = AddModeAction(units, "WestOB", "Western Forces Order of Battle",
                             [this] { SideReportClick(1, false); });
    a.eastOB = AddModeAction(units, "EastOB", "Eastern Forces Order of Battle",
                             [this] { SideReportClick(2, false); });
    units->addSeparator();
    a.addModifyReinforcements = AddModeAction(
        units, "AddModifyReinforcements1", "Add/Modify Reinforcements ", mode(ModeReinforcements));
    a.westRForce = AddModeAction(units, "WestRForce", "Western Reinforcement Schedule",
                                 [this] { SideReportClick(1, true); });
    a.eastRForce = AddModeAction(units, "EastRForce", "Eastern Reinforcement Schedule",
                                 [this] { SideReportClick(2, true); });
    units->addSeparator();
    a.addStructure =
        AddModeAction(units, "AddStructure", "Add/Modify Structures", mode(ModeStructures));
    units->addSeparator();
    a.copyUnit = AddModeAction(units, "CopyUnit1", "Copy Unit", mode(ModeCopyUnit));
    a.cutUnit = AddModeAction(units, "CutUnit1", "Cut Unit", mode(ModeCutUnit));
    a.pasteUnit = AddModeAction(units, "PasteUnit1", "Paste Unit", mode(ModePasteUnit));

    QMenu* special = menuBar()->addMenu(QStringLiteral("Special Hexes"));
    a.specialMenu = special;
    a.specialHexMarkers = AddAction(special, "SetSpecialHexMarkers1", "Set Special Hex Markers",
                                    &TMainForm::SetHexMarkersClick, false);
    a.addModifyObjective = AddModeAction(special, "AddModifyObjective1",
                                         "Set/ Modify Terrain Objective", mode(ModeObjective));
    a.placeCaltrops = AddAction(special, "PlaceCaltrops1", "Place Caltrops",
                                &TMainForm::PlaceCaltrops1Click, false);

    QMenu* mapText = menuBar()->addMenu(QStringLiteral("Map Text"));
    a.mapTextMenu = mapText;
    a.mapText = AddModeAction(mapText, "MapText", "Add/Modify Map Text", mode(ModeMapText));

    QMenu* preferences = menuBar()->addMenu(QStringLiteral("Preferences"));
    a.preferencesMenu = preferences;
    for (const PreferenceToggle& t : PreferenceToggles()) {
        a.*(t.action) =
            AddModeAction(preferences, t.name, t.on, [this, &t] { TogglePreference(t); });
    }
    a.saveMapPos = AddAction(preferences, "SaveMapPos", "Save Map Position is On",
                             &TMainForm::SaveMapPosClick, false);
    a.setTableColor = AddAction(preferences, "SetTableColor1", "Set Game Table Color",
                                &TMainForm::SetTableColor1Click, false);
    AddMapScaleMenu(preferences, mapWin_->scale(), [this](int scale) {
        mapWin_->SetScale(scale);
        if (!UpdateBattlePreferences(programFolder_,
                                     [scale](BattlePreferences& p) { p.mapScale = scale; }))
            Warn(context_.messages, QStringLiteral("Could not save the preferences."));
        FormResize();
    });
    AddZoomKeys(preferences);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    a.helpMenu = help;
    a.helpIndex = AddAction(help, "HelpIndex", "Contents", &TMainForm::HelpIndexClick);
    a.keywordSearch =
        AddAction(help, "KeywordSearch1", "Keyword Search", &TMainForm::KeywordSearch1Click);
    a.about = AddAction(help, "About", "About Fieldmark Varnholm", &TMainForm::AboutClick);
    UpdateRecentItems();
}
