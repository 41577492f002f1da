#include "EditorFixtures.h"

#include <RecoveryStore.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

RecoveryCopy SampleCopy(const QString& name) {
    RecoveryCopy copy;
    copy.setPath = "/somewhere/house.set";
    copy.kind = 2;
    copy.symbol = 1;
    copy.symbolName = name;
    copy.zoomLevel = 3;
    copy.levels = {Plain(4, 3, qRgb(1, 2, 3)), Plain(8, 6, qRgb(4, 5, 6)),
                   Plain(12, 9, qRgb(7, 8, 9))};
    copy.transparent = true;
    copy.transparentColour = qRgb(192, 192, 192);
    copy.written = QDateTime(QDate(2026, 3, 1), QTime(14, 32));
    return copy;
}

QStringList CopiesIn(const QString& folder) {
    return QDir(folder).entryList({"fmsymbol-*"}, QDir::Files);
}

} // namespace

TEST(SymbolRecovery, FolderFollowsXdgStateHomeOrTheHomeFolder) {
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("XDG_STATE_HOME", "/tmp/state-here");
    EXPECT_EQ(RecoveryFolder(), "/tmp/state-here/fieldmark/recovery");
    qputenv("XDG_STATE_HOME", "relative/state"); // not absolute: ignored
    qputenv("HOME", "/home/designer");
    EXPECT_EQ(RecoveryFolder(), "/home/designer/.local/state/fieldmark/recovery");
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryFolder(), "/home/designer/.local/state/fieldmark/recovery");
    qputenv("HOME", savedHome);
    if (savedState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", savedState);
}

TEST(SymbolRecovery, ACopyReadsBackWholeAndDamageIsRefused) {
    const RecoveryCopy written = SampleCopy("Pikes");
    const QByteArray bytes = EncodeRecoveryCopy(written);
    RecoveryCopy read;
    ASSERT_TRUE(DecodeRecoveryCopy(bytes, read));
    EXPECT_EQ(read.setPath, written.setPath);
    EXPECT_EQ(read.symbolName, "Pikes");
    EXPECT_EQ(read.zoomLevel, 3);
    EXPECT_TRUE(read.transparent);
    EXPECT_EQ(read.transparentColour, written.transparentColour);
    EXPECT_EQ(read.written, written.written);
    for (int level = 0; level < 3; ++level)
        EXPECT_EQ(read.levels[level].convertToFormat(QImage::Format_RGB32), written.levels[level]);
    EXPECT_FALSE(DecodeRecoveryCopy(bytes.left(bytes.size() - 10), read));
    EXPECT_FALSE(DecodeRecoveryCopy("FMSB" + bytes.mid(4), read));
    EXPECT_FALSE(DecodeRecoveryCopy(QByteArray(), read));
    EXPECT_EQ(RecoveryQuestion(written).left(37), "Restore the unsaved changes to 'Pikes");
    EXPECT_TRUE(
        RecoveryQuestion(written).endsWith(" from " + written.written.toString("HH:mm") + "?"));
}

TEST(SymbolRecovery, ARunningProgramsCopyIsNotOfferedAndAGoneOnesIs) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("state/fieldmark/recovery");
    auto running = std::make_unique<RecoveryStore>(folder);
    ASSERT_TRUE(running->Start());
    ASSERT_TRUE(running->Write(SampleCopy("Pikes")).ok);
    EXPECT_TRUE(running->copyPath().startsWith(folder + "/fmsymbol-"));

    RecoveryStore other(folder);
    ASSERT_TRUE(other.Start());
    EXPECT_TRUE(other.FindLeftCopies().empty()); // its owner still holds the lock

    // The owner goes without removing its copy (as a killed run would): its lock is free.
    running.reset();
    std::vector<LeftCopy> left = other.FindLeftCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].copy.symbolName, "Pikes");
    // While this run deals with it, nobody else is offered it.
    RecoveryStore third(folder);
    EXPECT_TRUE(third.FindLeftCopies().empty());
    RecoveryStore::Discard(left[0]);
    EXPECT_TRUE(third.FindLeftCopies().empty());
    EXPECT_EQ(CopiesIn(folder).size(), 1u); // only the lock of the run that started
}

TEST(SymbolRecovery, RemoveTakesAwayOnlyThisRunsCopyAndOtherFilesAreLeftAlone) {
    QTemporaryDir dir;
    QFile battle(dir.filePath("fmbattle-1234.rec"));
    ASSERT_TRUE(battle.open(QIODevice::WriteOnly));
    battle.write("a battle editor's copy");
    battle.close();
    RecoveryStore store(dir.path());
    ASSERT_TRUE(store.Start());
    ASSERT_TRUE(store.Write(SampleCopy("Pikes")).ok);
    ASSERT_TRUE(store.Write(SampleCopy("Lances")).ok); // replaces, atomically
    EXPECT_EQ(CopiesIn(dir.path()).size(), 2u);        // the copy and the lock
    EXPECT_TRUE(store.FindLeftCopies().empty());
    store.Remove();
    EXPECT_FALSE(store.hasCopy());
    EXPECT_FALSE(QFile::exists(store.copyPath()));
    EXPECT_TRUE(QFile::exists(dir.filePath("fmbattle-1234.rec")));
}
