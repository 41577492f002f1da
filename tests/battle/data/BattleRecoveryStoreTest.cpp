#include "BattleRecoveryStore.h"

#include "BattleFileSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

RecoveryNote Note(const QString& path, const char* name, const QDateTime& written) {
    return RecoveryNote{path, QString::fromLatin1(name), written};
}

class Recovery : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.path() + "/state/fieldmark/recovery"; }
    QByteArray BattleBytes(const char* name = "Varnholm Ford") {
        Battle b = FullBattle();
        b.settings.battleName = name;
        return EncodeBattle(b, b.settings.saveCount, 5);
    }
    const QDateTime at = QDateTime(QDate(2026, 12, 9), QTime(14, 32, 10));
};

} // namespace

TEST(RecoveryFolder, FollowsXdgStateHomeElseHome) {
    const QByteArray oldState = qgetenv("XDG_STATE_HOME"), oldHome = qgetenv("HOME");
    qputenv("HOME", "/home/designer");
    qputenv("XDG_STATE_HOME", "/var/state");
    EXPECT_EQ(RecoveryFolder(), "/var/state/fieldmark/recovery");
    qputenv("XDG_STATE_HOME", "");
    EXPECT_EQ(RecoveryFolder(), "/home/designer/.local/state/fieldmark/recovery");
    qputenv("XDG_STATE_HOME", "relative/state"); // only absolute paths count
    EXPECT_EQ(RecoveryFolder(), "/home/designer/.local/state/fieldmark/recovery");
    qputenv("HOME", oldHome);
    if (oldState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", oldState);
}

TEST(RecoveryQuestion, NamesTheBattleAndTheTime) {
    const QDateTime written(QDate(2026, 12, 9), QTime(14, 32, 50));
    const RecoveryNote note = Note("", "Varnholm Ford", written);
    EXPECT_EQ(RestoreQuestion(note, written.addSecs(3600)),
              "Restore the unsaved changes to 'Varnholm Ford' from 2026-12-09 14:32?");
    EXPECT_EQ(RestoreQuestion(note, written.addDays(2)),
              "Restore the unsaved changes to 'Varnholm Ford' from 2026-12-09 14:32?");
    // The designer's name is shown as typed, never taken as a format.
    EXPECT_EQ(RestoreQuestion(Note("", "Hill %1 %2", written), written),
              "Restore the unsaved changes to 'Hill %1 %2' from 2026-12-09 14:32?");
}

TEST(RecoveryQuestion, NoteSurvivesItsFileAndRefusesOtherText) {
    const RecoveryNote note = Note("/home/d/Battles/Ford \"1\".scn", "Ford\nNew",
                                   QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678)));
    RecoveryNote back;
    ASSERT_TRUE(DecodeRecoveryNote(EncodeRecoveryNote(note), back));
    EXPECT_EQ(back.originalPath, note.originalPath);
    EXPECT_EQ(back.battleName, note.battleName);
    EXPECT_EQ(back.written, note.written);
    for (const char* bad : {"", "{", "[1]", "{\"format\":1,\"path\":\"\",\"name\":\"x\"}",
                            "{\"format\":2,\"path\":\"\",\"name\":\"x\",\"written\":"
                            "\"2026-01-02T03:04:05Z\"}",
                            "{\"format\":1,\"path\":\"\",\"name\":\"x\",\"written\":\"soon\"}"})
        EXPECT_FALSE(DecodeRecoveryNote(bad, back)) << bad;
}

TEST_F(Recovery, WritesOnlyChangedBytesAndRemovesItsCopy) {
    BattleRecoveryStore store(folder());
    EXPECT_FALSE(store.Write(BattleBytes(), Note("", "Varnholm Ford", at))); // no lock yet
    ASSERT_TRUE(store.Claim());
    EXPECT_TRUE(QFileInfo(store.copyPath()).fileName().startsWith("fmbattle-"));
    EXPECT_TRUE(store.copyPath().endsWith(".scn"));
    ASSERT_TRUE(store.Write(BattleBytes(), Note("", "Varnholm Ford", at)));
    EXPECT_EQ(ReadAll(store.copyPath()), BattleBytes());

    // The same bytes again are not written: the copy keeps its first time.
    const QString note = QString(store.copyPath()).replace(".scn", ".note");
    const QByteArray firstNote = ReadAll(note);
    ASSERT_TRUE(store.Write(BattleBytes(), Note("", "Varnholm Ford", at.addSecs(5))));
    EXPECT_EQ(ReadAll(note), firstNote);
    ASSERT_TRUE(store.Write(BattleBytes("Varnholm Bridge"), Note("", "Varnholm Bridge", at)));
    EXPECT_EQ(ReadAll(store.copyPath()), BattleBytes("Varnholm Bridge"));
    EXPECT_NE(ReadAll(note), firstNote);

    // No temporary file is left beside the copy, and removing leaves only the lock.
    EXPECT_EQ(Entries(folder()).size(), 3);
    store.Remove();
    ASSERT_EQ(Entries(folder()).size(), 1);
    EXPECT_TRUE(Entries(folder())[0].endsWith(".lock"));
    EXPECT_FALSE(store.hasCopy());
    // After a removal the same bytes are written again.
    ASSERT_TRUE(store.Write(BattleBytes(), Note("", "Varnholm Ford", at)));
    EXPECT_TRUE(QFile::exists(store.copyPath()));
}

TEST_F(Recovery, NeverWritesOverTheDesignersFile) {
    BattleRecoveryStore store(folder());
    ASSERT_TRUE(store.Claim());
    // The battle's own file standing where the copy would go (a Battles folder that is
    // the recovery folder) is neither replaced nor removed.
    WriteAll(store.copyPath(), "the designer's battle");
    EXPECT_FALSE(store.Write(BattleBytes(), Note(store.copyPath(), "Ford", at)));
    EXPECT_FALSE(store.Write(BattleBytes(), Note("", "Ford", at)));
    store.Remove();
    EXPECT_EQ(ReadAll(store.copyPath()), "the designer's battle");

    // Nor through a link or another spelling of its path.
    BattleRecoveryStore other(folder());
    ASSERT_TRUE(other.Claim());
    const QString mine = dir.path() + "/ford.scn";
    WriteAll(mine, "ford");
    ASSERT_TRUE(QFile::link(mine, other.copyPath()));
    EXPECT_FALSE(other.Write(BattleBytes(), Note(mine, "Ford", at)));
    EXPECT_FALSE(other.Write(BattleBytes(), Note("", "Ford", at)));
    EXPECT_EQ(ReadAll(mine), "ford");
    const QString dotted = folder() + "/../recovery/" + QFileInfo(other.copyPath()).fileName();
    QFile::remove(other.copyPath());
    EXPECT_FALSE(other.Write(BattleBytes(), Note(dotted, "Ford", at)));
    EXPECT_FALSE(QFile::exists(other.copyPath()));
}

TEST_F(Recovery, LeftoversOfEndedEditorsOnlyNewestFirst) {
    auto ended = std::make_unique<BattleRecoveryStore>(folder());
    ASSERT_TRUE(ended->Claim());
    ASSERT_TRUE(ended->Write(BattleBytes("Older"), Note("/b/older.scn", "Older", at)));
    auto later = std::make_unique<BattleRecoveryStore>(folder());
    ASSERT_TRUE(later->Claim());
    ASSERT_TRUE(later->Write(BattleBytes("Newer"), Note("", "Newer", at.addSecs(60))));
    BattleRecoveryStore running(folder());
    ASSERT_TRUE(running.Claim());
    ASSERT_TRUE(running.Write(BattleBytes("Running"), Note("", "Running", at.addSecs(120))));
    ended.reset(); // as after a kill: the lock is gone, the files stay
    later.reset();

    BattleRecoveryStore starting(folder());
    ASSERT_TRUE(starting.Claim());
    std::vector<LeftoverCopy> found = starting.TakeLeftovers();
    ASSERT_EQ(found.size(), 2); // not the copy of the editor still running
    EXPECT_EQ(found[0].note.battleName, "Newer");
    EXPECT_EQ(found[1].note.battleName, "Older");
    EXPECT_EQ(found[1].note.originalPath, "/b/older.scn");
    EXPECT_EQ(found[1].note.written, at);

    // While one editor holds them, another starting at the same time finds none.
    BattleRecoveryStore second(folder());
    ASSERT_TRUE(second.Claim());
    EXPECT_TRUE(second.TakeLeftovers().empty());

    // A restored battle comes back byte for byte.
    Battle back;
    ASSERT_EQ(starting.ReadCopy(found[1], back, {}), BattleDecodeResult::Decoded);
    EXPECT_EQ(EncodeBattle(back, back.settings.saveCount, 5), BattleBytes("Older"));

    // Discarded: gone for good; released: offered again later.
    starting.Discard(found[1]);
    starting.Release(found[0]);
    EXPECT_FALSE(QFile::exists(found[1].copyPath));
    found = second.TakeLeftovers();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].note.battleName, "Newer");
}

TEST_F(Recovery, BrokenLeftoversAreRefused) {
    auto ended = std::make_unique<BattleRecoveryStore>(folder());
    ASSERT_TRUE(ended->Claim());
    QByteArray cut = BattleBytes();
    cut.chop(7);
    ASSERT_TRUE(ended->Write(cut, Note("", "Cut", at)));
    const QString cutPath = ended->copyPath();
    ended.reset();
    // A copy without its sidecar, and a sidecar or lock without a copy.
    WriteAll(folder() + "/fmbattle-1-a-1.scn", BattleBytes());
    WriteAll(folder() + "/fmbattle-1-b-1.note", EncodeRecoveryNote(Note("", "No copy", at)));
    WriteAll(folder() + "/fmbattle-1-c-1.lock", "");
    // A copy whose lock a power loss left empty is offered once the lock is old enough.
    WriteAll(folder() + "/fmbattle-1-d-1.scn", BattleBytes("Powered"));
    WriteAll(folder() + "/fmbattle-1-d-1.note", EncodeRecoveryNote(Note("", "Powered", at)));
    WriteAll(folder() + "/fmbattle-1-e-1.scn", BattleBytes("Fresh"));
    WriteAll(folder() + "/fmbattle-1-e-1.note", EncodeRecoveryNote(Note("", "Fresh", at)));
    for (const char* lock :
         {"/fmbattle-1-c-1.lock", "/fmbattle-1-d-1.lock", "/fmbattle-1-e-1.lock"}) {
        WriteAll(folder() + lock, "");
        if (QByteArray(lock).contains("-e-"))
            continue; // just made: perhaps an editor writing its lock right now
        QFile f(folder() + lock);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
    }
    // Files of the symbol editor are not this store's business.
    WriteAll(folder() + "/fmsymbol-1-a-1.note", "theirs");

    BattleRecoveryStore starting(folder());
    ASSERT_TRUE(starting.Claim());
    std::vector<LeftoverCopy> found = starting.TakeLeftovers();
    ASSERT_EQ(found.size(), 2);
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.note.battleName < b.note.battleName; });
    EXPECT_EQ(found[0].copyPath, cutPath);
    EXPECT_EQ(found[1].note.battleName, "Powered");
    Battle back;
    EXPECT_EQ(starting.ReadCopy(found[0], back, {}), BattleDecodeResult::Refused);
    EXPECT_EQ(starting.ReadCopy(found[1], back, {}), BattleDecodeResult::Decoded);
    for (const LeftoverCopy& copy : found)
        starting.Discard(copy);
    QStringList left = Entries(folder());
    left.removeAll(QFileInfo(starting.copyPath()).completeBaseName() + ".lock");
    EXPECT_EQ(left, (QStringList{"fmbattle-1-e-1.lock", "fmbattle-1-e-1.note", "fmbattle-1-e-1.scn",
                                 "fmsymbol-1-a-1.note"}));
}

TEST_F(Recovery, ClaimFailsWhereNoFolderCanBeMade) {
    WriteAll(dir.path() + "/state", "a file, not a folder");
    BattleRecoveryStore store(folder());
    EXPECT_FALSE(store.Claim());
    EXPECT_FALSE(store.Write(BattleBytes(), Note("", "Ford", at)));
    EXPECT_TRUE(store.TakeLeftovers().empty());
}
