#include "GeneratedFolder.h"
#include "HexGeometry.h"
#include "SymbolStorage.h"
#include "VarnholmNumbers.h"

#include <gtest/gtest.h>

#include <set>

// The shipped set, read back through the symbol set library once for all tests.
class VarnholmSet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString folder = GeneratedProgramFolder();
        if (folder.isEmpty())
            return;
        set_ = new SymbolSet;
        readResult_ = set_->Read(folder + "/Battles/varnholm.set");
    }
    static void TearDownTestSuite() {
        delete set_;
        set_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(set_, nullptr) << "the generators did not run";
        ASSERT_TRUE(readResult_.ok) << readResult_.message.toStdString();
    }
    static const SymbolSet& set() { return *set_; }
    static QByteArray TerrainName(int symbol) {
        return set_->record(SymbolKind::Terrain, symbol + 1).name;
    }
    static LevelPictures Pictures(SymbolKind kind, int number, bool& transparent) {
        LevelPictures pictures;
        const SetResult r = LoadSymbol(*set_, kind, number, pictures, transparent);
        EXPECT_TRUE(r.ok) << r.message.toStdString();
        return pictures;
    }
    static QImage MaskCell(int maskNumber, int level) {
        QImage bitmap;
        EXPECT_TRUE(set_->LoadBitmap(SymbolKind::Mask, level, bitmap).ok);
        return bitmap.copy(set_->record(SymbolKind::Mask, maskNumber).cells[level - 1].rect());
    }

private:
    static inline SymbolSet* set_ = nullptr;
    static inline SetResult readResult_;
};

static bool PureBlack(QRgb c) {
    return (c & 0xffffff) == 0;
}

TEST_F(VarnholmSet, IsARealHexVerticalSetOfThreeLevels) {
    EXPECT_EQ(set().layout(), LayoutVertical);
    EXPECT_TRUE(set().realHex());
    EXPECT_FALSE(set().opaque());
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(set().hexSize(level), kVarnholmHexSizes[level - 1]);
        EXPECT_EQ(set().hexSize(level) % 5, 0);
    }
    EXPECT_EQ(set().count(SymbolKind::Terrain), VhTerrainCount);
    EXPECT_GE(set().count(SymbolKind::Terrain), 31);
    EXPECT_EQ(set().count(SymbolKind::Unit), VhUnitCount);
    EXPECT_GE(set().count(SymbolKind::Unit), 16);
}

TEST_F(VarnholmSet, MarkersSitAtTheNumbersANewBattleExpects) {
    // A new battle on this set fills its marker table with these zero-based numbers.
    const std::pair<int, const char*> markers[] = {{7, "Map OverLay"},
                                                   {9, "Objective"},
                                                   {17, "Hot Hex"},
                                                   {18, "Combat Hex"},
                                                   {19, "Legal Move"},
                                                   {20, "Unit Destroyed"},
                                                   {28, "Eastern Reinforcement"},
                                                   {29, "Western Reinforcement"},
                                                   {30, "Caltrops"}};
    for (const auto& [number, name] : markers) {
        EXPECT_EQ(TerrainName(number), QByteArray(name)) << number;
        EXPECT_TRUE(
            set().hasOwnMask(SymbolKind::Terrain, set().record(SymbolKind::Terrain, number + 1)))
            << name << " must be transparent to lie over the terrain";
    }
    EXPECT_EQ(TerrainName(VhOpenGround), "Open Ground"); // every hex of a new battle
}

TEST_F(VarnholmSet, NamesAreUniqueAndFitTheNameField) {
    for (SymbolKind kind : {SymbolKind::Terrain, SymbolKind::Unit}) {
        std::set<QByteArray> names;
        for (const SymbolRecord& r : set().table(kind)) {
            EXPECT_FALSE(r.name.isEmpty());
            EXPECT_LE(r.name.size(), kMaxNameLength) << r.name.constData();
            EXPECT_TRUE(names.insert(r.name).second) << "twice: " << r.name.constData();
        }
    }
    for (const char* needed : {"Fields",
                               "Woods",
                               "Forest",
                               "Hills",
                               "High Hills",
                               "Marsh",
                               "Lake",
                               "Village",
                               "Town",
                               "Church",
                               "Castle",
                               "Ruins",
                               "River North",
                               "Stream South-West",
                               "Road North-East",
                               "Track South",
                               "Bridge N-S",
                               "Ford NE-SW",
                               "Wall North",
                               "Palisade South"}) {
        bool found = false;
        for (const SymbolRecord& r : set().table(SymbolKind::Terrain))
            found = found || r.name == needed;
        EXPECT_TRUE(found) << needed;
    }
}

TEST_F(VarnholmSet, GroundIsOpaqueInsideTheHexAndBlackOutside) {
    for (int n = 1; n <= set().count(SymbolKind::Terrain); ++n) {
        if (set().record(SymbolKind::Terrain, n).maskIndex != 1)
            continue;
        bool transparent = true;
        const LevelPictures pictures = Pictures(SymbolKind::Terrain, n, transparent);
        EXPECT_FALSE(transparent);
        for (int level = 1; level <= 3; ++level) {
            const QImage hex = HexMask(set().hexSize(level), LayoutVertical);
            const QImage& picture = pictures[level - 1];
            ASSERT_EQ(picture.size(), hex.size());
            int wrong = 0;
            for (int y = 0; y < hex.height(); ++y)
                for (int x = 0; x < hex.width(); ++x)
                    wrong += PureBlack(hex.pixel(x, y)) != !PureBlack(picture.pixel(x, y));
            EXPECT_EQ(wrong, 0) << TerrainName(n - 1).constData() << " level " << level;
        }
    }
}

TEST_F(VarnholmSet, OwnMasksAreMadeFromTheirPicturesAtEveryLevel) {
    int masked = 0;
    for (SymbolKind kind : {SymbolKind::Terrain, SymbolKind::Unit})
        for (int n = 1; n <= set().count(kind); ++n) {
            const SymbolRecord& r = set().record(kind, n);
            if (!set().hasOwnMask(kind, r))
                continue;
            ++masked;
            bool transparent = false;
            const LevelPictures pictures = Pictures(kind, n, transparent);
            EXPECT_TRUE(transparent);
            for (int level = 1; level <= 3; ++level) {
                const QImage mask = MaskCell(r.maskIndex, level);
                const QImage& picture = pictures[level - 1];
                ASSERT_EQ(mask.size(), picture.size());
                int opaque = 0, mismatched = 0;
                for (int y = 0; y < mask.height(); ++y)
                    for (int x = 0; x < mask.width(); ++x) {
                        const bool clear = PureBlack(picture.pixel(x, y));
                        mismatched += clear != !PureBlack(mask.pixel(x, y));
                        opaque += clear ? 0 : 1;
                    }
                EXPECT_EQ(mismatched, 0) << r.name.constData() << " level " << level;
                // Something must show even at the smallest level.
                EXPECT_GE(opaque, 3 * level) << r.name.constData() << " level " << level;
            }
        }
    EXPECT_EQ(masked, set().count(SymbolKind::Mask) - 1); // all but the shared hex mask
}

TEST_F(VarnholmSet, MapOverlayIsTheHexOutlineAlone) {
    bool transparent = false;
    const LevelPictures pictures = Pictures(SymbolKind::Terrain, VhMapOverlay + 1, transparent);
    for (int level = 1; level <= 3; ++level) {
        const int s = set().hexSize(level);
        QImage outline(s, s, QImage::Format_RGB32);
        outline.fill(Qt::black);
        for (const Segment& segment : HexOutline(s, LayoutVertical))
            DrawLine(outline, segment.from, segment.to, qRgb(255, 255, 255));
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                EXPECT_EQ(PureBlack(outline.pixel(x, y)),
                          PureBlack(pictures[level - 1].pixel(x, y)))
                    << "level " << level << " pixel " << x << "," << y;
    }
}

TEST_F(VarnholmSet, PiecesOfOneSideDifferAtTheSmallestLevelAndSidesDifferInColour) {
    std::vector<QImage> smallest;
    for (int n = 1; n <= set().count(SymbolKind::Unit); ++n) {
        bool transparent = false;
        const LevelPictures pictures = Pictures(SymbolKind::Unit, n, transparent);
        for (int level = 1; level <= 3; ++level)
            EXPECT_LT(pictures[level - 1].width(), set().hexSize(level)) << n; // fits its hex
        smallest.push_back(pictures[0]);
    }
    for (size_t a = 0; a < smallest.size(); ++a)
        for (size_t b = a + 1; b < smallest.size(); ++b)
            EXPECT_NE(smallest[a], smallest[b]) << a << " and " << b;
    // The middle pixel row of a western piece is bluer than that of its eastern twin.
    const QRgb west = smallest[VhFoot].pixel(2, 1),
               east = smallest[VhEasternFirst + VhFoot].pixel(2, 1);
    EXPECT_GT(qBlue(west), qRed(west));
    EXPECT_GT(qRed(east), qBlue(east));
}
