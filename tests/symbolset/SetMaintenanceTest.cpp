#include "SetFixtures.h"

#include "HexGeometry.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

const QStringList kElevenSuffixes{".set",    "-t1.bmp", "-t2.bmp", "-t3.bmp", "-u1.bmp", "-u2.bmp",
                                  "-u3.bmp", "-m1.bmp", "-m2.bmp", "-m3.bmp", ".sdx"};

} // namespace

TEST(NewSet, RealHexSetWithSizes5_15_25) {
    QTemporaryDir dir;
    SymbolSet set;
    ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutVertical, true, {5, 15, 25}).ok);
    EXPECT_EQ(set.setPath, dir.path() + "/new.set");
    for (const QString& suffix : kElevenSuffixes)
        EXPECT_TRUE(QFile::exists(dir.path() + "/new" + suffix)) << suffix.toStdString();

    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    ASSERT_EQ(read.count(SymbolKind::Terrain), 1);
    ASSERT_EQ(read.count(SymbolKind::Mask), 1);
    EXPECT_EQ(read.count(SymbolKind::Unit), 0);
    const SymbolRecord& blank = read.record(SymbolKind::Terrain, 1);
    EXPECT_EQ(blank.name, QByteArray("Blank"));
    EXPECT_EQ(blank.maskIndex, 1);
    const std::array<CellRect, 3> cells{CellRect{0, 0, 4, 4}, CellRect{0, 0, 14, 14},
                                        CellRect{0, 0, 24, 24}};
    EXPECT_EQ(blank.cells, cells);
    EXPECT_EQ(read.record(SymbolKind::Mask, 1).cells, cells);
    EXPECT_EQ(read.contents.bitmapSize(SymbolKind::Unit, 3), QSize(1, 1));
    EXPECT_EQ(read.contents.bitmapSize(SymbolKind::Mask, 3), QSize(25, 25));
    EXPECT_EQ(ReadFileBytes(dir.path() + "/new.sdx"), QByteArray("1\r\n"));
    EXPECT_EQ(read.rowCapacity, (std::array<int, 3>{250, 250, 250}));

    // "Blank" is a white hexagon on a transparent ground; the mask is its inverse.
    LevelPictures pictures;
    bool transparent = true;
    ASSERT_TRUE(LoadSymbol(read, SymbolKind::Terrain, 1, pictures, transparent).ok);
    const QImage hex = HexMask(15, LayoutVertical);
    QImage masks;
    ASSERT_TRUE(read.LoadBitmap(SymbolKind::Mask, 2, masks).ok);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            ASSERT_EQ(pictures[1].pixel(x, y), hex.pixel(x, y) == kBlack ? kWhite : kBlack);
            ASSERT_EQ(masks.pixel(x, y), hex.pixel(x, y));
        }
    EXPECT_EQ(read.hexShapes[2].pixel(12, 12), kWhite);
    EXPECT_EQ(read.hexShapes[2].pixel(0, 0), kBlack);
}

TEST(NewSet, PlainSetHasNoMasks) {
    QTemporaryDir dir;
    SymbolSet set;
    ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutGrid, false, {10, 20, 30}).ok);
    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    EXPECT_EQ(read.count(SymbolKind::Mask), 0);
    EXPECT_EQ(read.record(SymbolKind::Terrain, 1).maskIndex, 0);
    EXPECT_EQ(read.layout(), LayoutGrid);
    EXPECT_FALSE(CreateNewSet(set, dir.path(), LayoutGrid, false, {10, 20, 121}).ok);
}

TEST(CopySet, CopiesElevenFilesAndSkipsMissingOnes) {
    QTemporaryDir dir;
    SymbolSet set = MakeSet(dir.path(), 3, 2, {10, 20, 30}, 250, "src");
    ASSERT_TRUE(SaveSetTo(set, dir.path() + "/src.set", dir.path() + "/dst.set").ok);
    EXPECT_EQ(set.setPath, dir.path() + "/dst.set");
    for (const QString& suffix : kElevenSuffixes)
        EXPECT_EQ(ReadFileBytes(dir.path() + "/dst" + suffix),
                  ReadFileBytes(dir.path() + "/src" + suffix))
            << suffix.toStdString();

    ASSERT_TRUE(QFile::remove(dir.path() + "/src.sdx"));
    ASSERT_TRUE(SaveSetTo(set, dir.path() + "/src.set", dir.path() + "/nosdx.set").ok);
    EXPECT_TRUE(QFile::exists(dir.path() + "/nosdx-m3.bmp"));
    EXPECT_FALSE(QFile::exists(dir.path() + "/nosdx.sdx"));

    // Onto itself: left as it is.
    const QByteArray before = ReadFileBytes(dir.path() + "/dst.set");
    ASSERT_TRUE(SaveSetTo(set, dir.path() + "/dst.set", dir.path() + "/dst.set").ok);
    EXPECT_EQ(ReadFileBytes(dir.path() + "/dst.set"), before);
}

TEST(ResetOrder, IdentityForBothKinds) {
    QTemporaryDir dir;
    SymbolSet set = MakeSet(dir.path(), 3, 2, {10, 20, 30});
    set.terrainOrder = {2, 3, 1};
    set.unitOrder = {2, 1};
    ASSERT_TRUE(ResetOrder(set).ok);
    EXPECT_EQ(ReadFileBytes(set.filePath(".sdx")), QByteArray("1\r\n2\r\n3\r\n1\r\n2\r\n"));
}

TEST(Optimise, RowLengthIsTheIntegerSquareRoot) {
    EXPECT_EQ(TargetRowLength(250), 250);
    EXPECT_EQ(TargetRowLength(251), 15);
    EXPECT_EQ(TargetRowLength(300), 17);
    EXPECT_EQ(TargetRowLength(324), 18);
    EXPECT_EQ(TargetRowLength(2000), 44);
}

TEST(Optimise, ThreeHundredTerrainSymbolsPackTo425By450) {
    QTemporaryDir dir;
    SymbolSet set = MakeSet(dir.path(), 300, 0, {10, 15, 25});
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Terrain, 3), QSize(250 * 25, 50));
    EXPECT_EQ(PackedSize(set, SymbolKind::Terrain, 3, 17), QSize(425, 450));
    EXPECT_TRUE(OptimiseWorthwhile(set, SymbolKind::Terrain));
    EXPECT_FALSE(OptimiseWorthwhile(set, SymbolKind::Unit));

    int calls = 0;
    ASSERT_TRUE(OptimiseSet(set, {true, false, false}, [&](const OptimiseProgress& p) {
                    ++calls;
                    EXPECT_EQ(p.total, 300);
                }).ok);
    EXPECT_EQ(calls, 900);
    EXPECT_EQ(set.rowCapacity[0], 17);
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Terrain, 3), QSize(425, 450));
    EXPECT_EQ(set.record(SymbolKind::Terrain, 18).cells[2], (CellRect{0, 25, 24, 49}));
    for (int n : {1, 17, 18, 150, 300})
        EXPECT_EQ(CellCentre(set, SymbolKind::Terrain, n, 3), ColourOf(SymbolKind::Terrain, n))
            << n;

    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    EXPECT_EQ(read.rowCapacity[0], 17);
    EXPECT_EQ(read.contents.records, set.contents.records);
    EXPECT_FALSE(OptimiseWorthwhile(read, SymbolKind::Terrain));
}

TEST(Optimise, ClosesTheGapOfARemovedSymbol) {
    QTemporaryDir dir;
    SymbolSet set = MakeSet(dir.path(), 4, 0, {10, 15, 25});
    ASSERT_TRUE(RemoveSymbol(set, SymbolKind::Terrain, 2).ok);
    ASSERT_TRUE(OptimiseSet(set, {true, false, false}).ok);
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Terrain, 1), QSize(30, 10));
    EXPECT_EQ(set.record(SymbolKind::Terrain, 2).cells[0], (CellRect{10, 0, 19, 9}));
    EXPECT_EQ(CellCentre(set, SymbolKind::Terrain, 2, 1), ColourOf(SymbolKind::Terrain, 3));
    EXPECT_EQ(CellCentre(set, SymbolKind::Terrain, 3, 2), ColourOf(SymbolKind::Terrain, 4));
}

TEST(Optimise, MasksFollowTheirSymbols) {
    QTemporaryDir dir;
    SymbolSet set;
    ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutVertical, false, {10, 15, 25}).ok);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            AddSymbol(set, SymbolKind::Unit, "u", {Square(6), Square(8), Square(10)}, qRgb(9, 9, 9))
                .ok);
    LevelPictures pictures;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(set, SymbolKind::Unit, 3, pictures, transparent).ok);
    pictures[2].setPixel(0, 0, qRgb(0, 0, 0));
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 3, pictures, true).ok);
    ASSERT_TRUE(OptimiseSet(set, {true, true, true}).ok);
    QImage masks;
    ASSERT_TRUE(set.LoadBitmap(SymbolKind::Mask, 3, masks).ok);
    const QRect cell = set.record(SymbolKind::Mask, 1).cells[2].rect();
    EXPECT_EQ(masks.pixel(cell.topLeft()), kWhite);
    EXPECT_EQ(masks.pixel(cell.topLeft() + QPoint(1, 0)), kBlack);
    EXPECT_EQ(CellCentre(set, SymbolKind::Unit, 3, 3), qRgb(9, 9, 9));
}
