#include "BattleList.h"
#include "BattleFile.h"
#include "BattleTestSupport.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ListFolder {
    QTemporaryDir dir;
    QStringList recent;
    // A battle file that exists.
    QString battle(const QString& name) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    void record(const QString& path) { RecordInBattleList(recent, path, dir.path(), nullptr); }
    QByteArray listBytes() const {
        QFile f(dir.filePath("battle.lst"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST(BattleList, MissingListIsEmpty) {
    QTemporaryDir dir;
    EXPECT_TRUE(LoadBattleList(dir.path()).isEmpty());
}

TEST(BattleList, NewPathsGoFirstAndTheFileHoldsCountAndPaths) {
    ListFolder f;
    const QString a = f.battle("a.scn"), b = f.battle("b.scn");
    f.record(a);
    EXPECT_EQ(f.recent, QStringList{a});
    f.record(b);
    EXPECT_EQ(f.recent, (QStringList{b, a}));
    const QByteArray expected = QByteArray(1, '\2') + b.toUtf8() + '\0' + a.toUtf8() + '\0';
    EXPECT_EQ(f.listBytes(), expected);
    EXPECT_EQ(LoadBattleList(f.dir.path()), (QStringList{b, a}));
}

TEST(BattleList, RecordingAListedPathKeepsTheOrder) {
    ListFolder f;
    const QString a = f.battle("a.scn"), b = f.battle("b.scn"), c = f.battle("c.scn");
    f.record(a);
    f.record(b);
    f.record(c);
    f.record(a);
    EXPECT_EQ(f.recent, (QStringList{c, b, a}));
    const QString other = f.battle("A.scn"); // letter case counts
    f.record(other);
    EXPECT_EQ(f.recent, (QStringList{other, c, b, a}));
}

TEST(BattleList, SixthPathDropsTheOldest) {
    ListFolder f;
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths.append(f.battle(QString("b%1.scn").arg(i)));
        f.record(paths.last());
    }
    EXPECT_EQ(f.recent, (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    EXPECT_EQ(uint8_t(f.listBytes()[0]), 5);
}

TEST(BattleList, DeletedFilesAreDroppedAtTheNextLoad) {
    ListFolder f;
    const QString a = f.battle("a.scn"), b = f.battle("b.scn"), c = f.battle("c.scn");
    f.record(a);
    f.record(b);
    f.record(c);
    QFile::remove(b);
    EXPECT_EQ(LoadBattleList(f.dir.path()), (QStringList{c, a}));
    const QString d = f.battle("d.scn");
    f.record(d);
    EXPECT_EQ(f.recent, (QStringList{d, c, a}));
}

TEST(BattleList, DamagedListKeepsWhatCameBefore) {
    ListFolder f;
    const QString a = f.battle("a.scn");
    QFile list(f.dir.filePath("battle.lst"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(1, '\5') + a.toUtf8() + '\0' + QByteArray(300, 'x'));
    list.close();
    EXPECT_EQ(LoadBattleList(f.dir.path()), QStringList{a});

    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(1, '\3') + a.toUtf8()); // ends inside the first entry
    list.close();
    EXPECT_TRUE(LoadBattleList(f.dir.path()).isEmpty());
}

TEST(BattleList, PathTooLongForTheListIsNotRecorded) {
    ListFolder f;
    const QString a = f.battle("a.scn");
    f.record(a);
    f.record("/" + QString(300, 'p') + ".scn");
    EXPECT_EQ(f.recent, QStringList{a});
}

TEST(BattleList, AFullDiskKeepsTheOldListAndSaysSo) {
    ListFolder f;
    const QString a = f.battle("a.scn"), b = f.battle("b.scn");
    f.record(a);
    const QByteArray old = f.listBytes();
    QStringList messages;
    {
        const FileSizeLimit fullDisk(old.size() + 4); // the longer list does not fit
        RecordInBattleList(f.recent, b, f.dir.path(),
                           [&](const QString&, const QString& text) { messages << text; });
    }
    EXPECT_EQ(f.listBytes(), old);
    EXPECT_EQ(f.recent, QStringList{a});
    EXPECT_EQ(messages.size(), 1);
}

TEST(BattleSave, AFullDiskCannotCutASmallFileShort) {
    // A file smaller than any write buffer: the count written must still reveal the cut.
    QTemporaryDir dir;
    const QString path = dir.filePath("small.scn");
    Battle first = NewBattle(10, 10);
    ASSERT_TRUE(WriteBattleFile(path, first, Definitions{}, 0, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    Battle second = NewBattle(12, 12);
    bool written = true;
    {
        const FileSizeLimit fullDisk(rlim_t(old.size() / 2));
        written = WriteBattleFile(path, second, Definitions{}, 0, nullptr);
    }
    EXPECT_FALSE(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST(TypedFileNames, ABattleNameTypedWithoutItsExtensionIsFound) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Ford.SCN"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(ExistingFileForTypedName(dir.filePath("Ford"), ".scn"), dir.filePath("Ford.SCN"));
    EXPECT_EQ(ExistingFileForTypedName(dir.filePath("ford"), ".scn"), dir.filePath("Ford.SCN"));
    EXPECT_EQ(ExistingFileForTypedName(dir.filePath("gone"), ".scn"), dir.filePath("gone"));
    EXPECT_EQ(ExistingFileForTypedName(dir.filePath("Ford.SCN"), ".scn"), dir.filePath("Ford.SCN"));
}

// Two editors share the list file: recording in one keeps what the other recorded since.
TEST(BattleList, RecordingMergesWithTheListOnDisk) {
    ListFolder f;
    const QString a = f.battle("a.scn"), b = f.battle("b.scn"), c = f.battle("c.scn");
    f.record(a); // this editor's list: a
    QStringList other = LoadBattleList(f.dir.path());
    RecordInBattleList(other, b, f.dir.path(), nullptr); // the second editor saves b
    f.record(c);
    EXPECT_EQ(f.recent, (QStringList{c, b, a}));
    EXPECT_EQ(LoadBattleList(f.dir.path()), (QStringList{c, b, a}));
}
