#include "OpenBattle.h"
#include "BattleFileSupport.h"
#include "LoadedSymbolSet.h"
#include "SetFolderSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct OpenFixture {
    QTemporaryDir dir;
    MessageLog log;
    Battle battle = NewBattle();
    LoadedSymbolSet set;
    QString currentPath = "/previous/battle.scn";

    QString save(Battle b, const QString& file) {
        const QString path = dir.filePath(file);
        EXPECT_TRUE(WriteBattleFile(path, b, SmallDefinitions(), 5, nullptr));
        return path;
    }
    OpenOutcome open(const QString& path) {
        return OpenBattle(path, battle, set, currentPath, log.sink());
    }
};

} // namespace

TEST(OpenBattle, ReadsTheBattleThenItsSet) {
    OpenFixture f;
    WriteSet(f.dir.path(), "moors");
    const QString path = f.save(FullBattle(), "full.scn");
    EXPECT_EQ(f.open(path), OpenOutcome::Opened);
    EXPECT_EQ(f.currentPath, path);
    EXPECT_EQ(f.battle.settings.symbolSetName.text(), "moors");
    EXPECT_EQ(f.battle.unitCount(), 4);
    EXPECT_EQ(f.set.terrainCount(), 3);
    EXPECT_EQ(f.set.columnStep[0], 23);
    EXPECT_TRUE(f.log.messages.empty());
}

TEST(OpenBattle, FailedReadKeepsThePathAndTheBattle) {
    OpenFixture f;
    const QString path = f.dir.filePath("bad.scn");
    WriteBytes(path, "short");
    f.battle.AddUnit(Unit(1), 3);
    EXPECT_EQ(f.open(path), OpenOutcome::ReadFailed);
    EXPECT_EQ(f.currentPath, "/previous/battle.scn");
    EXPECT_EQ(f.battle.unitCount(), 1);
    EXPECT_EQ(f.log.texts(), QStringList{"Could not open selected file."});
}

TEST(OpenBattle, MissingSetLeavesNoBattleToShowAndSaysWhereItWasLookedFor) {
    OpenFixture f;
    const QString path = f.save(FullBattle(), "full.scn");
    EXPECT_EQ(f.open(path), OpenOutcome::SetFailed);
    EXPECT_EQ(f.currentPath, path);
    ASSERT_EQ(f.log.texts().size(), 1);
    EXPECT_TRUE(f.log.texts()[0].contains("\"moors\"")) << qPrintable(f.log.texts()[0]);
    EXPECT_TRUE(f.log.texts()[0].contains(f.dir.path())) << qPrintable(f.log.texts()[0]);

    Battle elsewhere = FullBattle();
    elsewhere.settings.symbolSetName = "../moors";
    QDir(f.dir.path()).mkdir("sub");
    WriteSet(f.dir.path(), "moors");
    EXPECT_EQ(f.open(f.save(elsewhere, "sub/x.scn")), OpenOutcome::SetFailed)
        << "a set name is a base name, not a path";
}

TEST(OpenBattle, UnreadableSetShowsItsMessages) {
    OpenFixture f;
    WriteSet(f.dir.path(), "moors");
    QFile::remove(f.dir.filePath("moors-u1.bmp"));
    EXPECT_EQ(f.open(f.save(FullBattle(), "full.scn")), OpenOutcome::SetFailed);
    EXPECT_EQ(f.log.texts(), QStringList{"Unit File Load Error."});
}
