#include "EditorFixtures.h"

#include <SetMaintenance.h>
#include <SymbolStorage.h>

#include <QDir>

#include <gtest/gtest.h>

QImage Plain(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

int CountColour(const QImage& picture, QRgb colour) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            n += (picture.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    }
    return n;
}

SymbolSet NewTestSet(const QString& folder, bool realHex) {
    SymbolSet set;
    const SetResult r =
        CreateNewSet(set, folder, realHex ? LayoutVertical : LayoutGrid, realHex, {5, 15, 28});
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    return set;
}

void MakeProgramFolder(const QString& folder) {
    ASSERT_TRUE(QDir(folder).mkpath("bmps"));
    ASSERT_TRUE(QDir(folder).mkpath("Battles"));
    ASSERT_TRUE(Plain(16, 16, qRgb(90, 60, 30)).save(folder + "/bmps/ketpal.bmp"));
    ASSERT_TRUE(Plain(64, 64, qRgb(200, 180, 120)).save(folder + "/bmps/fmsym.bmp"));
    SymbolSet made = NewTestSet(folder + "/Battles", false);
    ASSERT_TRUE(AddSymbol(made, SymbolKind::Unit, "Pikes", {QSize(4, 3), QSize(8, 6), QSize(12, 9)},
                          qRgb(255, 255, 255))
                    .ok);
    ASSERT_TRUE(SaveSetTo(made, made.setPath, folder + "/Battles/house.set").ok);
}
