#include "TerrainList.h"

#include "BattleRecords.h"
#include "RasterOps.h"

namespace {

constexpr int kPreviewLevel = 3; // the dialogs preview the largest pictures

} // namespace

int TerrainList::SymbolAt(int row) const {
    return row >= 0 && row < count() ? symbols[size_t(row)] : kNoSymbol;
}

int TerrainList::RowOf(int symbol) const {
    for (int row = 0; row < count(); ++row) {
        if (symbols[size_t(row)] == symbol)
            return row;
    }
    return -1;
}

TerrainList MakeTerrainList(const LoadedSymbolSet& set) {
    TerrainList list;
    const auto& records = set.table(SymbolKind::Terrain);
    for (const int oneBased : set.terrainOrder) {
        const int symbol = oneBased - 1;
        if (symbol < 0 || symbol >= int(records.size()))
            continue;
        list.symbols.push_back(symbol);
        list.names.append(QString::fromLatin1(records[size_t(symbol)].name));
    }
    return list;
}

QString TerrainSymbolName(const LoadedSymbolSet& set, int symbol) {
    const auto& records = set.table(SymbolKind::Terrain);
    if (symbol < 0 || symbol >= int(records.size()))
        return {};
    return QString::fromLatin1(records[size_t(symbol)].name);
}

QImage TerrainPreview(const LoadedSymbolSet& set, int symbol, QColor background) {
    const int side = set.cellWidth[kPreviewLevel - 1];
    if (side <= 0)
        return {};
    QImage preview(side, side, QImage::Format_RGB32);
    preview.fill(background);
    const auto& records = set.table(SymbolKind::Terrain);
    if (symbol < 0 || symbol >= int(records.size()))
        return preview;
    const SymbolRecord& r = records[size_t(symbol)];
    const QImage& picture = set.picture(SymbolKind::Terrain, kPreviewLevel);
    const CellRect& cell = r.cells[kPreviewLevel - 1];
    const auto& masks = set.table(SymbolKind::Mask);
    const QImage* mask = nullptr;
    QRect maskSource;
    if (r.maskIndex >= 1 && r.maskIndex <= int(masks.size())) {
        const CellRect& maskCell = masks[size_t(r.maskIndex - 1)].cells[kPreviewLevel - 1];
        mask = &set.picture(SymbolKind::Mask, kPreviewLevel);
        maskSource = QRect(maskCell.left, maskCell.top, side, side);
    }
    DrawThroughMask(preview, {0, 0}, picture, QRect(cell.left, cell.top, side, side), mask,
                    maskSource, preview.rect());
    return preview;
}
