#include "EditorFixtures.h"

#include <SetMaintenance.h>

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
