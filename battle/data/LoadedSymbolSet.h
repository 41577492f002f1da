#pragma once
// The battle editor's view of its symbol set: the records of the ".set" file, the nine
// pictures, the display orders and the cell sizes of the three zoom levels.

#include "MessageSink.h"
#include "SetFile.h"

#include <QImage>

#include <array>
#include <vector>

constexpr int kMaxOrderEntries = 2000;

struct LoadedSymbolSet {
    int layout = LayoutVertical;
    int realHex = 0;
    int opaque = 0;
    // [kind][level 0 … 2] width and height stored in the set's header.
    std::array<std::array<QSize, kLevelCount>, kKindCount> bitmapSizes{};
    std::array<std::vector<SymbolRecord>, kKindCount> records;
    // [kind][level 0 … 2], converted to RGB32 (masks black and white); null for a kind
    // without records.
    std::array<std::array<QImage, kLevelCount>, kKindCount> pictures;
    // One-based symbol numbers in the order the pickers list them.
    std::vector<int> terrainOrder;
    std::vector<int> unitOrder;
    // Zoom levels 0, 1, 2.
    std::array<int, kLevelCount> cellWidth{};
    std::array<int, kLevelCount> columnStep{};
    std::array<int, kLevelCount> rowStep{};

    int count(SymbolKind k) const { return int(records[KindIndex(k)].size()); }
    int terrainCount() const { return count(SymbolKind::Terrain); }
    int unitCount() const { return count(SymbolKind::Unit); }
    int maskCount() const { return count(SymbolKind::Mask); }
    const std::vector<SymbolRecord>& table(SymbolKind k) const { return records[KindIndex(k)]; }
    // level 1 … 3
    const QImage& picture(SymbolKind k, int level) const {
        return pictures[KindIndex(k)][size_t(level - 1)];
    }
    bool loaded() const { return terrainCount() > 0; }

    // columnStep = cellWidth × 4 div 5 − 1 and rowStep = cellWidth − 2 for each level.
    void ComputeCellSteps();
};

// Loads the set named setName from folder: the ".set" file, the unit, terrain and mask
// pictures, the ".sdx" order and the cell widths. Files are found whatever their letter
// case. On success the set replaces out; on failure out is unchanged and the messages
// have been shown.
bool LoadSymbolSet(const QString& folder, const QString& setName, LoadedSymbolSet& out,
                   const MessageSink& sink);

// The display orders from the text of a ".sdx" file: terrainCount numbers, then
// unitCount numbers, one per line. Falls back to the set's own order when the text is
// short or names a symbol the set does not have.
void ReadSetIndex(const QByteArray& text, int terrainCount, int unitCount,
                  std::vector<int>& terrainOrder, std::vector<int>& unitOrder);
