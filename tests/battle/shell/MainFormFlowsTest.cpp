// The save question before every command that replaces or closes the battle, and the
// save-as flow's name, replace question and recent list.
#include "DocumentTestAccess.h"
#include "MainWindowFixture.h"
#include "TSelectTer.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class SaveQuestion : public MainWindow {
protected:
    int opened = 0; // how often the open dialog was shown

    void SetUp() override {
        MainWindow::SetUp();
        WriteBattle("other.scn", "Other Ford");
        form->chooseOpenPath = [this](const QString&, const QString&, const QString&) {
            ++opened;
            return battles() + "/other.scn";
        };
        Open("ford.scn");
        form->recentBattles = {battles() + "/other.scn"};
        BattleDocumentTestAccess::MakeUnsaved(form->document());
    }

    // Every command that would replace or close the battle, each stopped or let through.
    void TryEveryCommand() {
        Act("OpenMapFile1")->trigger();
        form->OpenRecent(0);
        form->close();
    }
    bool StillTheModifiedFord() const {
        return form->battle().settings.battleName.text() == "Varnholm Ford" &&
               form->document().modified() && form->isVisible() && form->battleActive();
    }
};

} // namespace

TEST_F(SaveQuestion, EscapeCancelsOpenRecentAndClose) {
    answer = OrvCancelled;
    TryEveryCommand();
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(StillTheModifiedFord());
    // "Create New Battle" does not show its dialog either.
    CloseNextDialog();
    Act("CreateNewMap1")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(StillTheModifiedFord());
}

TEST_F(SaveQuestion, AFailedSaveCancelsTheCommand) {
    answer = OrvYes;
    BattleDocumentTestAccess::SetPath(form->document(), dir.path() + "/no-such-folder/ford.scn");
    TryEveryCommand();
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(StillTheModifiedFord());
    EXPECT_FALSE(warnings.isEmpty());
}

TEST_F(SaveQuestion, ACancelledSaveAsCancelsTheCommand) {
    answer = OrvYes;
    BattleDocumentTestAccess::SetPath(form->document(), QString(), true);
    int chosen = 0;
    form->chooseSavePath = [&chosen](const QString&, const QString&, const QString&) {
        ++chosen;
        return QString();
    };
    TryEveryCommand();
    EXPECT_EQ(chosen, 3);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(StillTheModifiedFord());
}

TEST_F(SaveQuestion, NoOrASuccessfulSaveLetsTheCommandGoOn) {
    answer = OrvNo;
    form->OpenRecent(0);
    EXPECT_EQ(asked, std::vector<int>{MsgSaveChanges});
    EXPECT_EQ(form->battle().settings.battleName.text(), "Other Ford");
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    answer = OrvYes;
    Act("OpenMapFile1")->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(form->document().modified());
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->document().modified()); // saved on the way out
}

TEST_F(MainWindow, SaveAsKeepsTheTypedNameAndListsTheBattle) {
    Open("ford.scn");
    QString typed = battles() + "/MixedCase Audit";
    form->chooseSavePath = [&typed](const QString&, const QString&, const QString&) {
        return typed;
    };
    QStringList replaceAsked;
    bool replace = false;
    form->confirmReplace = [&](const QString& path) {
        replaceAsked << path;
        return replace;
    };
    Act("SaveMapAs")->trigger();
    EXPECT_EQ(form->battlePath(), battles() + "/MixedCase Audit.scn");
    EXPECT_TRUE(QFile::exists(battles() + "/MixedCase Audit.scn"));
    EXPECT_EQ(form->recentBattles, QStringList{battles() + "/MixedCase Audit.scn"});
    EXPECT_EQ(Act("MapA1")->text(), battles() + "/MixedCase Audit.scn");
    // "Ford" is another file than "ford.scn", which keeps its battle.
    const QByteArray fordBefore = [&] {
        QFile f(battles() + "/ford.scn");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    form->document().Edit("Battle Settings", [](Battle& b) { b.settings.battleName = "Changed"; });
    typed = battles() + "/Ford";
    Act("SaveMapAs")->trigger();
    EXPECT_TRUE(QFile::exists(battles() + "/Ford.scn"));
    QFile ford(battles() + "/ford.scn");
    ASSERT_TRUE(ford.open(QIODevice::ReadOnly));
    EXPECT_EQ(ford.readAll(), fordBefore);
    // A name given with its extension in any case gets none added.
    typed = battles() + "/Upper.SCN";
    Act("SaveMapAs")->trigger();
    EXPECT_EQ(form->battlePath(), battles() + "/Upper.SCN");
    EXPECT_TRUE(replaceAsked.isEmpty());
    // The dialog asked about "Ford.v2"; "Ford.v2.scn" exists, so it is asked about here.
    QFile::copy(battles() + "/ford.scn", battles() + "/Ford.v2.scn");
    BattleDocumentTestAccess::MakeUnsaved(form->document());
    typed = battles() + "/Ford.v2";
    Act("SaveMapAs")->trigger();
    EXPECT_EQ(replaceAsked, QStringList{battles() + "/Ford.v2.scn"});
    EXPECT_TRUE(form->document().modified());
    EXPECT_EQ(form->battlePath(), battles() + "/Upper.SCN");
    replace = true;
    Act("SaveMapAs")->trigger();
    EXPECT_EQ(form->battlePath(), battles() + "/Ford.v2.scn");
    EXPECT_FALSE(form->document().modified());
}

TEST_F(MainWindow, NewBattleNamesItselfAndClosesThePicker) {
    Open("ford.scn");
    Act("PlaceLv1Ter")->trigger();
    ASSERT_TRUE(form->terrainPicker().isVisible());
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("SNam")->setText("Second Ford");
        dialog->findChild<QPushButton*>("OK")->click();
    });
    Act("CreateNewMap1")->trigger();
    ASSERT_TRUE(form->battleActive()) << warnings.join('|').toStdString();
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Second Ford[*]");
    EXPECT_FALSE(form->terrainPicker().isVisible());
    // Opening, too, leaves no picker filled from the set before.
    Act("PlaceLv1Ter")->trigger();
    Open("ford.scn");
    EXPECT_FALSE(form->terrainPicker().isVisible());
}

TEST_F(MainWindow, RefusalsSayWhyInTheStatusLine) {
    Open("ford.scn");
    Act("AddModifyObjective1")->trigger();
    const QString modeText = form->statusText();
    form->sounds().ClearPlayed();
    ClickHex(66); // not the objective's hex
    EXPECT_EQ(form->sounds().played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(form->statusText(), "A battle keeps one objective, and this hex holds none: click "
                                  "the objective's hex to change it.");
    // The mode's text comes back after a few seconds.
    QTest::qWait(4300);
    EXPECT_EQ(form->statusText(), modeText);
    // A paste on an occupied hex says so; a new mode's text replaces the reason at once.
    UnitRecord u;
    ASSERT_TRUE(form->document().Edit("Unit Changes", [&](Battle& b) { b.AddUnit(u, 50); }));
    Act("CopyUnit1")->trigger();
    ClickHex(50);
    Act("PasteUnit1")->trigger();
    ClickHex(50);
    EXPECT_EQ(form->statusText(), "A unit already stands on this hex.");
    // Refusals that were silent: copy and cut on an empty hex, a reinforcement on a structure.
    for (const char* mode : {"CopyUnit1", "CutUnit1"}) {
        Act(mode)->trigger();
        form->sounds().ClearPlayed();
        ClickHex(51);
        EXPECT_EQ(form->sounds().played(), std::vector<int>{SoundRefusal}) << mode;
        EXPECT_EQ(form->statusText(), "No unit stands on this hex.") << mode;
    }
    ASSERT_TRUE(form->document().Edit("Structure Changes",
                                      [](Battle& b) { b.AddStructure(StructureRecord(), 52); }));
    Act("AddModifyReinforcements1")->trigger();
    ClickHex(52);
    EXPECT_EQ(form->statusText(), "A reinforcement cannot arrive on a structure.");
    Act("PlaceLv2Ter")->trigger();
    const QString secondary = form->statusText();
    QTest::qWait(4300);
    EXPECT_EQ(form->statusText(), secondary);
}

TEST_F(MainWindow, TheFillQuestionIsAskedWithoutTheWaitCursor) {
    Open("ford.scn");
    std::vector<bool> waiting;
    form->askMessage = [&waiting](int number, int) {
        waiting.push_back(number == MsgKeepTerrainFill && QApplication::overrideCursor());
        return int(OrvYes);
    };
    CloseNextDialog(); // the fill's modal picker
    Act("FillPrime")->trigger();
    ASSERT_EQ(form->commandMode, ModeFillPrimary);
    ClickHex(40);
    EXPECT_EQ(waiting, std::vector<bool>{false});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, ACopiedUnitCanBePastedIntoTheBattleAfterAFailedOpen) {
    WriteBattle("lost.scn", "Lost", "absent");
    Open("ford.scn");
    UnitRecord u;
    ASSERT_TRUE(form->document().Edit("Unit Changes", [&](Battle& b) { b.AddUnit(u, 50); }));
    Act("CopyUnit1")->trigger();
    ClickHex(50);
    ASSERT_TRUE(Enabled("PasteUnit1"));
    Open("lost.scn");
    ASSERT_FALSE(form->battleActive());
    EXPECT_FALSE(Enabled("PasteUnit1"));
    Open("ford.scn");
    EXPECT_TRUE(Enabled("PasteUnit1"));
    Act("PasteUnit1")->trigger();
    ClickHex(52);
    EXPECT_EQ(form->battle().hex(52).unitNo, 1);
}

TEST_F(MainWindow, EveryDialogStaysAboveTheToolWindows) {
    // The terrain picker, unit editor and hex dialogs stay on top; a dialog or question
    // that did not would open underneath them.
    const QList<QDialog*> dialogs = form->findChildren<QDialog*>();
    ASSERT_GE(dialogs.size(), 15);
    for (const QDialog* dialog : dialogs)
        EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            << dialog->metaObject()->className();
}
