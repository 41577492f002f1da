#include "BattleRecovery.h"
#include "TMainForm.h"

#include "BattleFile.h"
#include "RecoveryFixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Copies() {
    return RecoveryFiles().filter(QStringLiteral(".scn"));
}

QString CopyPath() {
    return Copies().isEmpty() ? QString() : RecoveryFolder() + "/" + Copies()[0];
}

std::vector<QString> UnitNames(const Battle& b) {
    std::vector<QString> names;
    for (const UnitRecord& u : b.units())
        names.push_back(u.name.text());
    return names;
}

// A copy as an editor that was killed with these bytes unsaved leaves it.
void LeaveCopy(const QByteArray& bytes, const QString& originalPath, const char* name) {
    BattleRecoveryStore ended(RecoveryFolder());
    ASSERT_TRUE(ended.Claim());
    ASSERT_TRUE(ended.Write(bytes, {originalPath, name, QDateTime::currentDateTime()}));
}

class Recovery : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList warnings;
    QStringList questions;
    RestoreAnswer answer = RestoreAnswer::Restore;
    bool answerInTest = true;
    std::function<void()> onQuestion = [] {};
    std::unique_ptr<TMainForm> form;

    QString ford() const { return dir.path() + "/Battles/ford.scn"; }

    void SetUp() override { ASSERT_TRUE(MakeRecoveryProgramFolder(dir.path())); }

    // Starts the window as the program does and waits for the offers to be answered.
    void Start() {
        form = std::make_unique<TMainForm>(
            dir.path(), [this](const QString&, const QString& text) { warnings << text; });
        form->askMessage = [](int, int) { return OrvNo; };
        if (answerInTest)
            form->recovery().askRestore = [this](const QString& question) {
                questions << question;
                onQuestion();
                return answer;
            };
        form->show();
        const QDeadlineTimer deadline(10000);
        while (!form->recovery().offersDone() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(form->recovery().offersDone());
    }
    // The shown battle after an edit, as the program has it in memory.
    void OpenAndEdit() {
        form->OpenBattleFile(ford());
        ASSERT_TRUE(form->battleActive());
        form->document().Edit(QStringLiteral("Place Primary Terrain"),
                              [&](Battle& b) { b.SetTerrainSlot(25, 0, 3); });
    }
};

} // namespace

TEST_F(Recovery, CopyOfAnEditKeepsTheDesignersUnitOrder) {
    Start();
    form->OpenBattleFile(ford());
    form->recovery().Tick();
    EXPECT_TRUE(Copies().isEmpty()); // nothing unsaved yet

    form->document().Edit(QStringLiteral("Place Primary Terrain"),
                          [&](Battle& b) { b.SetTerrainSlot(25, 0, 3); });
    const std::vector<QString> before = UnitNames(form->battle());
    ASSERT_EQ(before[0], "Eastern Spears");
    form->recovery().Tick();
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_EQ(UnitNames(form->battle()), before); // the battle in memory is untouched
    EXPECT_TRUE(form->document().modified());

    const QByteArray copy = ReadAll(CopyPath());
    EXPECT_EQ(copy, BattleBytesOnTestSet(form->battle()));
    Battle back;
    ASSERT_EQ(DecodeBattle(copy, back, {}), BattleDecodeResult::Decoded);
    EXPECT_EQ(back.hex(25).primaryTerrain, 3);
    EXPECT_EQ(UnitNames(back), before);

    // The note names the battle's own file and the battle.
    RecoveryNote note;
    ASSERT_TRUE(DecodeRecoveryNote(ReadAll(QString(CopyPath()).replace(".scn", ".note")), note));
    EXPECT_EQ(note.originalPath, ford());
    EXPECT_EQ(note.battleName, "Varnholm Ford");
    EXPECT_LT(note.written.secsTo(QDateTime::currentDateTime()), 60);

    // A later edit reaches the copy at the next look.
    form->document().Edit(QStringLiteral("Place Primary Terrain"),
                          [&](Battle& b) { b.SetTerrainSlot(26, 0, 4); });
    form->recovery().Tick();
    EXPECT_EQ(ReadAll(CopyPath()), BattleBytesOnTestSet(form->battle()));
}

TEST_F(Recovery, TheTimerWritesTheCopyByItself) {
    Start();
    OpenAndEdit();
    const QDeadlineTimer deadline(BattleRecovery::kIntervalMs * 4);
    while (Copies().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(Copies().size(), 1);
}

TEST_F(Recovery, CopyGoesWhenSavedDiscardedOrClosed) {
    Start();
    OpenAndEdit();
    form->recovery().Tick();
    ASSERT_EQ(Copies().size(), 1);
    form->SavMapClick();
    EXPECT_TRUE(Copies().isEmpty());

    // Save As too.
    form->document().Edit(QStringLiteral("Place Primary Terrain"),
                          [&](Battle& b) { b.SetTerrainSlot(25, 0, 5); });
    form->recovery().Tick();
    ASSERT_EQ(Copies().size(), 1);
    form->chooseSavePath = [this](const QString&, const QString&, const QString&) {
        return dir.path() + "/Battles/ford2.scn";
    };
    form->SaveMapAsClick();
    EXPECT_TRUE(Copies().isEmpty());

    // A file that cannot be read leaves the battle, and its copy, as they were; opening
    // another battle discards the changes.
    form->document().Edit(QStringLiteral("Place Primary Terrain"),
                          [&](Battle& b) { b.SetTerrainSlot(25, 0, 6); });
    form->recovery().Tick();
    QFile broken(dir.path() + "/Battles/broken.scn");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("short");
    broken.close();
    form->OpenBattleFile(broken.fileName());
    EXPECT_EQ(Copies().size(), 1);
    form->OpenBattleFile(ford());
    EXPECT_TRUE(Copies().isEmpty());

    // Closing normally, with the save question declined.
    form->document().Edit(QStringLiteral("Place Primary Terrain"),
                          [&](Battle& b) { b.SetTerrainSlot(25, 0, 7); });
    form->recovery().Tick();
    ASSERT_EQ(Copies().size(), 1);
    form->close();
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Recovery, RestoredBattleIsModifiedWithItsFileRemembered) {
    Battle edited = FordBattle();
    edited.SetTerrainSlot(25, 0, 3);
    const QByteArray bytes = BattleBytesOnTestSet(edited);
    LeaveCopy(bytes, ford(), "Varnholm Ford");
    Start();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("Restore the unsaved changes to 'Varnholm Ford' from "));
    ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
    EXPECT_TRUE(form->document().modified());
    EXPECT_FALSE(form->untitled());
    EXPECT_EQ(form->battlePath(), ford());
    EXPECT_EQ(form->windowTitle(), "Fieldmark Varnholm:Varnholm Ford[*]");
    EXPECT_TRUE(form->actions().saveMapFile->isEnabled());
    EXPECT_EQ(BattleBytesOnTestSet(form->battle()), bytes);
    // The copy now belongs to this editor; the leftover and its lock are gone.
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_EQ(CopyPath(), form->recovery().store().copyPath());
    EXPECT_EQ(RecoveryFiles().size(), 3);

    // Save writes where the designer expects, and the copy goes.
    form->SavMapClick();
    Battle saved;
    ASSERT_EQ(DecodeBattle(ReadAll(ford()), saved, {}), BattleDecodeResult::Decoded);
    EXPECT_EQ(saved.hex(25).primaryTerrain, 3);
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Recovery, RestoredUntitledBattleStaysUntitled) {
    Battle fresh = FordBattle();
    fresh.settings.battleName = "New Ford";
    LeaveCopy(BattleBytesOnTestSet(fresh), QString(), "New Ford");
    Start();
    ASSERT_TRUE(form->battleActive()) << warnings.join("|").toStdString();
    EXPECT_TRUE(form->untitled());
    EXPECT_TRUE(form->battlePath().isEmpty());
    EXPECT_TRUE(form->document().modified());
    EXPECT_FALSE(form->actions().saveMapFile->isEnabled());
    EXPECT_TRUE(form->actions().saveMapAs->isEnabled());
}

TEST_F(Recovery, DeclinedCopyIsDeletedAndAClosedQuestionKeepsIt) {
    LeaveCopy(BattleBytesOnTestSet(FordBattle()), ford(), "Varnholm Ford");
    answer = RestoreAnswer::Later;
    Start();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_FALSE(form->battleActive());
    EXPECT_EQ(Copies().size(), 1);
    form.reset();

    answer = RestoreAnswer::Discard;
    Start();
    EXPECT_EQ(questions.size(), 2); // asked again at the next start
    EXPECT_FALSE(form->battleActive());
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Recovery, OnlyCopiesOfEndedEditorsThatCanBeReadAreOffered) {
    // An editor still running keeps its copy to itself.
    BattleRecoveryStore running(RecoveryFolder());
    ASSERT_TRUE(running.Claim());
    ASSERT_TRUE(running.Write(BattleBytesOnTestSet(FordBattle()), {ford(), "Running", {}}));
    // However long ago it started.
    QFile lock(QString(running.copyPath()).replace(".scn", ".lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    lock.close();
    // A copy cut short is deleted without a question.
    QByteArray cut = BattleBytesOnTestSet(FordBattle());
    cut.chop(3);
    LeaveCopy(cut, ford(), "Cut");
    Start();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Copies(), QStringList{QFileInfo(running.copyPath()).fileName()});
}

TEST_F(Recovery, CopyWhoseSetIsGoneIsKept) {
    Battle lost = FordBattle();
    lost.settings.symbolSetName = "absent";
    LeaveCopy(BattleBytesOnTestSet(lost), ford(), "Varnholm Ford");
    Start();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_FALSE(form->battleActive());
    EXPECT_EQ(warnings.filter("symbol set \"absent\" could not be loaded").size(), 1)
        << warnings.join("|").toStdString();
    EXPECT_EQ(Copies().size(), 1);
}

TEST_F(Recovery, QuestionBoxAnswersYesNoAndEscape) {
    // The window's own box: Escape keeps the copy, "No" deletes it, "Yes" restores.
    answerInTest = false;
    QStringList shown;
    QTimer answering;
    int key = 0;
    answering.setInterval(20);
    QObject::connect(&answering, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answering.stop();
        shown << box->text() + "|" + box->parentWidget()->objectName();
        if (key == Qt::Key_Escape) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
        } else {
            box->button(key == Qt::Key_Y ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    const auto startAnswering = [&](int withKey) {
        key = withKey;
        answering.start();
        Start();
    };

    LeaveCopy(BattleBytesOnTestSet(FordBattle()), ford(), "Varnholm Ford");
    startAnswering(Qt::Key_Escape);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("Restore the unsaved changes to 'Varnholm Ford' from "));
    EXPECT_TRUE(shown[0].endsWith("?|MainForm")); // above the main window
    EXPECT_FALSE(form->battleActive());
    EXPECT_EQ(Copies().size(), 1);
    form.reset();

    startAnswering(Qt::Key_N);
    EXPECT_EQ(shown.size(), 2);
    EXPECT_FALSE(form->battleActive());
    EXPECT_TRUE(Copies().isEmpty());
    form.reset();

    LeaveCopy(BattleBytesOnTestSet(FordBattle()), ford(), "Varnholm Ford");
    startAnswering(Qt::Key_Y);
    EXPECT_EQ(shown.size(), 3);
    EXPECT_TRUE(form->battleActive());
}

TEST_F(Recovery, LeftoverStaysUntilTheRestoredBattleHasItsOwnCopy) {
    LeaveCopy(BattleBytesOnTestSet(FordBattle()), ford(), "Varnholm Ford");
    const QStringList left = Copies();
    // Something stands where this editor's copy would go: it cannot be written.
    onQuestion = [this] { EXPECT_TRUE(QDir().mkpath(form->recovery().store().copyPath())); };
    Start();
    EXPECT_TRUE(form->battleActive());
    EXPECT_FALSE(form->recovery().store().hasCopy());
    EXPECT_EQ(Copies(), left);
}

// After two editors ended, both copies are offered with their date and time; restoring
// the second asks first whether to save the first, and "No" there keeps it for later.
TEST_F(Recovery, EveryCopyIsOfferedWithItsDateAndTime) {
    Battle west = FordBattle();
    west.settings.battleName = "West Ford";
    LeaveCopy(BattleBytesOnTestSet(west), QString(), "West Ford");
    LeaveCopy(BattleBytesOnTestSet(FordBattle()), ford(), "Varnholm Ford");
    Start();
    ASSERT_EQ(questions.size(), 2);
    const QString date = QDate::currentDate().toString("yyyy-MM-dd");
    for (const QString& q : questions)
        EXPECT_TRUE(q.contains(" from " + date + " ")) << q.toStdString();
    EXPECT_TRUE(form->battleActive());
    // The second restore replaced the first after the save question ("No" in this test).
    EXPECT_EQ(form->battle().settings.battleName.text(),
              questions[1].contains("West") ? "West Ford" : "Varnholm Ford");
}

// A folder that cannot be made, or one that takes the lock but not the copy: the editing
// goes on without copies and says so once.
TEST_F(Recovery, AFolderThatCannotTakeCopiesIsSaidOnce) {
    Start();
    OpenAndEdit();
    const auto sayings = [this](const QString& folder, bool blockTheCopy) {
        QStringList said;
        BattleRecovery recovery(form->document(), folder, dir.path(), {}, nullptr);
        recovery.onProtectionOff = [&](const QString& message) { said << message; };
        recovery.Start();
        if (blockTheCopy) {
            EXPECT_TRUE(QDir().mkpath(recovery.store().copyPath()));
        }
        recovery.Tick();
        recovery.Tick();
        EXPECT_EQ(recovery.store().hasCopy(), said.isEmpty());
        return said;
    };
    const QString underAFile = ford() + "/recovery";
    EXPECT_EQ(sayings(underAFile, false),
              QStringList{"Crash protection is off: the recovery folder " + underAFile +
                          " cannot be written."});
    QTemporaryDir lockable;
    EXPECT_EQ(sayings(lockable.path(), true).size(), 1);
    EXPECT_TRUE(sayings(lockable.path() + "/fresh", false).isEmpty()); // a writable folder
}
