#include "Palette.h"
#include "GeneratedFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

TEST(Palette, HoldsTwoHundredFiftySixDistinctColours) {
    const auto colours = PaletteColours();
    EXPECT_EQ(std::set<QRgb>(colours.begin(), colours.end()).size(), 256u);
}

TEST(Palette, OnlyIndexZeroIsPureBlack) {
    const auto colours = PaletteColours();
    EXPECT_EQ(colours[0] & 0xffffff, 0u);
    for (int i = 1; i < 256; ++i)
        EXPECT_NE(colours[i] & 0xffffff, 0u) << "index " << i;
}

TEST(Palette, ShippedPictureHasIndexIAtColumnModRow) {
    const QString folder = GeneratedProgramFolder();
    ASSERT_FALSE(folder.isEmpty());
    const QByteArray bytes = ReadBytes(folder + "/bmps/ketpal.bmp");
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(uint8_t(bytes[28]), 24); // bits per pixel: a picture any loader reads
    const QImage picture = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(picture.size(), QSize(16, 16));
    const auto colours = PaletteColours();
    for (int i : {0, 1, 15, 16, 35, 128, 200, 255})
        EXPECT_EQ(picture.pixel(i % 16, i / 16) & 0xffffff, colours[i] & 0xffffff) << i;
}

TEST(ShippedPictures, LogosAndIconsHaveTheirSizes) {
    const QString folder = GeneratedProgramFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(QImage(folder + "/bmps/fmsym.bmp").size(), QSize(120, 120));
    const QImage logo(folder + "/bmps/fmedt.bmp");
    EXPECT_FALSE(logo.isNull());
    EXPECT_LE(logo.width(), 420); // fits the battle editor's smallest map window width
    int icons = 0;
    for (const char* name :
         {"sword", "bow", "shield", "helm", "banner", "castle", "axes", "crown"}) {
        const QImage icon(folder + "/icons/" + name + ".bmp");
        EXPECT_EQ(icon.size(), QSize(120, 120)) << name;
        icons += icon.isNull() ? 0 : 1;
    }
    EXPECT_GE(icons, 6); // "sword" and at least five others
}
