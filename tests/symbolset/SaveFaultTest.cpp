// Saves that fail part-way, as on a full disk: the files written before are whole, the
// file being written keeps its old bytes, the failure names the file, and the tables in
// memory still describe the files on disk.
#include "SetFixtures.h"

#include "AtomicWrite.h"
#include "FileSizeLimit.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Snapshot = std::map<QString, QByteArray>;

Snapshot TakeSnapshot(const QString& folder) {
    Snapshot files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = ReadFileBytes(folder + "/" + name);
    return files;
}

// The names of the files that differ between two snapshots (changed, new or gone).
QStringList Changed(const Snapshot& before, const Snapshot& after) {
    QStringList names;
    for (const auto& [name, bytes] : after)
        if (!before.count(name) || before.at(name) != bytes)
            names << name;
    for (const auto& [name, bytes] : before)
        if (!after.count(name))
            names << name;
    return names;
}

class FullDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SymbolSet set;

    void SetUp() override {
        // Terrain bitmaps of some kilobytes, so that a limit of 2000 bytes stops them.
        set = MakeSet(dir.path(), 12, 3, {10, 20, 30});
    }
    // Runs `operation` with at most `bytes` per file and expects it to fail with the
    // folder unchanged and the tables as they were.
    template <typename Operation>
    void ExpectRefusedWithNothingChanged(Operation operation, int bytes = 2000) {
        const Snapshot before = TakeSnapshot(dir.path());
        const auto records = set.contents.records;
        SetResult result;
        {
            const FileSizeLimit fullDisk{rlim_t(bytes)};
            result = operation();
        }
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.contains(dir.path())) << result.message.toStdString();
        EXPECT_EQ(Changed(before, TakeSnapshot(dir.path())), QStringList())
            << "every file keeps its old bytes, no file is left over";
        EXPECT_EQ(set.contents.records, records);
        SymbolSet read;
        EXPECT_TRUE(read.Read(set.setPath).ok);
    }
};

} // namespace

TEST_F(FullDisk, AddingACellKeepsTheOldBitmapsAndTables) {
    ExpectRefusedWithNothingChanged(
        [&] { return AddSymbol(set, SymbolKind::Terrain, "late", {}, qRgb(1, 2, 3)); });
}

TEST_F(FullDisk, StoringAPictureKeepsTheOldBitmap) {
    LevelPictures pictures;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(set, SymbolKind::Terrain, 2, pictures, transparent).ok);
    for (QImage& p : pictures)
        p.fill(qRgb(200, 10, 10));
    ExpectRefusedWithNothingChanged(
        [&] { return StoreSymbol(set, SymbolKind::Terrain, 2, pictures, false); });
}

TEST_F(FullDisk, OptimisingKeepsTheOldBitmaps) {
    ExpectRefusedWithNothingChanged([&] { return OptimiseSet(set, {true, true, false}); });
}

TEST_F(FullDisk, OptimiseFailingAtTheSetFileLeavesEveryPictureInPlace) {
    // Small bitmaps and a large ".set": the repacked bitmaps fit, the ".set" does not.
    set = MakeSet(dir.path(), 40, 0, {2, 2, 2}, 4);
    std::vector<QRgb> colours;
    for (int number = 1; number <= 40; ++number)
        colours.push_back(CellCentre(set, SymbolKind::Terrain, number, 1));
    ExpectRefusedWithNothingChanged([&] { return OptimiseSet(set, {true, false, false}); }, 1500);
    // The next ordinary save writes the tables as they are in memory.
    ASSERT_TRUE(set.WriteSetFile().ok);
    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    for (int number = 1; number <= 40; ++number)
        EXPECT_EQ(CellCentre(read, SymbolKind::Terrain, number, 1), colours[number - 1]) << number;
}

TEST_F(FullDisk, WritingTheSetFileKeepsTheOldOne) {
    set.table(SymbolKind::Terrain)[0].name = "renamed";
    const Snapshot before = TakeSnapshot(dir.path());
    SetResult result;
    {
        const FileSizeLimit fullDisk(100); // the ".set" needs more, the bitmaps are not written
        result = set.WriteSetFile();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("test.set"));
    EXPECT_EQ(Changed(before, TakeSnapshot(dir.path())), QStringList());
}

TEST_F(FullDisk, CopyingASetStopsAtTheFirstFileThatDoesNotFit) {
    SymbolSet copy = set;
    SetResult result;
    {
        const FileSizeLimit fullDisk(2000);
        result = SaveSetTo(copy, set.setPath, dir.path() + "/copy.set");
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(copy.setPath, set.setPath);                  // the open set is still the source
    EXPECT_FALSE(QFile::exists(dir.path() + "/copy.set")); // no description of missing bitmaps
}

TEST_F(FullDisk, NewSetInAMissingFolderIsRefused) {
    SymbolSet made;
    const SetResult result =
        CreateNewSet(made, dir.path() + "/gone", LayoutVertical, true, {5, 10, 15});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("gone"));
    EXPECT_TRUE(made.setPath.isEmpty());
}

TEST(AtomicWrite, AFailedBitmapLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/region.bmp";
    ASSERT_TRUE(WriteBitmapAtomically(path, SymbolSet::NewPicture(QSize(4, 4), qRgb(9, 9, 9))).ok);
    const QByteArray old = ReadFileBytes(path);
    SetResult result;
    {
        const FileSizeLimit fullDisk(1000);
        result = WriteBitmapAtomically(path, SymbolSet::NewPicture(QSize(100, 100), qRgb(1, 1, 1)));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"region.bmp"});
}
