#pragma once
// The terrain symbols as the hex dialogs list them (the set's display order) and the
// preview picture of one symbol, drawn as the map draws a marker: the mask AND-ed onto
// the background, then the picture OR-ed over it.

#include "LoadedSymbolSet.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <vector>

struct TerrainList {
    std::vector<int> symbols; // zero-based symbol number of each row
    QStringList names;        // the symbol's name from the set, per row

    int count() const { return int(symbols.size()); }
    // The symbol of row r, or kNoSymbol for a row that does not exist.
    int SymbolAt(int row) const;
    // The first row showing symbol, or -1 when no row does.
    int RowOf(int symbol) const;
};

// The rows of the set's terrain display order; entries naming no terrain symbol of the
// set are left out, so every row stands for a drawable symbol.
TerrainList MakeTerrainList(const LoadedSymbolSet& set);

// The name the set gives terrain symbol `symbol`, empty for one it does not have.
QString TerrainSymbolName(const LoadedSymbolSet& set, int symbol);

// A square picture of the largest zoom level's cell size filled with `background`, with
// terrain symbol `symbol` drawn into it: through its mask when it has one, opaque when
// not. A symbol the set does not have leaves the background alone. Null when the set
// has no cell size.
QImage TerrainPreview(const LoadedSymbolSet& set, int symbol, QColor background);
