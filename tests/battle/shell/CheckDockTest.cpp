// The "Check Battle" list on its own: what it shows, when it checks, what a double click
// chooses.
#include "CheckDock.h"

#include "Battle.h"
#include "Definitions.h"
#include "LoadedSymbolSet.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// One error (a unit of 0 men at hex 12) and two warnings (no objective, an empty map text).
Battle BattleWithThreeProblems() {
    Battle b;
    b.settings.mapCols = 10;
    b.settings.mapRows = 10;
    b.settings.battleName = "Dock";
    b.settings.sideAName = "West";
    b.settings.sideBName = "East";
    b.settings.maxTurns = 30;
    b.InitNewBattle(nullptr);
    b.terrainAttrs[0].costPerMove = 1;
    b.AddWingName("East");
    UnitRecord west;
    west.wingLeader = 1;
    west.men = 0;
    b.AddUnit(west, 12);
    UnitRecord east = west;
    east.side = 2;
    east.wing = 1;
    east.men = 50;
    b.AddUnit(east, 45);
    b.AddMapText(MapTextRecord(), 33);
    return b;
}

// The events a real double click delivers, one after the other.
void DoubleClick(QWidget* w, QPoint at) {
    const QPointF local(at), global(w->mapToGlobal(at));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
}

struct DockScene {
    Battle battle = BattleWithThreeProblems();
    bool shown = true;
    LoadedSymbolSet set;
    Definitions defs;
    CheckDock dock{[this]() -> const Battle* { return shown ? &battle : nullptr; },
                   [this]() -> const LoadedSymbolSet& { return set; }, defs, QString()};
};

TEST(CheckDock, ListsErrorsFirstAndCountsThem) {
    DockScene s;
    s.dock.show();
    s.dock.Refresh();
    QTreeWidget* list = s.dock.list();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Error");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "12");
    EXPECT_EQ(list->topLevelItem(0)->text(3), "The unit has 0 men.");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Warning");
    EXPECT_EQ(list->topLevelItem(2)->text(0), "Warning");
    EXPECT_EQ(s.dock.countLabel()->text(), "1 error, 2 warnings");
}

TEST(CheckDock, ChecksOnlyWhileOpenAndFollowsEveryChange) {
    DockScene s;
    s.dock.Refresh(); // closed: nothing is checked
    EXPECT_TRUE(s.dock.problems().empty());
    EXPECT_TRUE(s.dock.countLabel()->text().isEmpty());
    s.dock.show(); // opening checks at once
    EXPECT_EQ(s.dock.problems().size(), 3u);
    UnitRecord u = s.battle.unit(1);
    u.men = 80;
    s.battle.UpdateUnit(1, u);
    s.dock.Refresh();
    EXPECT_EQ(s.dock.list()->topLevelItemCount(), 2);
    EXPECT_EQ(s.dock.countLabel()->text(), "no errors, 2 warnings");
    s.shown = false; // the battle closed
    s.dock.Refresh();
    EXPECT_EQ(s.dock.list()->topLevelItemCount(), 0);
    EXPECT_TRUE(s.dock.countLabel()->text().isEmpty());
    s.shown = true;
    s.dock.hide();
    EXPECT_TRUE(s.dock.countLabel()->text().isEmpty());
}

TEST(CheckDock, DoubleClickChoosesTheProblemsHex) {
    DockScene s;
    QMainWindow window;
    window.resize(900, 500);
    window.addDockWidget(Qt::RightDockWidgetArea, &s.dock);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The scene owns the dock: take it back before the window goes.
    const auto giveBack = qScopeGuard([&] {
        window.removeDockWidget(&s.dock);
        s.dock.setParent(nullptr);
    });
    QSignalSpy chosen(&s.dock, &CheckDock::hexChosen);
    QTreeWidget* list = s.dock.list();
    for (int row : {0, 2, 1})
        DoubleClick(list->viewport(), list->visualItemRect(list->topLevelItem(row)).center());
    // The empty map text lies at hex 33; "no objective" has no place and chooses nothing.
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toInt(), 12);
    EXPECT_EQ(chosen[1][0].toInt(), 33);
}

} // namespace
