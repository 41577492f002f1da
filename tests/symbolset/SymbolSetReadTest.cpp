#include "SetFixtures.h"

#include "SdxFile.h"
#include "SymbolSet.h"

#include <QDir>
#include <QFile>

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

namespace {

class SymbolSetRead : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.path() + "/" + name; }
};

} // namespace

TEST_F(SymbolSetRead, WritesAndReadsBackTheSameBytes) {
    const SymbolSet set = MakeSet(dir.path(), 3, 2, {10, 20, 30});
    const QByteArray setBytes = ReadFileBytes(set.setPath);
    const QByteArray orderBytes = ReadFileBytes(set.filePath(".sdx"));
    EXPECT_EQ(orderBytes, QByteArray("1\r\n2\r\n3\r\n1\r\n2\r\n"));
    SymbolSet again;
    ASSERT_TRUE(again.Read(set.setPath).ok);
    ASSERT_TRUE(again.WriteSetFile().ok);
    EXPECT_EQ(ReadFileBytes(set.setPath), setBytes);
    EXPECT_EQ(ReadFileBytes(set.filePath(".sdx")), orderBytes);
    EXPECT_EQ(again.count(SymbolKind::Terrain), 3);
    EXPECT_EQ(again.imageDepth, 24);
    EXPECT_EQ(BmpBitsPerPixel(set.bitmapPath(SymbolKind::Unit, 2)), 24);
    EXPECT_EQ(BmpBitsPerPixel(set.bitmapPath(SymbolKind::Mask, 2)), 1);
}

TEST_F(SymbolSetRead, MissingOrderIsTheIdentityAndIsWritten) {
    SymbolSet set = MakeSet(dir.path(), 3, 2, {10, 20, 30});
    set.terrainOrder = {3, 1, 2};
    ASSERT_TRUE(set.WriteOrder().ok);
    SymbolSet reordered;
    ASSERT_TRUE(reordered.Read(set.setPath).ok);
    EXPECT_EQ(reordered.terrainOrder, (std::vector<int>{3, 1, 2}));

    ASSERT_TRUE(QFile::remove(set.filePath(".sdx")));
    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    EXPECT_EQ(read.terrainOrder, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(read.unitOrder, (std::vector<int>{1, 2}));
    EXPECT_TRUE(QFile::exists(set.filePath(".sdx")));
}

TEST_F(SymbolSetRead, RefusesIncompleteAndUnreadableSets) {
    const SymbolSet set = MakeSet(dir.path(), 2, 0, {10, 20, 30});
    SymbolSet read;
    ASSERT_TRUE(QFile::remove(set.bitmapPath(SymbolKind::Mask, 3)));
    SetResult result = read.Read(set.setPath);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kIncompleteMessage);
    EXPECT_TRUE(read.setPath.isEmpty()); // nothing of it is used

    const SymbolSet other = MakeSet(dir.path(), 2, 0, {10, 20, 30}, 250, "other");
    QFile file(other.setPath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 3));
    file.close();
    result = read.Read(other.setPath);
    EXPECT_EQ(result.message, kNotReadableMessage);
    EXPECT_EQ(read.Read(path("absent.set")).message, kNotReadableMessage);
}

TEST_F(SymbolSetRead, RefusesCellsOutsideTheBitmapFile) {
    const SymbolSet set = MakeSet(dir.path(), 3, 0, {10, 20, 30});
    // A bitmap smaller than the cells the header promises.
    SymbolSet writer = set;
    writer.contents.header.bitmapSizes[0][1] = QSize(40, 20);
    ASSERT_TRUE(writer.SaveBitmap(SymbolKind::Terrain, 2, SymbolSet::NewPicture(QSize(40, 19))).ok);
    SymbolSet read;
    EXPECT_EQ(read.Read(set.setPath).message, kNotReadableMessage);
}

TEST_F(SymbolSetRead, KeepsAnEightBitSetAtEightBits) {
    SymbolSet set = MakeSet(dir.path(), 2, 1, {10, 20, 30});
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, (i * 7) % 256));
    for (int level = 1; level <= 3; ++level) {
        QImage bitmap;
        ASSERT_TRUE(set.LoadBitmap(SymbolKind::Terrain, level, bitmap).ok);
        ASSERT_TRUE(bitmap.convertToFormat(QImage::Format_Indexed8, table)
                        .save(set.bitmapPath(SymbolKind::Terrain, level), "BMP"));
    }
    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    EXPECT_EQ(read.imageDepth, 8);
    QImage units;
    ASSERT_TRUE(read.LoadBitmap(SymbolKind::Unit, 1, units).ok);
    ASSERT_TRUE(read.SaveBitmap(SymbolKind::Unit, 1, units).ok);
    EXPECT_EQ(BmpBitsPerPixel(read.bitmapPath(SymbolKind::Unit, 1)), 8);
}

TEST_F(SymbolSetRead, FindsFilesWhateverTheirCase) {
    const SymbolSet set = MakeSet(dir.path(), 2, 0, {10, 20, 30}, 250, "Mixed");
    ASSERT_TRUE(QFile::rename(set.bitmapPath(SymbolKind::Terrain, 1), path("MIXED-T1.BMP")));
    SymbolSet read;
    ASSERT_TRUE(read.Read(path("mixed.set")).ok);
    EXPECT_EQ(read.bitmapPath(SymbolKind::Terrain, 1), path("MIXED-T1.BMP"));
    QImage bitmap;
    EXPECT_TRUE(read.LoadBitmap(SymbolKind::Terrain, 1, bitmap).ok);
}

TEST(SdxFile, RefusesWhatIsNotAPermutation) {
    std::vector<int> terrain, units;
    EXPECT_TRUE(ParseOrder("2\r\n1\r\n1\r\n", 2, 1, terrain, units));
    EXPECT_EQ(terrain, (std::vector<int>{2, 1}));
    EXPECT_FALSE(ParseOrder("1\r\n1\r\n1\r\n", 2, 1, terrain, units));
    EXPECT_FALSE(ParseOrder("1\r\n2\r\n", 2, 1, terrain, units));
    EXPECT_FALSE(ParseOrder("1\r\nx\r\n1\r\n", 2, 1, terrain, units));
    EXPECT_FALSE(ParseOrder("1\r\n3\r\n1\r\n", 2, 1, terrain, units));
}

TEST(SymbolSetOrder, WithoutItsOrderInAFolderThatCannotBeWrittenTheSetIsStillShown) {
    QTemporaryDir dir;
    const SymbolSet made = MakeSet(dir.path(), 3, 2, {5, 10, 15});
    ASSERT_TRUE(QFile::remove(made.filePath(".sdx")));
    SymbolSet read;
    SetResult r;
    {
        const FileSizeLimit noRoom(1); // the order file cannot be stored
        r = read.Read(made.setPath);
    }
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(read.terrainOrder, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(read.unitOrder, (std::vector<int>{1, 2}));
    EXPECT_TRUE(read.readNotice.contains("could not be stored")) << read.readNotice.toStdString();
}
