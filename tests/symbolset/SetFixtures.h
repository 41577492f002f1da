#pragma once
// Small sets built directly on disk for the tests.

#include "SyntheticSet.h"

#include <QTemporaryDir>

// A set of `terrain` terrain symbols (sizes per level, no real hexes) and `units` unit symbols
// of the same sizes, cells in rows of `rowLength`. Each record's pictures are filled with
// ColourOf(kind, number). Written to `folder`/`name`.set and read back.
SymbolSet MakeSet(const QString& folder, int terrain, int units, std::array<int, kLevelCount> sizes,
                  int rowLength = kDefaultRowCapacity, const QString& name = "test");

// Bits per pixel of a BMP file (from its info header).
int BmpBitsPerPixel(const QString& path);

QByteArray ReadFileBytes(const QString& path);

// The colour of the centre pixel of a record's cell at a level.
QRgb CellCentre(const SymbolSet& set, SymbolKind kind, int number, int level);

inline QSize Square(int s) {
    return {s, s};
}
