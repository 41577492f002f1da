#include "TerrainList.h"

#include "BattleRecords.h"

namespace {

constexpr int kPreviewLevel = 3; // the dialogs preview the largest pictures

enum class PixelOp { Copy, And, Or };

// Combines the side × side square of `from` at `source` into `to` at (0, 0); pixels
// outside either picture are skipped, so a cell that overruns its bitmap draws what
// there is.
void Combine(QImage& to, const QImage& from, QPoint source, int side, PixelOp op) {
    if (from.isNull())
        return;
    for (int y = 0; y < side; ++y) {
        const int sy = source.y() + y;
        if (sy < 0 || sy >= from.height() || y >= to.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < side && x < to.width(); ++x) {
            const int sx = source.x() + x;
            if (sx < 0 || sx >= from.width())
                continue;
            const QRgb s = in[sx] | 0xff000000u;
            switch (op) {
            case PixelOp::Copy:
                out[x] = s;
                break;
            case PixelOp::And:
                out[x] = (out[x] & s) | 0xff000000u;
                break;
            case PixelOp::Or:
                out[x] = out[x] | s;
                break;
            }
        }
    }
}

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
    if (r.maskIndex >= 1 && r.maskIndex <= int(masks.size())) {
        const CellRect& maskCell = masks[size_t(r.maskIndex - 1)].cells[kPreviewLevel - 1];
        Combine(preview, set.picture(SymbolKind::Mask, kPreviewLevel),
                {maskCell.left, maskCell.top}, side, PixelOp::And);
        Combine(preview, picture, {cell.left, cell.top}, side, PixelOp::Or);
    } else {
        Combine(preview, picture, {cell.left, cell.top}, side, PixelOp::Copy);
    }
    return preview;
}
