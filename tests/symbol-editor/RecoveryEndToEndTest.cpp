// Crash recovery end to end: the editor's window in a child process makes an edit, is killed
// once its recovery copy is written, and the next start offers and restores the edit.
#include "EditorFixtures.h"

#include <SymbolStorage.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

struct SymbolRecoveryRun : ::testing::Test {
    QTemporaryDir dir;
    QString program; // the program folder
    QString state;   // XDG_STATE_HOME

    void SetUp() override {
        program = dir.filePath("program");
        state = dir.filePath("state");
        ASSERT_TRUE(QDir().mkpath(program));
        MakeProgramFolder(program);
    }
    QString Folder() const { return state + "/fieldmark/recovery"; }
    QStringList Files(const QString& pattern) const {
        return QDir(Folder()).entryList({pattern}, QDir::Files);
    }
    std::unique_ptr<QProcess> Start(const QStringList& args) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_STATE_HOME", state);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(program);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(FM_RECOVERY_DRIVER, args);
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }
    // Runs to the end and returns what it printed.
    QString Run(const QStringList& args) {
        auto process = Start(args);
        EXPECT_TRUE(process->waitForFinished(20000));
        EXPECT_EQ(process->exitCode(), 0);
        return QString::fromUtf8(process->readAllStandardOutput());
    }
    // Starts an editing run and kills it once its copy is on disk.
    void EditAndKill(const QString& colour) {
        auto editor = Start(QStringList{"edit"} + colour.split(' '));
        QElapsedTimer waited;
        waited.start();
        QString said;
        while (waited.elapsed() < 15000 && Files("fmsymbol-*.rec").isEmpty()) {
            editor->waitForReadyRead(100);
            said += QString::fromUtf8(editor->readAllStandardOutput());
        }
        ASSERT_EQ(Files("fmsymbol-*.rec").size(), 1) << said.toStdString();
        EXPECT_TRUE(said.contains("edited dirty=1")) << said.toStdString();
        EXPECT_EQ(Files("fmsymbol-*.lock").size(), 1); // its lock, held while it runs
        // A second program started now is not offered the running one's copy.
        EXPECT_TRUE(Run({"probe"}).contains("offers=0"));
        editor->kill(); // SIGKILL: no chance to clean up
        ASSERT_TRUE(editor->waitForFinished(5000));
        EXPECT_EQ(Files("fmsymbol-*.rec").size(), 1);
    }
    QRgb StoredPixel() {
        SymbolSet set;
        EXPECT_TRUE(set.Read(program + "/Battles/house.set").ok);
        LevelPictures pictures;
        bool transparent = false;
        EXPECT_TRUE(LoadSymbol(set, SymbolKind::Unit, 1, pictures, transparent).ok);
        return pictures[1].pixel(5, 4);
    }
};

} // namespace

TEST_F(SymbolRecoveryRun, AKilledEditorsChangesAreOfferedRestoredAndSaved) {
    EditAndKill("0 160 0");
    const QString said = Run({"restore", "yes"});
    EXPECT_TRUE(said.contains(
        QRegularExpression("offer: Restore the unsaved changes to 'Pikes' from \\d\\d:\\d\\d\\?")))
        << said.toStdString();
    EXPECT_TRUE(said.contains("caption=Fieldmark Symbols: house")) << said.toStdString();
    EXPECT_TRUE(said.contains("symbol=Pikes"));
    EXPECT_TRUE(said.contains("zoom=2 dirty=1 save=1")) << said.toStdString();
    EXPECT_TRUE(said.contains("pixel=ff00a000")) << said.toStdString();
    EXPECT_TRUE(said.contains("saved dirty=0 copies=0")) << said.toStdString();
    EXPECT_TRUE(said.contains("closed=1"));
    EXPECT_EQ(StoredPixel(), qRgb(0, 160, 0));
    // Saved and closed normally: nothing is left to offer.
    EXPECT_TRUE(Files("fmsymbol-*").isEmpty()) << Files("*").join(' ').toStdString();
    EXPECT_TRUE(Run({"probe"}).contains("offers=0"));
}

TEST_F(SymbolRecoveryRun, DecliningTheOfferRemovesTheCopyAndLeavesTheSet) {
    EditAndKill("200 0 0");
    const QString said = Run({"restore", "no"});
    EXPECT_TRUE(said.contains("offer: Restore the unsaved changes to 'Pikes'"))
        << said.toStdString();
    EXPECT_TRUE(said.contains("caption=Field Mark Symbol Editor")) << said.toStdString();
    EXPECT_EQ(StoredPixel(), qRgb(255, 255, 255));
    EXPECT_TRUE(Files("fmsymbol-*").isEmpty()) << Files("*").join(' ').toStdString();
}
