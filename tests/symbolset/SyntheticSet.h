#pragma once
// Sets of any size written straight to disk, for tests and benchmarks.

#include "SymbolSet.h"

// Writes a set of `terrain` terrain and `units` unit symbols (square cells of the level
// sizes, no masks, rows of `rowLength`), each picture filled with ColourOf(kind, number),
// and reads it back into `set`.
SetResult WriteSyntheticSet(const QString& setPath, int terrain, int units,
                            std::array<int, kLevelCount> sizes, int rowLength, SymbolSet& set);

QRgb ColourOf(SymbolKind kind, int number);
