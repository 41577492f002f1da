#include "UnitPreview.h"

#include "RasterOps.h"

#include <algorithm>

namespace {

constexpr int kPreviewLevel = 3;

} // namespace

void DrawUnitSymbol(QImage& target, QPoint at, const LoadedSymbolSet& set, int symbol, int level) {
    if (symbol < 0 || symbol >= set.unitCount() || level < 1 || level > kLevelCount)
        return;
    const SymbolRecord& r = set.table(SymbolKind::Unit)[size_t(symbol)];
    const QRect cell = r.cells[size_t(level - 1)].rect();
    const QImage& pictures = set.picture(SymbolKind::Unit, level);
    if (pictures.isNull())
        return;
    const QImage* mask = nullptr;
    QRect maskCell;
    if (r.maskIndex >= 1 && r.maskIndex <= set.maskCount()) {
        // The mask is taken at the picture's size, as on the map.
        mask = &set.picture(SymbolKind::Mask, level);
        maskCell = QRect(set.table(SymbolKind::Mask)[size_t(r.maskIndex - 1)]
                             .cells[size_t(level - 1)]
                             .rect()
                             .topLeft(),
                         cell.size());
    }
    DrawThroughMask(target, at, pictures, cell, mask, maskCell, target.rect());
}

QImage UnitPreviewPicture(const LoadedSymbolSet& set, int symbol) {
    const int side = set.cellWidth[size_t(kPreviewLevel - 1)];
    if (side <= 0)
        return QImage();
    QImage preview(side, side, QImage::Format_RGB32);
    preview.fill(Qt::black);
    if (symbol < 0 || symbol >= set.unitCount())
        return preview;
    const QRect cell = set.table(SymbolKind::Unit)[size_t(symbol)].cells[kPreviewLevel - 1].rect();
    // A symbol smaller than the cell stands in its middle, as on the map.
    const QPoint at(std::max(0, (side - cell.width()) / 2),
                    std::max(0, (side - cell.height()) / 2));
    DrawUnitSymbol(preview, at, set, symbol, kPreviewLevel);
    return preview;
}
