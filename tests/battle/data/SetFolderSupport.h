#pragma once
// Writes small symbol sets into a folder: the ".set" file, the nine bitmaps and
// optionally the ".sdx" order.

#include "SetFile.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <array>

struct SetShape {
    int terrain = 3;
    int units = 2;
    int masks = 1;
    std::array<int, 3> cell{30, 40, 60}; // square cells per level
    bool writeIndex = false;
    QByteArray index;
};

// Cells of one kind side by side in one row.
inline SetFileContents SetContents(const SetShape& shape) {
    SetFileContents c;
    const int counts[3] = {shape.terrain, shape.units, shape.masks};
    for (int k = 0; k < kKindCount; ++k) {
        for (int level = 0; level < kLevelCount; ++level) {
            const int s = shape.cell[size_t(level)];
            c.header.bitmapSizes[size_t(k)][size_t(level)] = QSize(std::max(counts[k], 1) * s, s);
        }
        for (int i = 0; i < counts[k]; ++i) {
            SymbolRecord r;
            r.name = QByteArray("sym") + QByteArray::number(i);
            for (int level = 0; level < kLevelCount; ++level) {
                const int s = shape.cell[size_t(level)];
                r.cells[size_t(level)] = {i * s, 0, i * s + s - 1, s - 1};
            }
            c.records[size_t(k)].push_back(r);
        }
    }
    if (shape.units > 0 && shape.masks > 0)
        c.records[size_t(KindIndex(SymbolKind::Unit))][0].maskIndex = 1;
    return c;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline void WriteBitmaps(const QString& folder, const QString& name, const SetFileContents& c) {
    for (int k = 0; k < kKindCount; ++k) {
        for (int level = 1; level <= kLevelCount; ++level) {
            const QSize size = c.bitmapSize(KindAt(k), level);
            QImage picture(size, KindAt(k) == SymbolKind::Mask ? QImage::Format_Mono
                                                               : QImage::Format_RGB32);
            picture.fill(KindAt(k) == SymbolKind::Mask ? 1 : 0xff336699u);
            picture.save(folder + "/" + name + BitmapSuffix(KindAt(k), level), "BMP");
        }
    }
}

inline SetFileContents WriteSet(const QString& folder, const QString& name,
                                const SetShape& shape = SetShape()) {
    const SetFileContents c = SetContents(shape);
    WriteBytes(folder + "/" + name + ".set", SerializeSetFile(c));
    WriteBitmaps(folder, name, c);
    if (shape.writeIndex)
        WriteBytes(folder + "/" + name + ".sdx", shape.index);
    return c;
}
