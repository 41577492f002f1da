#include "DocumentTestAccess.h"
#include "MainWindowFixture.h"
#include "TSelectTer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>

TEST_F(MainWindow, StartsWithoutABattle) {
    EXPECT_EQ(form->windowTitle(), "Field Mark Varnholm");
    EXPECT_EQ(form->statusText(), "Battle not active");
    EXPECT_FALSE(Enabled("SaveMapFile"));
    EXPECT_FALSE(Enabled("PlaceLv1Ter"));
    EXPECT_TRUE(Enabled("OpenMapFile1"));
    EXPECT_FALSE(Act("MapA1")->isVisible());
    form->resize(300, 200);
    EXPECT_GE(form->width(), 420);
    EXPECT_GE(form->height(), 275);
}

TEST_F(MainWindow, MenuCommandsKeepTheirObjectNames) {
    const MainFormActions& a = form->actions();
    const std::pair<QAction*, const char*> named[] = {
        {a.openMapFile, "OpenMapFile1"},
        {a.saveMapFile, "SaveMapFile"},
        {a.recent[0], "MapA1"},
        {a.recent[4], "MapE1"},
        {a.placePrimary, "PlaceLv1Ter"},
        {a.pasteUnit, "PasteUnit1"},
        {a.mapOverlay, "MapOverlay"},
        {a.placeNameToggle, "PlaceNameTgl"},
        {a.specialHexMarkers, "SetSpecialHexMarkers1"},
        {a.about, "About"}};
    for (const auto& [action, name] : named) {
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->objectName(), QLatin1String(name));
    }
    EXPECT_EQ(a.mapOverlay->text(), "Map Overlay is: On");
}

TEST_F(MainWindow, OpeningActivatesTheBattle) {
    Open("ford.scn");
    ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Varnholm Ford[*]");
    EXPECT_EQ(form->statusText(), "Battle Active.");
    EXPECT_TRUE(Enabled("SaveMapFile"));
    EXPECT_TRUE(Enabled("ObjectiveList"));
    EXPECT_FALSE(Enabled("PasteUnit1"));
    EXPECT_EQ(Act("WestOB")->text(), "Western Forces Order of Battle");
    EXPECT_EQ(Act("SaveMapPos")->text(), "Save Map Position is Off");
    EXPECT_TRUE(form->renderer().hasBuffer());
}

TEST_F(MainWindow, MissingSetReturnsToNoBattle) {
    WriteBattle("lost.scn", "Lost", "absent");
    Open("ford.scn");
    Open("lost.scn");
    EXPECT_FALSE(form->battleActive());
    EXPECT_EQ(form->windowTitle(), "Field Mark Varnholm");
    EXPECT_FALSE(Enabled("SaveMapFile"));
    EXPECT_FALSE(Enabled("PlaceLv1Ter"));
}

TEST_F(MainWindow, PreferenceCaptionsAndModifiedFlag) {
    Open("ford.scn");
    Act("PlaceNameTgl")->trigger();
    EXPECT_EQ(Act("PlaceNameTgl")->text(), "Map Text is: Off");
    Act("PlaceNameTgl")->trigger();
    EXPECT_EQ(Act("PlaceNameTgl")->text(), "Map Text is: On");
    EXPECT_TRUE(form->prefs.showMapText);
    Act("ShowVicHex")->trigger();
    EXPECT_EQ(Act("ShowVicHex")->text(), "Victory Objective is: Off");
    EXPECT_FALSE(form->document().modified());
    Act("SaveMapPos")->trigger();
    EXPECT_EQ(Act("SaveMapPos")->text(), "Save Map Position is On");
    EXPECT_TRUE(form->document().modified());
    form->close(); // leaving asks the question
    EXPECT_EQ(asked, std::vector<int>{MsgSaveChanges});
}

TEST_F(MainWindow, ModesSetTheStatusLine) {
    Open("ford.scn");
    Act("PlaceLv2Ter")->trigger();
    EXPECT_EQ(form->commandMode, ModeAddSecondary);
    EXPECT_EQ(form->statusText(),
              "Select Hex to Add Secondary Terrain (Left Click Adds/Right Click Removes).");
    Act("PlaceCaltrops1")->trigger();
    EXPECT_EQ(form->commandMode, ModeCaltrops);
    EXPECT_FALSE(form->document().modified()); // choosing a mode changes nothing
}

TEST_F(MainWindow, ObjectiveClicksOnlyOnTheObjective) {
    Open("ford.scn");
    Act("AddModifyObjective1")->trigger();
    form->sounds().ClearPlayed();
    ClickHex(66);
    EXPECT_EQ(form->sounds().played(), std::vector<int>{SoundRefusal});
    form->sounds().ClearPlayed();
    CloseNextDialog();
    ClickHex(65);
    EXPECT_EQ(closed, QStringList{"TAddVHex"});
    EXPECT_EQ(form->context().currentHex, 65);
    EXPECT_TRUE(Enabled("ObjectiveList"));
}

TEST_F(MainWindow, ZoomInWaitsForALeftClickOnTheMap) {
    Open("ford.scn");
    Act("PlaceLv1Ter")->trigger();
    form->ZoomInClick();
    EXPECT_EQ(form->commandMode, ModeZoomIn);
    ClickHex(40, Qt::RightButton);
    EXPECT_EQ(form->commandMode, ModeZoomIn);
    EXPECT_EQ(form->statusText(), "Select Hex to Place Primary Terrain.");
    ClickHex(40);
    EXPECT_EQ(form->renderer().zoomLevel(), 1);
    EXPECT_EQ(form->commandMode, ModePlacePrimary);
    // Pressed twice, the zoom mode remembers itself.
    form->ZoomInClick();
    form->ZoomInClick();
    ClickHex(form->renderer().originHex());
    EXPECT_EQ(form->renderer().zoomLevel(), 2);
    EXPECT_EQ(form->commandMode, ModeZoomIn);
}

TEST_F(MainWindow, SaveRecordsTheBattle) {
    Open("ford.scn");
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    Act("SaveMapFile")->trigger();
    EXPECT_FALSE(form->document().modified());
    EXPECT_EQ(form->recentBattles, QStringList{battles() + "/ford.scn"});
    EXPECT_TRUE(Act("MapA1")->isVisible());
    EXPECT_EQ(Act("MapA1")->text(), battles() + "/ford.scn");
}

TEST_F(MainWindow, AFailedSaveKeepsTheBattleModified) {
    Open("ford.scn");
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    ASSERT_TRUE(QDir(battles()).removeRecursively() || true);
    BattleDocumentTestAccess::SetPath(form->document(), dir.path() + "/no-such-folder/ford.scn");
    Act("SaveMapFile")->trigger();
    EXPECT_TRUE(form->document().modified());
    EXPECT_TRUE(form->recentBattles.isEmpty());
    EXPECT_FALSE(warnings.isEmpty());
}

TEST_F(MainWindow, SideReportsNeedUnits) {
    Open("ford.scn");
    Act("WestOB")->trigger();
    Act("EastRForce")->trigger();
    EXPECT_EQ(asked, (std::vector<int>{MsgNoUnits, MsgNoReinforcements}));
}

TEST_F(MainWindow, TerrainPickerFollowsTheModes) {
    Open("ford.scn");
    Act("PlaceLv1Ter")->trigger();
    EXPECT_TRUE(form->terrainPicker().isVisible());
    form->context().terrainSelection = 4;
    ClickHex(33);
    EXPECT_EQ(form->battle().hex(33).primaryTerrain, 4);
    EXPECT_TRUE(form->document().modified());
    Act("PlaceCaltrops1")->trigger(); // caltrops leave the picker open
    EXPECT_TRUE(form->terrainPicker().isVisible());
    Act("CopyUnit1")->trigger();
    EXPECT_FALSE(form->terrainPicker().isVisible());
}

TEST_F(MainWindow, HexDialogsOpenOnTheClickedHex) {
    Open("ford.scn");
    Act("MapText")->trigger();
    CloseNextDialog();
    ClickHex(44);
    Act("AddStructure")->trigger();
    CloseNextDialog();
    ClickHex(45);
    EXPECT_EQ(closed, (QStringList{"TAddLocation", "TAddBase"}));
    EXPECT_EQ(form->context().currentHex, 45);
}

TEST_F(MainWindow, CutAndPasteThroughTheMap) {
    Open("ford.scn");
    UnitRecord u;
    ASSERT_TRUE(form->document().Edit("Unit Changes", [&](Battle& b) { b.AddUnit(u, 50); }));
    BattleDocumentTestAccess::TakeAsOpened(form->document());
    EXPECT_FALSE(Enabled("PasteUnit1"));
    Act("CutUnit1")->trigger();
    ClickHex(50);
    EXPECT_EQ(form->battle().unitCount(), 0);
    EXPECT_TRUE(Enabled("PasteUnit1"));
    EXPECT_TRUE(form->document().modified()); // leaving now asks to save
    Act("PasteUnit1")->trigger();
    ClickHex(52);
    ClickHex(52); // a second paste on the same hex is refused
    EXPECT_EQ(form->battle().unitCount(), 1);
    EXPECT_EQ(form->battle().hex(52).unitNo, 1);
    EXPECT_EQ(form->sounds().played().back(), SoundRefusal);
}

// Undo and redo -----------------------------------------------------------------------

TEST_F(MainWindow, EditMenuSitsBetweenFileAndBattle) {
    QStringList menus;
    for (QAction* a : form->menuBar()->actions())
        menus << QString(a->text()).remove(QLatin1Char('&')); // the Alt+letter marks
    EXPECT_EQ(menus.mid(0, 3), (QStringList{"File ", "Edit", "Battle"}));
    QAction* undo = Act("Undo1");
    QAction* redo = Act("Redo1");
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_FALSE(undo->isEnabled());
    Open("ford.scn");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo");
}

TEST_F(MainWindow, UndoAndRedoNameTheStepAndFollowTheSavedState) {
    Open("ford.scn");
    const int before = form->battle().hex(33).primaryTerrain;
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 4;
    ClickHex(33);
    EXPECT_TRUE(Enabled("Undo1"));
    EXPECT_EQ(Act("Undo1")->text(), "Undo Place Primary Terrain");
    EXPECT_TRUE(form->document().modified());

    Act("Undo1")->trigger();
    EXPECT_EQ(form->battle().hex(33).primaryTerrain, before);
    EXPECT_FALSE(form->document().modified()); // back at the battle as opened
    EXPECT_FALSE(Enabled("Undo1"));
    EXPECT_EQ(Act("Redo1")->text(), "Redo Place Primary Terrain");
    Act("Redo1")->trigger();
    EXPECT_EQ(form->battle().hex(33).primaryTerrain, 4);
    EXPECT_TRUE(form->document().modified());

    Act("SaveMapFile")->trigger();
    EXPECT_FALSE(form->document().modified());
    ClickHex(34);
    Act("Undo1")->trigger();
    EXPECT_FALSE(form->document().modified()); // the saved battle
    Act("Undo1")->trigger();
    EXPECT_TRUE(form->document().modified()); // the opened one is no longer on disk
    form->close();
    EXPECT_EQ(asked, std::vector<int>{MsgSaveChanges});
}

TEST_F(MainWindow, AFillIsAStepOnlyWhenKept) {
    Open("ford.scn");
    CloseNextDialog(); // the modal terrain picker, left without a change
    Act("FillPrime")->trigger();
    EXPECT_FALSE(Enabled("Undo1"));
    form->context().terrainSelection = 7;
    answer = OrvNo;
    ClickHex(10);
    EXPECT_EQ(asked, std::vector<int>{MsgKeepTerrainFill});
    EXPECT_FALSE(Enabled("Undo1"));
    EXPECT_FALSE(form->document().modified());
    answer = OrvYes;
    ClickHex(10);
    EXPECT_EQ(Act("Undo1")->text(), "Undo Fill Primary Terrain");
    Act("Undo1")->trigger();
    EXPECT_EQ(form->battle().hex(10).primaryTerrain, 0);
}

TEST_F(MainWindow, ADialogLeftWithoutAChangeLeavesNoStep) {
    UnitRecord u;
    Open("ford.scn");
    ASSERT_NE(BattleDocumentTestAccess::Writable(form->document()).AddUnit(u, 50), 0);
    BattleDocumentTestAccess::TakeAsOpened(form->document());
    Act("SaveMapFile")->trigger();
    Act("AddModifyUnit1")->trigger();
    QTimer::singleShot(0, [this] { // the unit editor ends only by its buttons: "OK"
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            closed << QString::fromLatin1(d->metaObject()->className());
            d->done(1);
        }
    });
    ClickHex(50); // merely looking at the unit
    Act("AddStructure")->trigger();
    CloseNextDialog();
    ClickHex(51);
    EXPECT_EQ(closed, (QStringList{"TAddUnit", "TAddBase"}));
    EXPECT_FALSE(Enabled("Undo1"));
    EXPECT_FALSE(form->document().modified());
    form->close();
    EXPECT_TRUE(asked.empty()); // no save question
}

TEST_F(MainWindow, CutAndPasteAreUndone) {
    Open("ford.scn");
    UnitRecord u;
    u.men = 77;
    ASSERT_TRUE(form->document().Edit("Unit Changes", [&](Battle& b) { b.AddUnit(u, 50); }));
    Act("SaveMapFile")->trigger();
    Act("CutUnit1")->trigger();
    ClickHex(50);
    Act("PasteUnit1")->trigger();
    ClickHex(52);
    EXPECT_EQ(Act("Undo1")->text(), "Undo Paste Unit");
    Act("Undo1")->trigger();
    EXPECT_EQ(form->battle().unitCount(), 0);
    EXPECT_EQ(Act("Undo1")->text(), "Undo Cut Unit");
    Act("Undo1")->trigger();
    ASSERT_EQ(form->battle().unitCount(), 1);
    EXPECT_EQ(form->battle().unit(1).hex, 50);
    EXPECT_EQ(form->battle().hex(50).unitNo, 1);
    EXPECT_EQ(form->battle().unit(1).men, 77);
    EXPECT_FALSE(form->document().modified());
}

TEST_F(MainWindow, UndoRefreshesWhatIsShownFromTheBattle) {
    Open("ford.scn");
    form->document().Edit("Battle Settings", [](Battle& b) {
        b.settings.sideAName = "English";
        b.settings.battleName = "Crecy";
        b.DeleteObjective(1);
        b.settings.saveViewPosition = 1;
    });
    Act("Undo1")->trigger();
    Act("Redo1")->trigger();
    EXPECT_EQ(Act("WestOB")->text(), "English Order of Battle");
    EXPECT_EQ(Act("WestRForce")->text(), "English Reinforcement Schedule");
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Crecy[*]");
    EXPECT_FALSE(Enabled("ObjectiveList"));
    EXPECT_EQ(Act("SaveMapPos")->text(), "Save Map Position is On");
    Act("Undo1")->trigger();
    EXPECT_EQ(Act("WestOB")->text(), "Western Forces Order of Battle");
    EXPECT_TRUE(Enabled("ObjectiveList"));
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Varnholm Ford[*]");
}

TEST_F(MainWindow, OpeningAnotherBattleStartsANewHistory) {
    Open("ford.scn");
    Act("SaveMapPos")->trigger();
    EXPECT_EQ(Act("Undo1")->text(), "Undo Save Map Position");
    WriteBattle("other.scn", "Other");
    Open("other.scn");
    EXPECT_FALSE(Enabled("Undo1"));
    EXPECT_FALSE(form->document().modified());
}
