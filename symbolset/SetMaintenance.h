#pragma once
// Operations on whole sets: the new set, copying a set's files, resetting the display
// order, and repacking the bitmaps.

#include "SymbolSet.h"

#include <functional>

// Writes the set "new" in `folder` with a "Blank" terrain symbol (and the shared hex mask
// of a real-hex set) and opens it in `set`.
SetResult CreateNewSet(SymbolSet& set, const QString& folder, int layout, bool realHex,
                       const std::array<int, kLevelCount>& hexSizes);

// Copies the eleven files of `source` (a ".set" path) to `destination`; missing files are
// skipped and a file is never copied onto itself. `set.setPath` becomes `destination`.
SetResult SaveSetTo(SymbolSet& set, const QString& source, const QString& destination);

// Identity display order for both kinds; writes the ".sdx".
SetResult ResetOrder(SymbolSet& set);

// Row length an optimised kind gets: 250 up to 250 entries, else floor(sqrt(n)).
int TargetRowLength(int entries);
// Size of a kind's cells at a level laid out `rowLength` per row.
QSize PackedSize(const SymbolSet& set, SymbolKind kind, int level, int rowLength);
// Whether optimising a kind is worthwhile: its packed level-3 size covers fewer pixels than
// its bitmap, or its row capacity exceeds 250.
bool OptimiseWorthwhile(const SymbolSet& set, SymbolKind kind);

struct OptimiseProgress {
    SymbolKind kind;
    int level;            // 1, 2, 3
    int done;             // records moved so far at this level
    int total;            // the kind's count
    const QImage* bitmap; // the level's new bitmap while it is built
    QRect cell;           // where the last record went
};
using OptimiseObserver = std::function<void(const OptimiseProgress&)>;

// Repacks the chosen kinds (terrain, units, masks) at every level and rewrites the ".set".
SetResult OptimiseSet(SymbolSet& set, const std::array<bool, kKindCount>& kinds,
                      const OptimiseObserver& observer = {});
