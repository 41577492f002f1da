// The guards of an open battle file: its stamp, the lock beside it, and the preferences
// and attribute sources that follow the battles opened and saved.

#include "BattleFileGuard.h"
#include "BattleFile.h"
#include "BattlePreferences.h"
#include "BattleTestSupport.h"
#include "NewBattleAttrs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(BattleFileStamp, AnyChangeOfTheFileIsSeen) {
    QTemporaryDir dir;
    const QString path = dir.filePath("b.scn");
    Write(path, "battle bytes");
    const BattleFileStamp stamp = StampOfFile(path);
    EXPECT_TRUE(stamp.exists);
    EXPECT_EQ(stamp, StampOfBytes(path, "battle bytes"));
    EXPECT_FALSE(ChangedSince(path, stamp));

    // Same size and, restored, the same time: only the digest tells.
    const QDateTime time = stamp.modified;
    Write(path, "battle BYTES");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(ChangedSince(path, stamp));
    Write(path, "battle bytes, longer");
    EXPECT_TRUE(ChangedSince(path, stamp));
    QFile::remove(path);
    EXPECT_TRUE(ChangedSince(path, stamp)) << "removed";
    EXPECT_FALSE(ChangedSince(path, StampOfFile(path))) << "missing then, missing now";
    Write(path, "new");
    EXPECT_TRUE(ChangedSince(path, BattleFileStamp{})) << "made since";
}

TEST(BattleLock, SecondHolderIsRefusedUntilReleasedAndADeadHoldersLockIsTaken) {
    QTemporaryDir dir;
    const QString path = dir.filePath("b.scn");
    Write(path, "x");
    BattleLock first, second;
    ASSERT_TRUE(first.Take(path));
    EXPECT_TRUE(QFile::exists(BattleLockPath(path)));
    QString holder;
    EXPECT_FALSE(second.Take(path, &holder));
    EXPECT_TRUE(holder.contains(QString::number(QCoreApplication::applicationPid())))
        << holder.toStdString();
    first.Release();
    EXPECT_FALSE(QFile::exists(BattleLockPath(path)));
    EXPECT_TRUE(second.Take(path));
    second.Release();

    // A lock left by a process that has ended (a crash) is stale.
    const pid_t child = fork();
    if (child == 0) {
        BattleLock crashed;
        crashed.Take(path);
        _exit(0); // ends without releasing
    }
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(QFile::exists(BattleLockPath(path)));
    EXPECT_TRUE(first.Take(path));
}

TEST(BattlePreferences, EveryPreferenceSurvivesTheFileAndAnUpdateKeepsTheOthers) {
    BattlePreferences p;
    p.mapScale = 2;
    p.window = QRect(-20, 30, 900, 700);
    p.maximised = true;
    p.pickerAt = QPoint(1200, 40);
    p.secondaryListTop = 17;
    p.lastBattleOnSet["varnholm"] = "/home/d/Battles/ford é.scn";
    EXPECT_EQ(ParseBattlePreferences(FormatBattlePreferences(p)), p);
    EXPECT_EQ(ParseBattlePreferences("Window=1,2,0,5\nTerrainPicker=x,3\nMapScale=9\n"),
              BattlePreferences{});

    QTemporaryDir dir;
    ASSERT_TRUE(WriteBattlePreferences(dir.path(), p));
    ASSERT_TRUE(UpdateBattlePreferences(dir.path(), [](BattlePreferences& q) { q.mapScale = 3; }));
    BattlePreferences expected = p;
    expected.mapScale = 3;
    EXPECT_EQ(ReadBattlePreferences(dir.path()), expected);
}

// With no battle shown a new battle takes the attributes of the last battle on its set,
// else of the stock sample for the stock set, else none; the text says which.
TEST(NewBattleAttrs, SourcesInOrder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Battles");
    const auto write = [&](const QString& name, const char* terrain) {
        Battle b = NewBattle();
        b.terrainAttrs[0].name = terrain;
        b.terrainAttrs[0].costPerMove = 3;
        const QString path = dir.filePath("Battles/" + name);
        EXPECT_TRUE(WriteBattleFile(path, b, SmallDefinitions(), 2, nullptr));
        return path;
    };
    BattlePreferences prefs;
    EXPECT_EQ(ChooseNewBattleAttrs(true, "varnholm", prefs, dir.path()).text,
              "From the battle shown");
    EXPECT_FALSE(ChooseNewBattleAttrs(true, "varnholm", prefs, dir.path()).attrs);

    NewBattleAttrs none = ChooseNewBattleAttrs(false, "varnholm", prefs, dir.path());
    EXPECT_EQ(none.text, "None: every cost is 0");
    ASSERT_TRUE(none.attrs);
    EXPECT_EQ((*none.attrs)[0], TerrainAttr{});

    write("sample.scn", "Meadow");
    NewBattleAttrs sample = ChooseNewBattleAttrs(false, "Varnholm", prefs, dir.path());
    EXPECT_EQ(sample.text, "From the sample battle sample.scn");
    ASSERT_TRUE(sample.attrs);
    EXPECT_EQ((*sample.attrs)[0].name.text(), "Meadow");
    EXPECT_EQ(ChooseNewBattleAttrs(false, "other", prefs, dir.path()).text,
              "None: every cost is 0");

    const QString last = write("mine.scn", "Heath");
    ASSERT_TRUE(RememberBattleOnSet(dir.path(), "VARNHOLM", last));
    prefs = ReadBattlePreferences(dir.path());
    NewBattleAttrs mine = ChooseNewBattleAttrs(false, "varnholm", prefs, dir.path());
    EXPECT_EQ(mine.text, "From mine.scn, the last battle on this set");
    EXPECT_EQ((*mine.attrs)[0].name.text(), "Heath");
    EXPECT_EQ((*mine.attrs)[0].costPerMove, 3);
    // A last battle gone or damaged is passed over for the sample.
    Write(last, "damaged");
    EXPECT_EQ(ChooseNewBattleAttrs(false, "varnholm", prefs, dir.path()).text,
              "From the sample battle sample.scn");
}

} // namespace
