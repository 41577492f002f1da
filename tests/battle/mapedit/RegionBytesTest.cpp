#include "RegionBytes.h"
#include "MapEditSupport.h"
#include "RegionEdits.h"

#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

HexRegion BusyRegion() {
    Battle b = BusyBattle(14, 12, LayoutVertical, 21);
    MapTextRecord t;
    t.text = "Varnholm";
    b.AddMapText(t, 2);
    std::vector<int> hexes;
    for (int h = 0; h < b.hexCount(); h += 2)
        hexes.push_back(h);
    HexRegion region = CopyRegion(b, hexes, kAllLayers);
    region.moving = true;
    return region;
}

} // namespace

TEST(RegionBytes, ARegionComesBackExactly) {
    const HexRegion region = BusyRegion();
    ASSERT_GT(region.units.size(), 3);
    ASSERT_GT(region.mapTexts.size(), 0);
    HexRegion back;
    QString why;
    ASSERT_TRUE(DecodeRegion(EncodeRegion(region), back, why)) << why.toStdString();
    EXPECT_TRUE(back == region);
    EXPECT_TRUE(why.isEmpty());
}

TEST(RegionBytes, ShortLongAndStrangeBytesAreRefused) {
    const HexRegion region = BusyRegion();
    const QByteArray bytes = EncodeRegion(region);
    HexRegion out;
    QString why;
    for (qsizetype n = 0; n < bytes.size(); n += n < 300 ? 1 : 13)
        ASSERT_FALSE(DecodeRegion(bytes.left(n), out, why)) << n;
    EXPECT_FALSE(DecodeRegion(bytes + 'x', out, why));
    EXPECT_EQ(why, "The clipboard's hexes are damaged.");
    EXPECT_FALSE(DecodeRegion("plain text", out, why));
    EXPECT_EQ(why, "The clipboard holds no hexes.");
    QByteArray later = bytes;
    later[8] = 2;
    EXPECT_FALSE(DecodeRegion(later, out, why));
    EXPECT_EQ(why, "The clipboard's hexes come from another version of fmbattle.");
    EXPECT_TRUE(out.empty()); // untouched by every refusal

    // A cell naming a unit the region does not hold, two cells naming one, a value no
    // battle file could keep.
    HexRegion broken = region;
    broken.cells[0].unit = broken.units.size() + 1;
    EXPECT_FALSE(DecodeRegion(EncodeRegion(broken), out, why));
    broken = region;
    for (RegionCell& cell : broken.cells)
        if (cell.unit == 2)
            cell.unit = 1;
    EXPECT_FALSE(DecodeRegion(EncodeRegion(broken), out, why));
    broken = region;
    broken.units.records[0].men = 70000;
    EXPECT_FALSE(DecodeRegion(EncodeRegion(broken), out, why));
}

TEST(RegionBytes, DamagedBytesNeverBreakTheBattle) {
    const QByteArray bytes = EncodeRegion(BusyRegion());
    std::mt19937 rng(5);
    int accepted = 0;
    for (int trial = 0; trial < 400; ++trial) {
        QByteArray damaged = bytes;
        for (int k = 0; k < 1 + trial % 3; ++k)
            damaged[qsizetype(rng() % unsigned(damaged.size()))] = char(rng());
        HexRegion region;
        QString why;
        if (!DecodeRegion(damaged, region, why))
            continue;
        ++accepted;
        Battle b = BusyBattle(14, 12, LayoutVertical, 22);
        const std::vector<uint8_t> before = StateOf(b);
        const RegionOutcome out = PasteRegion(b, region, int(rng() % 100), kAllLayers);
        ASSERT_TRUE(LinksConsistent(b)) << trial;
        if (!out.done) {
            EXPECT_TRUE(StateOf(b) == before);
        }
    }
    EXPECT_GT(accepted, 50); // most single changes hit a terrain number or a name
}
