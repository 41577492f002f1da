#include "SetFixtures.h"

#include "SdxFile.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

QRgb ColourOf(SymbolKind kind, int number) {
    return qRgb(20 + (number * 37) % 230, 20 + (number * 91) % 230,
                kind == SymbolKind::Unit ? 200 : 40);
}

SymbolSet MakeSet(const QString& folder, int terrain, int units, std::array<int, kLevelCount> sizes,
                  int rowLength, const QString& name) {
    SymbolSet set;
    set.setPath = folder + "/" + name + ".set";
    const std::array<int, 2> counts{terrain, units};
    for (int k = 0; k < 2; ++k) {
        const SymbolKind kind = KindAt(k);
        for (int level = 1; level <= kLevelCount; ++level) {
            const int s = sizes[level - 1];
            const int n = counts[k];
            const QSize size =
                n == 0 ? QSize(1, 1)
                       : QSize(std::min(n, rowLength) * s, ((n + rowLength - 1) / rowLength) * s);
            QImage bitmap = SymbolSet::NewPicture(size);
            QPainter painter(&bitmap);
            for (int i = 0; i < n; ++i) {
                if (level == 1) {
                    SymbolRecord r;
                    r.name = QByteArray("sym") + QByteArray::number(i + 1);
                    set.table(kind).push_back(r);
                }
                const int x = (i % rowLength) * s, y = (i / rowLength) * s;
                set.table(kind)[i].cells[level - 1] = {x, y, x + s - 1, y + s - 1};
                painter.fillRect(QRect(x, y, s, s), QColor::fromRgb(ColourOf(kind, i + 1)));
            }
            painter.end();
            set.contents.header.bitmapSizes[k][level - 1] = size;
            EXPECT_TRUE(set.SaveBitmap(kind, level, bitmap).ok);
        }
    }
    for (int level = 1; level <= kLevelCount; ++level) {
        set.contents.header.bitmapSizes[2][level - 1] = QSize(1, 1);
        EXPECT_TRUE(set.SaveBitmap(SymbolKind::Mask, level, SymbolSet::NewPicture(QSize(1, 1))).ok);
    }
    set.terrainOrder = IdentityOrder(terrain);
    set.unitOrder = IdentityOrder(units);
    EXPECT_TRUE(set.WriteSetFile().ok);
    SymbolSet read;
    const SetResult result = read.Read(set.setPath);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    return read;
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
