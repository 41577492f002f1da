// The everyday flow of the main window: command keys only on the map, a zoom ends a drag,
// the panels follow the map, text fields refuse what the file cannot hold, dialogs open
// beside their hex, and an exported picture is confirmed.
#include "TMainForm.h"

#include "BattleFile.h"
#include "BattleFileGuard.h"
#include "BattlePreferences.h"
#include "DialogPlacement.h"
#include "DocumentTestAccess.h"
#include "MapPictureExport.h"
#include "MapWidget.h"
#include "TSelectTer.h"
#include "WindowFixtures.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontComboBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kCols = 30;

class EverydayFlow : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList warnings;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        ASSERT_TRUE(WriteTestSet(dir.path()));
        form = ShowMainWindow(dir.path(), warnings);
        form->askMessage = [](int, int) { return OrvNo; };
    }
    QString Write(const QString& file, const char* mapText = nullptr) {
        Battle b;
        b.settings.mapCols = kCols;
        b.settings.mapRows = 20;
        b.settings.symbolSetName = "test";
        b.settings.battleName = "Field";
        b.settings.sideAName = "Western Forces";
        b.settings.sideBName = "Eastern Forces";
        EXPECT_TRUE(b.InitNewBattle({}));
        for (int h = 0; h < b.hexCount(); ++h)
            b.SetTerrainSlot(h, 0, 0);
        b.terrainAttrs[2].name = "Marsh";
        b.terrainAttrs[2].costPerMove = 4;
        if (mapText) {
            MapTextRecord t;
            t.text = mapText;
            b.AddMapText(t, 2 * kCols + 2);
        }
        const QString path = dir.path() + "/Battles/" + file;
        EXPECT_TRUE(WriteBattleFile(path, b, Definitions{}, 10, {}));
        return path;
    }
    void Open(const QString& path) {
        form->OpenBattleFile(path);
        ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
    }
    QAction* Act(const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* map() { return form->findChild<QWidget*>("MapWin"); }
    QString Label(const char* name) { return form->findChild<QLabel*>(name)->text(); }
    QPoint At(int hex) { return MapPointOfHex(*form, hex); }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        SendToMap(*form, type, p, button, held);
    }
};

TEST_F(EverydayFlow, CommandKeysActOnlyWhileTheMapHasTheKeyboard) {
    Open(Write("field.scn"));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const char* name : {"PlaceLv1Ter", "PlaceLv2Ter", "FillPrime", "ZoomInKey", "Brush1",
                             "DrawPath", "SelectHexes", "ClearSelection", "DeleteHexes"})
        EXPECT_EQ(Act(name)->shortcutContext(), Qt::WidgetShortcut) << name;
    EXPECT_EQ(Act("Undo1")->shortcutContext(), Qt::WindowShortcut) << "Ctrl keys stay window-wide";

    Act("PlaceLv1Ter")->trigger();
    TSelectTer& picker = form->terrainPicker();
    ASSERT_TRUE(picker.isVisible());
    auto* list = picker.findChild<QListWidget*>("TerList");
    // The designer clicks into the picker: it becomes the active window, its list has the keys.
    QApplication::setActiveWindow(&picker);
    list->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_S);
    QTest::keyClick(list, Qt::Key_T);
    EXPECT_EQ(form->commandMode, ModePlacePrimary) << "typed into the picker's list";
    QApplication::setActiveWindow(form.get());
    map()->setFocus();
    QTest::keyClick(map(), Qt::Key_S);
    EXPECT_EQ(form->commandMode, ModeAddSecondary);
}

TEST_F(EverydayFlow, AZoomDuringADragEndsTheStroke) {
    Open(Write("field.scn"));
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 5;
    const int start = 4 * kCols + 2;
    Send(QEvent::MouseMove, At(start), Qt::NoButton, Qt::NoButton);
    Send(QEvent::MouseButtonPress, At(start), Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(form->stroke().active());
    form->ZoomInAtCentre();
    EXPECT_FALSE(form->stroke().active());
    // The button still held over another hex paints no line from the old view's point.
    Send(QEvent::MouseMove, At(12 * kCols + 12), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, At(12 * kCols + 12), Qt::LeftButton, Qt::NoButton);
    int painted = 0;
    for (int h = 0; h < form->battle().hexCount(); ++h)
        painted += form->battle().hex(h).primaryTerrain == 5;
    EXPECT_EQ(painted, 1);
}

TEST_F(EverydayFlow, PanelsFollowThePlacementAndTheNextBattle) {
    EXPECT_FALSE(Act("ZoomInKey")->isEnabled()) << "no battle";
    EXPECT_FALSE(Act("ZoomOutKey")->isEnabled());
    Open(Write("field.scn", "Old Mill"));
    EXPECT_TRUE(Act("ZoomInKey")->isEnabled());
    Act("PlaceLv1Ter")->trigger();
    form->context().terrainSelection = 2;
    const int hex = 2 * kCols + 2;
    Send(QEvent::MouseMove, At(hex), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(Label("MTLbl").contains("Old Mill"));
    EXPECT_TRUE(Label("HexNo").contains("CPM:X")) << Label("HexNo").toStdString();
    Send(QEvent::MouseButtonPress, At(hex), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, At(hex), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(Label("HexNo").contains("CPM:4")) << "the placed terrain's figures at once";
    // The next battle shows its own hex under the pointer, not the old battle's.
    Open(Write("other.scn"));
    EXPECT_EQ(Label("MTLbl"), "");
    EXPECT_TRUE(Label("HexNo").contains("CPM:X")) << Label("HexNo").toStdString();
}

TEST_F(EverydayFlow, EveryTextFieldRefusesCharactersOutsideLatin1) {
    int fields = 0;
    for (QDialog* dialog : form->findChildren<QDialog*>()) {
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            if (qobject_cast<const QIntValidator*>(edit->validator()) ||
                qobject_cast<QFontComboBox*>(edit->parentWidget()) ||
                qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
                continue; // number fields take digits only, the font box a listed font
            ASSERT_TRUE(edit->validator())
                << dialog->objectName().toStdString() << "/" << edit->objectName().toStdString();
            QString text = QStringLiteral("Ford \u20ac");
            int pos = int(text.size());
            EXPECT_EQ(edit->validator()->validate(text, pos), QValidator::Invalid);
            text = QStringLiteral("Fjörd");
            EXPECT_NE(edit->validator()->validate(text, pos), QValidator::Invalid);
            ++fields;
        }
        for (QPlainTextEdit* memo : dialog->findChildren<QPlainTextEdit*>()) {
            memo->setPlainText(QStringLiteral("History"));
            memo->moveCursor(QTextCursor::End);
            memo->insertPlainText(QStringLiteral(" \u0141\u00f3d\u017a"));
            EXPECT_EQ(memo->toPlainText(), "History") << dialog->objectName().toStdString();
            // Typed one by one, the refused letter alone goes: the letters before it stay.
            for (QChar c : QStringLiteral("ab\u03c9c")) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(memo, &press);
            }
            EXPECT_EQ(memo->toPlainText(), "Historyabc") << dialog->objectName().toStdString();
            ++fields;
        }
    }
    EXPECT_GE(fields, 10);
    EXPECT_TRUE(form->statusText().contains("Latin-1")) << form->statusText().toStdString();
}

TEST_F(EverydayFlow, ExportedPictureIsConfirmedInTheStatusLine) {
    Open(Write("field.scn"));
    MapPictureExport& exporter = form->mapPictureExport();
    exporter.chooseZoom = [](MapPictureChoice&) { return 0; };
    const QString target = dir.path() + "/field-map.png";
    exporter.choosePath = [&](const QString&, const QString&, const QString&) { return target; };
    Act("ExportMapPicture")->trigger();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(form->statusText(), "Map picture written to " + target + ".");
}

// The hex a dialog keeps free is where the screen shows it, whether the map follows the
// desktop's scaling or is enlarged: its middle is that hex for the map's own hit test.
TEST_F(EverydayFlow, HexDialogsKnowWhereTheirHexStandsOnTheScreen) {
    Open(Write("field.scn"));
    auto* m = form->findChild<MapWidget*>("MapWin");
    ASSERT_TRUE(m);
    for (int preference : {kDesktopMapScale, 2}) {
        m->SetScale(preference);
        for (int hex : {0, 2 * kCols + 3, 5 * kCols + 8}) {
            const std::optional<QRect> shown = form->HexOnScreen(hex);
            ASSERT_TRUE(shown) << "scale " << preference << " hex " << hex;
            EXPECT_FALSE(shown->isEmpty());
            const QPoint buffer = m->scaleGeometry().ToBuffer(QPointF(m->mapFromGlobal(
                shown->topLeft() + QPoint(shown->width() / 2, shown->height() / 2))));
            EXPECT_EQ(form->renderer().HexAtPoint(buffer.x(), buffer.y()), hex)
                << "scale " << preference;
        }
    }
}

// A dialog opens beside its hex without covering it, else centred on the main window,
// and always on the screen.
TEST(DialogPlacement, BesideTheHexElseCentredAndOnTheScreen) {
    const QRect screen(0, 0, 1600, 1000);
    const QRect main(100, 50, 1200, 900);
    const QSize size(500, 400);
    struct Case {
        std::optional<QRect> hex;
        QPoint expected;
    };
    const Case cases[] = {
        {std::nullopt, {449, 299}},              // centred on the main window
        {QRect(300, 400, 40, 40), {348, 219}},   // right of the hex
        {QRect(1300, 400, 40, 40), {792, 219}},  // no room right: left of it
        {QRect(700, 100, 40, 40), {470, 148}},   // wide on both sides: below, kept on screen
        {QRect(-500, -500, 10, 10), {449, 299}}, // off the screen: centred
    };
    for (const Case& c : cases) {
        const QPoint at = DialogPosition(size, main, screen, c.hex);
        if (c.hex) {
            EXPECT_FALSE(QRect(at, size).intersects(*c.hex));
        }
        EXPECT_TRUE(screen.contains(QRect(at, size)));
        if (c.hex && c.hex->left() == 700)
            continue; // several places fit; any that keeps the hex free will do
        EXPECT_EQ(at, c.expected);
    }
}

// Given the map, a dialog beside its hex stays over the map when it has room there, else
// over the main window, never over the desktop above the window's menus.
TEST(DialogPlacement, BesideTheHexOverTheMapElseOverTheMainWindow) {
    const QRect screen(0, 0, 1600, 1000);
    const QRect main(100, 50, 1200, 900);
    const QRect map(120, 100, 1000, 700);
    const QSize size(500, 400);
    struct Case {
        QRect hex;
        QRect inside;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(300, 110, 40, 40), map, {348, 100}},  // near the map's top: right, kept on it
        {QRect(1000, 700, 40, 40), map, {492, 400}}, // near its corner: left of the hex
        {QRect(600, 400, 40, 40), main, {648, 219}}, // no room on the map: over the window
    };
    for (const Case& c : cases) {
        const QPoint at = DialogPosition(size, main, screen, c.hex, map);
        EXPECT_FALSE(QRect(at, size).intersects(c.hex));
        EXPECT_TRUE(c.inside.contains(QRect(at, size))) << at.x() << "," << at.y();
        EXPECT_EQ(at, c.expected);
    }
}

} // namespace

namespace {

// A window on the same program folder, as the designer starts the editor again.
std::unique_ptr<TMainForm> Restarted(const QString& folder, QStringList& warnings) {
    return ShowMainWindow(folder, warnings);
}

TEST_F(EverydayFlow, SaveKeyOnANeverSavedBattleOpensSaveAsUnderItsName) {
    Open(Write("field.scn"));
    BattleDocumentTestAccess::SetPath(form->document(), QString(), true); // a new battle
    BattleDocumentTestAccess::Writable(form->document()).settings.battleName = "Hastings";
    form->ActivateBattle(false);
    EXPECT_FALSE(Act("SaveMapFile")->isEnabled());
    QAction* key = Act("SaveUntitledKey");
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->isEnabled());
    EXPECT_EQ(key->shortcut(), QKeySequence(QKeySequence::Save));
    QString offered;
    form->chooseSavePath = [&](const QString&, const QString& start, const QString&) {
        offered = start;
        return start;
    };
    key->trigger();
    EXPECT_EQ(offered, dir.path() + "/Battles/Hastings.scn");
    EXPECT_FALSE(form->untitled());
    EXPECT_TRUE(QFile::exists(offered));
    EXPECT_FALSE(key->isEnabled());
    EXPECT_TRUE(Act("SaveMapFile")->isEnabled());
}

TEST_F(EverydayFlow, TitleCarriesTheModifiedMarkAndMenusTheirLetters) {
    Open(Write("field.scn"));
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Field[*]");
    EXPECT_FALSE(form->isWindowModified());
    form->document().Edit("Place Primary Terrain", [](Battle& b) { b.SetTerrainSlot(3, 0, 2); });
    EXPECT_TRUE(form->isWindowModified());
    form->UndoClick();
    EXPECT_FALSE(form->isWindowModified());
    QStringList menus;
    for (QAction* m : form->menuBar()->actions())
        menus << m->text();
    EXPECT_EQ(menus, QStringList({"&File ", "&Edit", "&Battle", "&Terrain", "&Units",
                                  "&Special Hexes", "&Map Text", "&Preferences", "&Help"}));
    EXPECT_EQ(Act("HelpIndex")->shortcut(), QKeySequence(QKeySequence::HelpContents));
}

// Help opens over the main window, not wherever the window manager puts a new window
// (under openbox the screen's top-left corner, over the main window's menus).
TEST_F(EverydayFlow, HelpOpensOverTheMainWindow) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    form->setGeometry(screen.adjusted(60, 50, -40, -30));
    Act("HelpIndex")->trigger();
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("HelpWindow") && w->isVisible())
            help = w;
    }
    ASSERT_TRUE(help);
    const QPoint offset = help->frameGeometry().center() - form->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
    help->close();
}

TEST_F(EverydayFlow, WindowAndPickerComeBackWhereTheyWere) {
    const QString battle = Write("field.scn");
    Open(battle);
    form->setGeometry(QRect(60, 70, 900, 640));
    Act("PlaceLv2Ter")->trigger();
    // Somewhere on the screen: a place off every screen is not taken back.
    form->terrainPicker().move(QGuiApplication::primaryScreen()->availableGeometry().topLeft() +
                               QPoint(40, 30));
    form->terrainPicker().secondaryTop = 0;
    form->close();
    const BattlePreferences prefs = ReadBattlePreferences(dir.path());
    EXPECT_EQ(prefs.window, QRect(60, 70, 900, 640));
    // The picker's contents, without the frame the window manager adds.
    const QPoint pickerAt = form->terrainPicker().geometry().topLeft();
    EXPECT_EQ(prefs.pickerAt, pickerAt);
    form.reset();
    form = Restarted(dir.path(), warnings);
    EXPECT_EQ(form->geometry(), QRect(60, 70, 900, 640));
    EXPECT_EQ(form->terrainPicker().placedAt, prefs.pickerAt);
    Open(battle);
    Act("PlaceLv2Ter")->trigger();
    EXPECT_EQ(form->terrainPicker().geometry().topLeft(), pickerAt);
}

TEST_F(EverydayFlow, SaveAsksBeforeReplacingAFileChangedOnDisk) {
    const QString path = Write("field.scn");
    Open(path);
    QStringList asked;
    bool replace = false;
    form->confirmReplaceChanged = [&](const QString& p) {
        asked << p;
        return replace;
    };
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    form->SavMapClick();
    EXPECT_TRUE(asked.isEmpty()) << "the file is as this window read it";
    // Another program rewrites the battle.
    const QByteArray theirs = [&] {
        Battle other;
        other.settings.mapCols = 12;
        other.settings.mapRows = 12;
        other.settings.symbolSetName = "test";
        EXPECT_TRUE(other.InitNewBattle({}));
        EXPECT_TRUE(WriteBattleFile(path, other, Definitions{}, 10, {}));
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    form->document().Edit("Place Primary Terrain", [](Battle& b) { b.SetTerrainSlot(3, 0, 2); });
    form->SavMapClick();
    EXPECT_EQ(asked, QStringList{path});
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), theirs) << "No keeps their file";
    EXPECT_TRUE(form->document().modified());
    replace = true;
    form->SavMapClick();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_FALSE(form->document().modified());
}

TEST_F(EverydayFlow, ASecondWindowOnTheSameBattleIsWarned) {
    const QString path = Write("field.scn");
    Open(path);
    EXPECT_TRUE(QFile::exists(BattleLockPath(path)));
    QStringList second;
    auto other = ShowMainWindow(dir.path(), second);
    second.clear();
    other->OpenBattleFile(path);
    ASSERT_EQ(second.size(), 1);
    EXPECT_TRUE(second[0].contains("open in another Fieldmark window")) << second[0].toStdString();
    other.reset();
    form->close();
    EXPECT_FALSE(QFile::exists(BattleLockPath(path))) << "released on close";
}

} // namespace
