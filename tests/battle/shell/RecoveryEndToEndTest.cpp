// The battle editor killed with unsaved changes, and started again: the window runs in a
// child process (the test driver) on a program folder and a state folder of the test's own.
#include "BattleFile.h"
#include "BattleRecoveryStore.h"
#include "RecoveryFixtures.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RecoveryEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir program;
    QTemporaryDir state;

    QString ford() const { return program.path() + "/Battles/ford.scn"; }
    QString recovery() const { return state.path() + "/fieldmark/recovery"; }

    void SetUp() override { ASSERT_TRUE(MakeRecoveryProgramFolder(program.path())); }

    void Launch(QProcess& p, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_STATE_HOME", state.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral(FM_RECOVERY_DRIVER), QStringList{program.path()} + args);
        ASSERT_TRUE(p.waitForStarted(10000));
    }
    // Reads the driver's output until a line starts with `prefix`; that line, or "".
    static QString WaitForLine(QProcess& p, const QString& prefix, QStringList* seen = nullptr) {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            while (p.canReadLine()) {
                const QString line = QString::fromUtf8(p.readLine()).trimmed();
                if (seen)
                    *seen << line;
                if (line.startsWith(prefix))
                    return line;
            }
            if (p.state() == QProcess::NotRunning && !p.canReadLine())
                return {};
            p.waitForReadyRead(200);
        }
        return {};
    }
    // The editor with an edit on hex 25, and its copy once the timer has written it.
    void StartEditing(QProcess& editor, QByteArray& copy, RecoveryNote& note) {
        Launch(editor, {"edit", ford(), "25", "3"});
        ASSERT_EQ(WaitForLine(editor, "edited"), "edited");
        const QDeadlineTimer deadline(20000);
        QStringList copies;
        while (copies.isEmpty() && !deadline.hasExpired()) {
            QThread::msleep(100);
            copies = RecoveryFiles(state.path()).filter(".scn");
        }
        ASSERT_EQ(copies.size(), 1);
        const QString copyPath = recovery() + "/" + copies[0];
        copy = ReadAll(copyPath);
        ASSERT_TRUE(DecodeRecoveryNote(ReadAll(QString(copyPath).replace(".scn", ".note")), note));
    }
    // A second start: the questions asked and the state line.
    void Restart(const char* answer, QStringList& offers, QString& stateLine) {
        QProcess editor;
        Launch(editor, {"restore", answer, state.path() + "/restored.scn"});
        QStringList seen;
        ASSERT_EQ(WaitForLine(editor, "done", &seen), "done") << seen.join("\n").toStdString();
        ASSERT_TRUE(editor.waitForFinished(20000));
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        offers = seen.filter(QRegularExpression("^offer: "));
        stateLine = seen.filter(QRegularExpression("^state: ")).value(0);
    }
};

} // namespace

TEST_F(RecoveryEndToEnd, KilledEditorsChangesAreRestored) {
    QProcess editor;
    QByteArray copy;
    RecoveryNote note;
    StartEditing(editor, copy, note);
    Battle copied;
    ASSERT_EQ(DecodeBattle(copy, copied, {}), BattleDecodeResult::Decoded);
    EXPECT_EQ(copied.hex(25).primaryTerrain, 3);
    EXPECT_EQ(copied.unit(1).name.text(), "Eastern Spears"); // as entered, not as saved
    EXPECT_EQ(note.originalPath, ford());

    // Another editor started while the first runs is not offered the first one's copy,
    // and its normal end leaves that copy alone.
    QStringList offers;
    QString stateLine;
    Restart("yes", offers, stateLine);
    EXPECT_TRUE(offers.isEmpty()) << offers.join("\n").toStdString();
    EXPECT_TRUE(stateLine.startsWith("state: active=0")) << stateLine.toStdString();
    EXPECT_EQ(RecoveryFiles(state.path()).filter(".scn").size(), 1);

    editor.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(editor.waitForFinished(10000));
    Restart("yes", offers, stateLine);
    const QString time = note.written.toLocalTime().toString("yyyy-MM-dd HH:mm");
    EXPECT_EQ(offers, QStringList{"offer: Restore the unsaved changes to 'Varnholm Ford' from " +
                                  time + "?"});
    EXPECT_EQ(stateLine, "state: active=1 modified=1 untitled=0 path=" + ford());
    EXPECT_EQ(ReadAll(state.path() + "/restored.scn"), copy);
    // The restarted editor closed normally: nothing is left to offer.
    EXPECT_TRUE(RecoveryFiles(state.path()).isEmpty())
        << RecoveryFiles(state.path()).join(" ").toStdString();
    EXPECT_EQ(BattleBytesOnTestSet(FordBattle()), ReadAll(ford())); // never written over
}

TEST_F(RecoveryEndToEnd, DeclinedCopyIsGone) {
    QProcess editor;
    QByteArray copy;
    RecoveryNote note;
    StartEditing(editor, copy, note);
    editor.kill();
    ASSERT_TRUE(editor.waitForFinished(10000));
    QStringList offers;
    QString stateLine;
    Restart("no", offers, stateLine);
    EXPECT_EQ(offers.size(), 1);
    EXPECT_TRUE(stateLine.startsWith("state: active=0")) << stateLine.toStdString();
    EXPECT_TRUE(RecoveryFiles(state.path()).isEmpty());
    // And a third start asks nothing.
    Restart("yes", offers, stateLine);
    EXPECT_TRUE(offers.isEmpty());
}
