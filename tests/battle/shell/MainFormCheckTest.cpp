// Battle > "Check Battle" in the main window: the list follows every edit, undo and battle,
// its count stands in the status line, and a chosen line shows its hex.
#include "MainWindowFixture.h"

#include "CheckDock.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

namespace {

bool Lists(const CheckDock& dock, CheckId id) {
    return std::any_of(dock.problems().begin(), dock.problems().end(),
                       [id](const BattleProblem& p) { return p.check == id; });
}

} // namespace

TEST_F(MainWindow, CheckBattleFollowsEditsUndoAndTheBattleShown) {
    EXPECT_FALSE(Enabled("CheckBattle"));
    Open("ford.scn");
    ASSERT_TRUE(Enabled("CheckBattle"));
    CheckDock& dock = form->checkDock();
    EXPECT_TRUE(dock.isHidden());
    Act("CheckBattle")->trigger();
    ASSERT_FALSE(dock.isHidden());
    QLabel* count = form->findChild<QLabel*>("CheckCount");
    ASSERT_NE(count, nullptr);
    EXPECT_TRUE(count->isVisible());
    // The test battle has no turns and no units.
    EXPECT_TRUE(Lists(dock, CheckId::NoTurns));
    EXPECT_TRUE(Lists(dock, CheckId::SideWithoutUnits));
    EXPECT_EQ(dock.list()->topLevelItem(0)->text(0), "Error");
    const QString before = count->text();
    EXPECT_EQ(before, ProblemCountText(CountProblems(dock.problems())));

    form->document().Edit("Battle Settings", [](Battle& b) { b.settings.maxTurns = 20; });
    EXPECT_FALSE(Lists(dock, CheckId::NoTurns));
    EXPECT_NE(count->text(), before);
    Act("Undo1")->trigger();
    EXPECT_TRUE(Lists(dock, CheckId::NoTurns));
    EXPECT_EQ(count->text(), before);
    Act("Redo1")->trigger();
    EXPECT_FALSE(Lists(dock, CheckId::NoTurns));

    form->ReturnToNoBattle();
    EXPECT_EQ(dock.list()->topLevelItemCount(), 0);
    EXPECT_TRUE(count->text().isEmpty());
    EXPECT_FALSE(Enabled("CheckBattle"));
}

TEST_F(MainWindow, AChosenProblemShowsItsHex) {
    Open("ford.scn");
    Act("CheckBattle")->trigger();
    const int hex = 19 * 30 + 29; // the last hex of the 30 × 20 map
    emit form->checkDock().hexChosen(hex);
    EXPECT_TRUE(form->findChild<QLabel*>("HexNo")->text().startsWith("Hex:1929 "))
        << form->findChild<QLabel*>("HexNo")->text().toStdString();
    EXPECT_FALSE(form->brushOutline().empty()); // the hex is outlined
}
