#include "SyntheticSet.h"

#include "SdxFile.h"

#include <QPainter>

QRgb ColourOf(SymbolKind kind, int number) {
    return qRgb(20 + (number * 37) % 230, 20 + (number * 91) % 230,
                kind == SymbolKind::Unit ? 200 : 40);
}

SetResult WriteSyntheticSet(const QString& setPath, int terrain, int units,
                            std::array<int, kLevelCount> sizes, int rowLength, SymbolSet& out) {
    SymbolSet set;
    set.setPath = setPath;
    const std::array<int, 2> counts{terrain, units};
    for (int k = 0; k < 2; ++k) {
        const SymbolKind kind = KindAt(k);
        const int n = counts[k];
        set.table(kind).resize(n);
        for (int i = 0; i < n; ++i)
            set.table(kind)[i].name = QByteArray("sym") + QByteArray::number(i + 1);
        for (int level = 1; level <= kLevelCount; ++level) {
            const int s = sizes[level - 1];
            const QSize size =
                n == 0 ? QSize(1, 1)
                       : QSize(std::min(n, rowLength) * s, ((n + rowLength - 1) / rowLength) * s);
            QImage bitmap = SymbolSet::NewPicture(size);
            QPainter painter(&bitmap);
            for (int i = 0; i < n; ++i) {
                const int x = (i % rowLength) * s, y = (i / rowLength) * s;
                set.table(kind)[i].cells[level - 1] = {x, y, x + s - 1, y + s - 1};
                painter.fillRect(QRect(x, y, s, s), QColor::fromRgb(ColourOf(kind, i + 1)));
            }
            painter.end();
            set.contents.header.bitmapSizes[k][level - 1] = size;
            if (SetResult r = set.SaveBitmap(kind, level, bitmap); !r)
                return r;
        }
    }
    for (int level = 1; level <= kLevelCount; ++level) {
        set.contents.header.bitmapSizes[2][level - 1] = QSize(1, 1);
        if (SetResult r =
                set.SaveBitmap(SymbolKind::Mask, level, SymbolSet::NewPicture(QSize(1, 1)));
            !r)
            return r;
    }
    set.terrainOrder = IdentityOrder(terrain);
    set.unitOrder = IdentityOrder(units);
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    return out.Read(setPath);
}
