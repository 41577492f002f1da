#include "SetFixtures.h"

#include <QFile>

#include <gtest/gtest.h>

SymbolSet MakeSet(const QString& folder, int terrain, int units, std::array<int, kLevelCount> sizes,
                  int rowLength, const QString& name) {
    SymbolSet set;
    const SetResult result =
        WriteSyntheticSet(folder + "/" + name + ".set", terrain, units, sizes, rowLength, set);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    return set;
}

int BmpBitsPerPixel(const QString& path) {
    const QByteArray b = ReadFileBytes(path);
    if (b.size() < 30)
        return -1;
    return uchar(b[28]) | (uchar(b[29]) << 8);
}

QByteArray ReadFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QRgb CellCentre(const SymbolSet& set, SymbolKind kind, int number, int level) {
    QImage bitmap;
    EXPECT_TRUE(set.LoadBitmap(kind, level, bitmap).ok);
    return bitmap.pixel(set.record(kind, number).cells[level - 1].rect().center());
}
