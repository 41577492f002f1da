// The windows show their logic and forward to it. Each test also saves what the window
// looks like to $FM_SHOT_DIR when that is set, for looking at by eye.
#include "EditorFixtures.h"

#include <SmallDialogs.h>
#include <SymbolDialogs.h>
#include <TDefragSet.h>
#include <TForm1.h>
#include <TSymbols.h>

#include <SetMaintenance.h>
#include <SymbolStorage.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Shoot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("FM_SHOT_DIR");
    widget.adjustSize();
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(name + ".png"));
}

QPushButton* Button(QWidget& parent, const QString& text) {
    for (QPushButton* b : parent.findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

bool HasLabel(QWidget& parent, const QString& text) {
    for (QLabel* l : parent.findChildren<QLabel*>()) {
        if (l->text() == text)
            return true;
    }
    return false;
}

} // namespace

TEST(Windows, MainWindowMenusAndOpenSymbol) {
    QTemporaryDir dir;
    // With a palette and a logo start-up shows no error box.
    ASSERT_TRUE(QDir(dir.path()).mkdir("bmps"));
    ASSERT_TRUE(Plain(16, 16, qRgb(90, 60, 30)).save(dir.filePath("bmps/ketpal.bmp")));
    ASSERT_TRUE(Plain(64, 64, qRgb(200, 180, 120)).save(dir.filePath("bmps/fmsym.bmp")));
    TForm1 window;
    window.SetUp(dir.path());
    QStringList menus;
    for (QAction* a : window.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus,
              (QStringList{"File", "Symbols", "Edit", "Image Regions", "Preferences", "Help"}));
    EXPECT_EQ(window.windowTitle(), "Field Mark Symbol Editor");

    EditorSession& session = window.session();
    session.hexSizes = {5, 15, 25};
    ASSERT_TRUE(session.CreateNewImageSet(LayoutVertical, true).ok);
    const SymbolSelection before = session.BeginEditSymbols(1);
    session.selection.symbol = 1;
    ASSERT_TRUE(session.FinishEditSymbols(true, before).ok);
    window.ZmLvPlsClick();
    window.ZmLvPlsClick();
    EXPECT_TRUE(HasLabel(window, "Zoom Level: 3"));
    EXPECT_TRUE(HasLabel(window, "Blank"));
    EXPECT_FALSE(Button(window, "Zoom +")->isEnabled());
    EXPECT_TRUE(Button(window, "Zoom -")->isEnabled());
    Shoot(window, "main-window");
}

TEST(Windows, SymbolListShowsRowsCounterAndButtons) {
    QTemporaryDir dir;
    SymbolSet set = NewTestSet(dir.path(), true);
    ASSERT_TRUE(AddSymbol(set, SymbolKind::Terrain, "Woods", {}, qRgb(0, 128, 0)).ok);
    SymbolSelection selection{1, 0, 2};
    SymbolListLogic logic(set, selection, qRgb(192, 192, 192));
    TSymbols list(nullptr, logic);
    EXPECT_EQ(list.windowTitle(), "Map/Board Symbols");
    EXPECT_TRUE(HasLabel(list, " Map/Brd Sym0002 of 0002"));
    EXPECT_FALSE(Button(list, "Move Sym Dn")->isEnabled());
    Button(list, "Move Sym Up")->click();
    EXPECT_TRUE(HasLabel(list, " Map/Brd Sym0001 of 0002"));
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{2, 1}));
    Shoot(list, "symbol-list");
    Button(list, "Edit")->click();
    EXPECT_EQ(list.result(), QDialog::Accepted);
    EXPECT_EQ(selection.symbol, 2);
}

TEST(Windows, NewSetDialogFollowsTheStyleChoice) {
    std::array<int, kLevelCount> sizes{3, 15, 28};
    NewSetLogic logic(sizes, LayoutGrid, false);
    TNewImg dialog(nullptr, logic);
    EXPECT_TRUE(HasLabel(dialog, "022 x 012 Hexes per Screen"));
    for (QRadioButton* r : dialog.findChildren<QRadioButton*>()) {
        if (r->text() == "Real Hex")
            r->click();
    }
    EXPECT_TRUE(HasLabel(dialog, "025 x 014 Hexes per Screen"));
    Shoot(dialog, "new-image-set");
    Button(dialog, "Cancel")->click();
    EXPECT_EQ(sizes, (std::array<int, kLevelCount>{3, 15, 28}));
}

TEST(Windows, SmallDialogsShowTheirValues) {
    QTemporaryDir dir;
    SymbolSet set = NewTestSet(dir.path(), true);
    UnitSizeLogic unitLogic(set);
    TGetSze unit(nullptr, unitLogic);
    const QList<QLineEdit*> fields = unit.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 7);         // the name, then width and height per level
    EXPECT_EQ(fields[5]->text(), "014"); // 28 div 2 at level 3
    // A size is typed, not stepped to: 120 by 120 takes a few keys.
    fields[5]->selectAll();
    QTest::keyClicks(fields[5], "120");
    QTest::keyClick(fields[5], Qt::Key_Tab);
    emit fields[5]->editingFinished();
    EXPECT_EQ(unitLogic.sizes[2].width(), 120);
    Shoot(unit, "unit-size");

    TAirBrshSet airBrush(nullptr, AirBrushSettings{});
    EXPECT_TRUE(HasLabel(airBrush, "Size: 05"));
    Shoot(airBrush, "airbrush");

    TGetColor colour(nullptr, qRgb(192, 192, 192));
    Shoot(colour, "set-x-color");
    colour.findChildren<QPushButton*>().first()->click(); // the first swatch
    EXPECT_EQ(colour.colour(), qRgb(255, 255, 128));

    NamePromptLogic nameLogic(set, SymbolKind::Terrain);
    TGetTxt name(nullptr, nameLogic);
    Shoot(name, "symbol-name");

    TextFont font;
    SymbolTextLogic textLogic(Plain(25, 25, qRgb(255, 255, 255)), font);
    textLogic.SetText("Ford");
    TImgTxt text(nullptr, textLogic);
    Shoot(text, "symbol-text");

    TDefragSet optimise(nullptr, set);
    EXPECT_TRUE(HasLabel(optimise, "Select Start to Optimize Sets."));
    Shoot(optimise, "optimise");
    Button(optimise, "Start")->click();
    EXPECT_TRUE(HasLabel(optimise, "Done"));
    EXPECT_FALSE(Button(optimise, "Start")->isEnabled());
}
