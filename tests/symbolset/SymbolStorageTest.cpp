#include "SetFixtures.h"

#include "HexGeometry.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
const QRgb kFill = qRgb(255, 0, 255);

std::array<QSize, kLevelCount> UnitSizes(int a, int b, int c) {
    return {Square(a), Square(b), Square(c)};
}

// Pictures of a unit: an opaque square of `colour` with a pure black (transparent) border.
LevelPictures FramedPictures(const SymbolSet& set, int unit, QRgb colour) {
    LevelPictures pictures;
    for (int level = 1; level <= kLevelCount; ++level) {
        const QSize size = set.record(SymbolKind::Unit, unit).cells[level - 1].size();
        pictures[level - 1] = SymbolSet::NewPicture(size, kBlack);
        for (int y = 1; y < size.height() - 1; ++y)
            for (int x = 1; x < size.width() - 1; ++x)
                pictures[level - 1].setPixel(x, y, colour);
    }
    return pictures;
}

QImage MaskPicture(const SymbolSet& set, int mask, int level) {
    QImage bitmap;
    EXPECT_TRUE(set.LoadBitmap(SymbolKind::Mask, level, bitmap).ok);
    return bitmap.copy(set.record(SymbolKind::Mask, mask).cells[level - 1].rect());
}

class SymbolStorage : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SymbolSet set;

    void NewSet(bool realHex, std::array<int, kLevelCount> sizes = {5, 15, 25}) {
        ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutVertical, realHex, sizes).ok);
    }
    void AddUnit(const QByteArray& name, int a, int b, int c) {
        const SetResult r = AddSymbol(set, SymbolKind::Unit, name, UnitSizes(a, b, c), kFill);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
    }
    // The files on disk say what the tables say.
    void ExpectFilesMatch() {
        SymbolSet read;
        const SetResult r = read.Read(set.setPath);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(read.contents.records, set.contents.records);
        EXPECT_EQ(read.terrainOrder, set.terrainOrder);
        EXPECT_EQ(read.unitOrder, set.unitOrder);
    }
};

} // namespace

TEST_F(SymbolStorage, FirstUnitReplacesThePlaceholderBitmaps) {
    NewSet(true);
    AddUnit("Foot", 8, 20, 30);
    const SymbolRecord& unit = set.record(SymbolKind::Unit, 1);
    EXPECT_EQ(unit.cells[0], (CellRect{0, 0, 7, 7}));
    EXPECT_EQ(unit.cells[2], (CellRect{0, 0, 29, 29}));
    EXPECT_EQ(unit.maskIndex, 0);
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Unit, 2), QSize(20, 20));
    EXPECT_EQ(set.unitOrder, (std::vector<int>{1}));
    EXPECT_EQ(CellCentre(set, SymbolKind::Unit, 1, 3), kFill);
    ExpectFilesMatch();

    AddUnit("Horse", 10, 22, 34); // same row, the first row grows by the new width
    EXPECT_EQ(set.record(SymbolKind::Unit, 2).cells[0], (CellRect{8, 0, 17, 9}));
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Unit, 1), QSize(18, 10));
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, The251stSymbolStartsASecondRow) {
    NewSet(false);
    for (int i = 1; i <= 251; ++i) {
        const int tall = i == 100 ? 9 : 4;
        ASSERT_TRUE(
            AddSymbol(set, SymbolKind::Unit, "u", {Square(3), QSize(3, tall), Square(2)}, kFill)
                .ok);
    }
    const CellRect second = set.record(SymbolKind::Unit, 251).cells[1];
    EXPECT_EQ(second, (CellRect{0, 9, 2, 12})); // one pixel below the tallest cell of row one
    EXPECT_EQ(set.record(SymbolKind::Unit, 250).cells[1].left, 249 * 3);
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Unit, 2), QSize(750, 13));
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, RealHexTerrainCellsAreTheFillInsideTheHexagon) {
    NewSet(true);
    ASSERT_TRUE(AddSymbol(set, SymbolKind::Terrain, "Woods", {}, kFill).ok);
    const SymbolRecord& woods = set.record(SymbolKind::Terrain, 2);
    EXPECT_EQ(woods.maskIndex, 1);
    EXPECT_EQ(woods.cells[1], (CellRect{15, 0, 29, 14}));
    LevelPictures pictures;
    bool transparent = true;
    ASSERT_TRUE(LoadSymbol(set, SymbolKind::Terrain, 2, pictures, transparent).ok);
    EXPECT_FALSE(transparent); // the shared hex mask is no transparency of its own
    const QImage hex = HexMask(15, LayoutVertical);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(pictures[1].pixel(x, y), hex.pixel(x, y) == kBlack ? kFill : kBlack)
                << x << "," << y;
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, MaskLifeCycleKeepsNumbersDense) {
    NewSet(true);
    AddUnit("Foot", 6, 12, 18);
    AddUnit("Horse", 6, 12, 18);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 1, FramedPictures(set, 1, kFill), true).ok);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 2, FramedPictures(set, 2, kWhite), true).ok);
    ASSERT_EQ(set.count(SymbolKind::Mask), 3);
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).maskIndex, 2);
    EXPECT_EQ(set.record(SymbolKind::Unit, 2).maskIndex, 3);
    EXPECT_EQ(set.record(SymbolKind::Mask, 3).name, QByteArray("XIMG"));
    const QImage mask = MaskPicture(set, 2, 2);
    EXPECT_EQ(mask.pixel(0, 0), kWhite); // transparent border
    EXPECT_EQ(mask.pixel(5, 5), kBlack);
    LevelPictures loaded;
    bool transparent = false;
    ASSERT_TRUE(LoadSymbol(set, SymbolKind::Unit, 1, loaded, transparent).ok);
    EXPECT_TRUE(transparent);
    EXPECT_EQ(loaded[2].pixel(4, 4), kFill);
    ExpectFilesMatch();

    // Transparency off: mask 2 is hatched and removed, mask 3 becomes 2.
    const CellRect removedCell = set.record(SymbolKind::Mask, 2).cells[2];
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 1, FramedPictures(set, 1, kFill), false).ok);
    EXPECT_EQ(set.count(SymbolKind::Mask), 2);
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).maskIndex, 0);
    EXPECT_EQ(set.record(SymbolKind::Unit, 2).maskIndex, 2);
    QImage masks;
    ASSERT_TRUE(set.LoadBitmap(SymbolKind::Mask, 3, masks).ok);
    const QImage hatched = masks.copy(removedCell.rect());
    int black = 0;
    for (int y = 0; y < hatched.height(); ++y)
        for (int x = 0; x < hatched.width(); ++x)
            black += hatched.pixel(x, y) == kBlack;
    EXPECT_GT(black, removedCell.width());                 // lines drawn over the old mask
    EXPECT_EQ(MaskPicture(set, 2, 2).pixel(0, 0), kWhite); // Horse's mask moved with its number
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, CopyGetsItsOwnMask) {
    NewSet(false);
    AddUnit("Archers", 6, 12, 18);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 1, FramedPictures(set, 1, kFill), true).ok);
    const QImage sourceMask = MaskPicture(set, 1, 3);
    ASSERT_TRUE(CopySymbol(set, SymbolKind::Unit, 1, "Archers 2").ok);
    const SymbolRecord& copy = set.record(SymbolKind::Unit, 2);
    EXPECT_EQ(copy.name, QByteArray("Archers 2"));
    EXPECT_EQ(copy.maskIndex, 2);
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).maskIndex, 1);
    EXPECT_EQ(MaskPicture(set, 2, 3), sourceMask);
    EXPECT_EQ(MaskPicture(set, 1, 3), sourceMask);
    EXPECT_EQ(CellCentre(set, SymbolKind::Unit, 2, 2), kFill);
    EXPECT_EQ(set.unitOrder, (std::vector<int>{1, 2}));
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, RemoveMovesLaterRecordsDownAndHatches) {
    SymbolSet made = MakeSet(dir.path(), 3, 0, {10, 20, 30});
    set = made;
    set.terrainOrder = {3, 1, 2};
    const CellRect removed = set.record(SymbolKind::Terrain, 2).cells[0];
    ASSERT_TRUE(RemoveSymbol(set, SymbolKind::Terrain, 2).ok);
    EXPECT_EQ(set.count(SymbolKind::Terrain), 2);
    EXPECT_EQ(set.record(SymbolKind::Terrain, 2).name, QByteArray("sym3"));
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{2, 1}));
    EXPECT_EQ(CellCentre(set, SymbolKind::Terrain, 2, 1), ColourOf(SymbolKind::Terrain, 3));
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Terrain, 1), QSize(30, 10)); // never shrinks
    QImage bitmap;
    ASSERT_TRUE(set.LoadBitmap(SymbolKind::Terrain, 1, bitmap).ok);
    const QImage cell = bitmap.copy(removed.rect());
    bool hatch = false, kept = false;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            hatch |= cell.pixel(x, y) == kBlack;
            kept |= cell.pixel(x, y) == ColourOf(SymbolKind::Terrain, 2);
        }
    EXPECT_TRUE(hatch);
    EXPECT_TRUE(kept);
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, RemovingASymbolWithAMaskRemovesTheMask) {
    NewSet(false);
    AddUnit("a", 6, 6, 6);
    AddUnit("b", 6, 6, 6);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 1, FramedPictures(set, 1, kFill), true).ok);
    ASSERT_TRUE(StoreSymbol(set, SymbolKind::Unit, 2, FramedPictures(set, 2, kFill), true).ok);
    ASSERT_TRUE(RemoveSymbol(set, SymbolKind::Unit, 1).ok);
    EXPECT_EQ(set.count(SymbolKind::Mask), 1);
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).name, QByteArray("b"));
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).maskIndex, 1);
    ExpectFilesMatch();
}

TEST_F(SymbolStorage, RefusesBadNumbersAndFullTables) {
    NewSet(false);
    LevelPictures pictures;
    bool transparent = false;
    EXPECT_FALSE(LoadSymbol(set, SymbolKind::Terrain, 2, pictures, transparent).ok);
    EXPECT_FALSE(RemoveSymbol(set, SymbolKind::Unit, 1).ok);
    EXPECT_FALSE(CopySymbol(set, SymbolKind::Terrain, 0, "x").ok);
    set.table(SymbolKind::Unit).resize(kMaxEntries);
    EXPECT_FALSE(AddSymbol(set, SymbolKind::Unit, "x", UnitSizes(4, 4, 4), kFill).ok);
}

TEST_F(SymbolStorage, WriteFailureIsReportedAndChangesNothing) {
    NewSet(false);
    const auto before = set.contents.records;
    set.setPath = dir.path() + "/missing-folder/new.set";
    const SetResult r = AddSymbol(set, SymbolKind::Unit, "x", UnitSizes(4, 4, 4), kFill);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains("missing-folder"));
    EXPECT_EQ(set.contents.records, before);
}
