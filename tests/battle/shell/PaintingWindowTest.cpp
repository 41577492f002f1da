// Drag painting, brushes, keys and terrain attribute import, driven through the main
// window and its map widget.
#include "DocumentTestAccess.h"
#include "TMainForm.h"

#include "BattleFile.h"
#include "TSelectTer.h"
#include "WindowFixtures.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kCols = 30;

class Painting : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList warnings;
    std::unique_ptr<TMainForm> form;

    QString battles() const { return dir.path() + "/Battles"; }

    void SetUp() override {
        ASSERT_TRUE(WriteTestSet(dir.path()));
        form = ShowMainWindow(dir.path(), warnings);
        form->askMessage = [](int, int) { return OrvNo; };
    }

    // A 30 × 20 battle of primary terrain 0 in the given arrangement, opened.
    void OpenBattle(int gridLayout = 1, const char* attrName = nullptr) {
        const QString path = WriteBattle("field.scn", gridLayout, attrName);
        form->OpenBattleFile(path);
        ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
        BattleDocumentTestAccess::TakeAsOpened(form->document());
    }
    QString WriteBattle(const QString& file, int gridLayout, const char* attrName) {
        Battle b;
        b.settings.mapCols = kCols;
        b.settings.mapRows = 20;
        b.settings.gridLayout = uint8_t(gridLayout);
        b.settings.symbolSetName = "test";
        b.settings.battleName = "Field";
        b.settings.sideAName = "Western Forces";
        b.settings.sideBName = "Eastern Forces";
        EXPECT_TRUE(b.InitNewBattle({}));
        for (int h = 0; h < b.hexCount(); ++h)
            b.SetTerrainSlot(h, 0, 0);
        if (attrName) {
            b.terrainAttrs[2].name = attrName;
            b.terrainAttrs[2].costPerMove = 4;
            b.terrainAttrs[2].defenceModifier = -2;
        }
        EXPECT_TRUE(WriteBattleFile(battles() + "/" + file, b, Definitions{}, 10, {}));
        return battles() + "/" + file;
    }

    QAction* Act(const char* name) {
        QAction* a = form->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QWidget* map() { return form->findChild<QWidget*>("MapWin"); }
    QPoint At(int hex) { return MapPointOfHex(*form, hex); }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        SendToMap(*form, type, p, button, held);
    }
    // Press on the first hex, one move event to each further hex, release.
    void Drag(std::initializer_list<int> hexes, Qt::MouseButton button = Qt::LeftButton) {
        const int first = *hexes.begin();
        Send(QEvent::MouseMove, At(first), Qt::NoButton, Qt::NoButton);
        Send(QEvent::MouseButtonPress, At(first), button, button);
        for (int h : hexes)
            Send(QEvent::MouseMove, At(h), Qt::NoButton, button);
        Send(QEvent::MouseButtonRelease, At(*(hexes.end() - 1)), button, Qt::NoButton);
    }
    std::set<int> HexesWithPrimary(int symbol) {
        std::set<int> hexes;
        for (int h = 0; h < form->battle().hexCount(); ++h)
            if (form->battle().hex(h).primaryTerrain == symbol)
                hexes.insert(h);
        return hexes;
    }
    QString Label(const char* name) { return form->findChild<QLabel*>(name)->text(); }
};

} // namespace

TEST_F(Painting, ADragPaintsEveryHexItPassesOnce) {
    OpenBattle();
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 5;
    // One move event from column 2 to column 9 of row 4: the hexes between are painted.
    Drag({4 * kCols + 2, 4 * kCols + 9});
    std::set<int> row;
    for (int c = 2; c <= 9; ++c)
        row.insert(4 * kCols + c);
    EXPECT_EQ(HexesWithPrimary(5), row);
    EXPECT_TRUE(form->document().modified());
    EXPECT_FALSE(form->stroke().active());
    // A move after the release paints nothing.
    Send(QEvent::MouseMove, At(6 * kCols + 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(HexesWithPrimary(5), row);
}

TEST_F(Painting, RemovingByDragTakesOneSlotPerHex) {
    OpenBattle();
    for (int h : {40, 41, 42}) {
        form->document().Edit(QStringLiteral("Place Primary Terrain"),
                              [&](Battle& b) { b.SetTerrainSlot(h, 1, 3); });
        form->document().Edit(QStringLiteral("Place Primary Terrain"),
                              [&](Battle& b) { b.SetTerrainSlot(h, 2, 4); });
    }
    Act("PlaceLv2Ter")->trigger();
    Drag({40, 42, 40, 41}, Qt::RightButton); // back and forth over the same hexes
    for (int h : {40, 41, 42}) {
        EXPECT_EQ(form->battle().hex(h).secondaryTerrain[0], 3) << h;
        EXPECT_EQ(form->battle().hex(h).secondaryTerrain[1], kNoSymbol) << h;
    }
}

TEST_F(Painting, BrushFootprintsAtTheMapEdgesInBothArrangements) {
    OpenBattle(1);
    Act("PlaceLv1Ter")->trigger();
    Act("Brush2")->trigger();
    EXPECT_EQ(form->brushRadius(), 2);
    EXPECT_TRUE(Act("Brush2")->isChecked());
    EXPECT_FALSE(Act("Brush0")->isChecked());
    form->context().terrainSelection = 7;
    Drag({0});
    EXPECT_EQ(HexesWithPrimary(7), (std::set<int>{0, 1, 2, 30, 31, 32, 60}));

    OpenBattle(2); // odd rows shifted right
    Act("PlaceLv1Ter")->trigger();
    Act("Brush1")->trigger();
    form->context().terrainSelection = 7;
    Drag({kCols + 29}); // the last column of row 1
    EXPECT_EQ(HexesWithPrimary(7), (std::set<int>{29, 58, 59, 89}));
}

TEST_F(Painting, CaltropsDragTakesTheFirstHexState) {
    OpenBattle();
    const int caltrops = form->battle().markerTable[MarkerCaltrops];
    form->document().Edit("Place Caltrops", [&](Battle& b) { b.SetCaltropsMarker(102, caltrops); });
    Act("PlaceCaltrops1")->trigger();
    Drag({100, 104}); // hex 100 had none: every hex passed gets them, 102 keeps them
    for (int h = 100; h <= 104; ++h)
        EXPECT_EQ(form->battle().hex(h).caltropsMarker, caltrops) << h;
    Drag({103, 101}); // hex 103 has them: the drag clears
    for (int h = 101; h <= 103; ++h)
        EXPECT_EQ(form->battle().hex(h).caltropsMarker, 0) << h;
    EXPECT_EQ(form->battle().hex(104).caltropsMarker, caltrops);
}

TEST_F(Painting, APlainClickIsUnchanged) {
    OpenBattle();
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 3;
    Send(QEvent::MouseMove, At(77), Qt::NoButton, Qt::NoButton);
    Send(QEvent::MouseButtonPress, At(77), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Label("PrmTer"), "t"); // the placed symbol's name until the pointer moves
    Send(QEvent::MouseButtonRelease, At(77), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(HexesWithPrimary(3), std::set<int>{77});
    // A right click removes in the secondary mode only; on a bare hex it changes nothing.
    BattleDocumentTestAccess::TakeAsOpened(form->document());
    Act("PlaceLv1Ter")->trigger();
    Drag({78}, Qt::RightButton);
    EXPECT_FALSE(form->document().modified());
    Act("PlaceLv2Ter")->trigger();
    Drag({78}, Qt::RightButton);
    EXPECT_FALSE(form->document().modified());
}

TEST_F(Painting, TheBrushOutlineFollowsThePointerInPaintingModes) {
    OpenBattle();
    Send(QEvent::MouseMove, At(5 * kCols + 5), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(form->brushOutline().empty()); // no painting mode yet
    Act("PlaceCaltrops1")->trigger();
    EXPECT_EQ(form->brushOutline().size(), 6u); // one hexagon
    Act("Brush1")->trigger();
    EXPECT_EQ(form->brushOutline().size(), 7u * 6u);
    const std::vector<QLine> before = form->brushOutline();
    Send(QEvent::MouseMove, At(5 * kCols + 7), Qt::NoButton, Qt::NoButton);
    EXPECT_NE(form->brushOutline(), before);
    Act("AddModifyUnit1")->trigger();
    EXPECT_TRUE(form->brushOutline().empty());
}

TEST_F(Painting, KeysAreShownAndDoNotClash) {
    const QStringList reserved{"Ctrl+O", "Ctrl+N", "Ctrl+S", "Ctrl+Q", "Ctrl+Z", "Ctrl+Y"};
    std::map<QString, QString> owner;
    for (QAction* a : form->findChildren<QAction*>()) {
        // Ctrl+S of a battle never saved is enabled exactly while "Save Battle" is not.
        if (a->objectName() == "SaveUntitledKey")
            continue;
        for (const QKeySequence& k : a->shortcuts()) {
            const QString key = k.toString();
            EXPECT_TRUE(owner.emplace(key, a->objectName()).second)
                << key.toStdString() << " twice: " << a->objectName().toStdString();
            if (!QStringList{"OpenMapFile1", "CreateNewMap1", "SaveMapFile", "Exit1", "Undo1",
                             "Redo1"}
                     .contains(a->objectName())) {
                EXPECT_FALSE(reserved.contains(key)) << key.toStdString();
            }
        }
    }
    for (const char* name : {"PlaceLv1Ter", "PlaceLv2Ter", "FillPrime", "PlaceCaltrops1",
                             "AddModifyUnit1", "MapText", "ZoomInKey", "ZoomOutKey"})
        EXPECT_FALSE(Act(name)->shortcut().isEmpty()) << name;
    EXPECT_EQ(Act("Brush0")->shortcut().toString(), "1");
    EXPECT_EQ(Act("Brush2")->shortcut().toString(), "3");
    EXPECT_EQ(Act("ZoomInKey")->shortcut().toString(), "+");
}

TEST_F(Painting, ZoomKeysKeepTheCentreAndThePanelsFollow) {
    OpenBattle(); // 30 × 20 hexes: at level 0 the whole map is in view
    Act("ZoomInKey")->trigger();
    Act("ZoomInKey")->trigger();
    EXPECT_EQ(form->renderer().zoomLevel(), 2);
    // Centred on the map's middle hex (column 15, row 10), not on the origin.
    const MapMetrics m = form->renderer().metrics();
    const int origin = form->renderer().originHex();
    ASSERT_LT(form->renderer().visibleRows(), 20);
    EXPECT_GT(m.row(origin), 0);
    EXPECT_LE(m.row(origin), 10);
    EXPECT_GT(m.row(origin) + form->renderer().visibleRows(), 10);
    Act("ZoomOutKey")->trigger();
    EXPECT_EQ(form->renderer().zoomLevel(), 1);
    Act("ZoomInKey")->trigger();

    // A scroll under a still pointer shows the hex now under it.
    Send(QEvent::MouseMove, QPoint(10, 10), Qt::NoButton, Qt::NoButton);
    const QString before = Label("HexNo");
    auto* bar = form->findChild<QScrollBar*>("ScrollHorz");
    ASSERT_TRUE(bar->isEnabled());
    bar->setValue(bar->value() + 2);
    const int now = form->renderer().HexAtPoint(10, 10);
    EXPECT_NE(Label("HexNo"), before);
    EXPECT_TRUE(
        Label("HexNo").startsWith(QStringLiteral("Hex:%1%2 ").arg(m.row(now)).arg(m.col(now))))
        << Label("HexNo").toStdString();
}

TEST_F(Painting, ScrollToHexBringsAFarUnitIntoView) {
    OpenBattle();
    Act("ZoomInKey")->trigger();
    Act("ZoomInKey")->trigger();
    const int far = 19 * kCols + 29;
    form->ScrollToHex(far);
    const MapMetrics m = form->renderer().metrics();
    const int origin = form->renderer().originHex();
    EXPECT_GT(m.col(far), m.col(origin));
    EXPECT_LT(m.col(far), m.col(origin) + form->renderer().visibleCols() + 1);
    EXPECT_LT(m.row(far), m.row(origin) + form->renderer().visibleRows() + 1);
    EXPECT_EQ(m.col(origin) % 2, 0);
}

TEST_F(Painting, ImportTakesTheTerrainAttributesOfAnotherBattle) {
    OpenBattle();
    const QString source = WriteBattle("source.scn", 1, "Marsh");
    QFile::copy(source, battles() + "/broken.scn");
    QFile broken(battles() + "/broken.scn");
    ASSERT_TRUE(broken.resize(40));
    warnings.clear(); // the start-up's notes on the missing definitions and palette
    QString chosen = battles() + "/broken.scn";
    form->chooseOpenPath = [&chosen](const QString&, const QString&, const QString&) {
        return chosen;
    };
    Act("ImportTerrainAttrs")->trigger();
    EXPECT_EQ(warnings, QStringList{"Could not open selected file."});
    EXPECT_EQ(form->battle().terrainAttrs[2].name.text(), "");
    EXPECT_FALSE(form->document().modified());

    chosen = source;
    Act("ImportTerrainAttrs")->trigger();
    EXPECT_EQ(form->battle().terrainAttrs[2].name.text(), "Marsh");
    EXPECT_EQ(form->battle().terrainAttrs[2].costPerMove, 4);
    EXPECT_EQ(form->battle().terrainAttrs[2].defenceModifier, -2);
    EXPECT_TRUE(form->document().modified());
}

TEST_F(Painting, AWholeDragIsOneUndoStep) {
    OpenBattle();
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 5;
    Drag({4 * kCols + 2, 4 * kCols + 9});
    Drag({8 * kCols + 3, 9 * kCols + 3});
    QAction* undo = Act("Undo1");
    EXPECT_EQ(undo->text(), "Undo Place Primary Terrain");
    undo->trigger();
    EXPECT_EQ(HexesWithPrimary(5).size(), 8u) << "only the second drag is taken back";
    undo->trigger();
    EXPECT_TRUE(HexesWithPrimary(5).empty());
    EXPECT_FALSE(form->document().modified()) << "back at the state opened";
    EXPECT_FALSE(undo->isEnabled());
    Act("Redo1")->trigger();
    EXPECT_EQ(HexesWithPrimary(5).size(), 8u);
    EXPECT_TRUE(form->document().modified());

    for (int h : {40, 41})
        form->document().Edit(QStringLiteral("Place Primary Terrain"),
                              [&](Battle& b) { b.SetTerrainSlot(h, 1, 3); });
    Act("PlaceLv2Ter")->trigger();
    Drag({40, 41}, Qt::RightButton);
    EXPECT_EQ(undo->text(), "Undo Remove Secondary Terrain");
    undo->trigger();
    EXPECT_EQ(form->battle().hex(41).secondaryTerrain[0], 3);
}

TEST_F(Painting, UndoWhileTheButtonIsHeldEndsTheStrokeFirst) {
    OpenBattle();
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 5;
    Send(QEvent::MouseMove, At(50), Qt::NoButton, Qt::NoButton);
    Send(QEvent::MouseButtonPress, At(50), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, At(53), Qt::NoButton, Qt::LeftButton);
    Act("Undo1")->trigger();
    EXPECT_TRUE(HexesWithPrimary(5).empty());
    // The rest of the drag paints nothing, and the history is whole.
    Send(QEvent::MouseMove, At(56), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, At(56), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(HexesWithPrimary(5).empty());
    Act("Redo1")->trigger();
    EXPECT_EQ(HexesWithPrimary(5), (std::set<int>{50, 51, 52, 53}));
}

TEST_F(Painting, ImportedTerrainAttributesAreOneUndoStep) {
    OpenBattle();
    const QString source = WriteBattle("source.scn", 1, "Marsh");
    form->chooseOpenPath = [&source](const QString&, const QString&, const QString&) {
        return source;
    };
    Act("ImportTerrainAttrs")->trigger();
    EXPECT_EQ(form->battle().terrainAttrs[2].name.text(), "Marsh");
    QAction* undo = Act("Undo1");
    EXPECT_EQ(undo->text(), "Undo Import Terrain Attributes");
    undo->trigger();
    EXPECT_EQ(form->battle().terrainAttrs[2].name.text(), "");
    EXPECT_FALSE(form->document().modified());
}

TEST_F(Painting, LeavingThePaintingModesClosesThePickerAfterADrag) {
    OpenBattle();
    Act("PlaceLv2Ter")->trigger();
    ASSERT_TRUE(form->terrainPicker().isVisible());
    form->context().terrainSelection = 3;
    Drag({40, 43});
    Act("AddModifyUnit1")->trigger();
    EXPECT_FALSE(form->terrainPicker().isVisible());
    EXPECT_EQ(form->commandMode, ModeUnits);
}
