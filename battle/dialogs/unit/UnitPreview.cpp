#include "UnitPreview.h"

#include <algorithm>

namespace {

constexpr int kPreviewLevel = 3;

enum class Blend { Copy, And, Or };

// Combines the `source` rectangle of `from` into `to` at `at`, cut to both pictures.
void Combine(QImage& to, QPoint at, const QImage& from, QRect source, Blend how) {
    source = source.intersected(from.rect());
    for (int y = 0; y < source.height(); ++y) {
        const int ty = at.y() + y;
        if (ty < 0 || ty >= to.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(source.top() + y));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(ty));
        for (int x = 0; x < source.width(); ++x) {
            const int tx = at.x() + x;
            if (tx < 0 || tx >= to.width())
                continue;
            const QRgb pixel = in[source.left() + x];
            if (how == Blend::Copy)
                out[tx] = pixel;
            else if (how == Blend::And)
                out[tx] &= pixel;
            else
                out[tx] |= pixel;
        }
    }
}

} // namespace

void DrawUnitSymbol(QImage& target, QPoint at, const LoadedSymbolSet& set, int symbol, int level) {
    if (symbol < 0 || symbol >= set.unitCount() || level < 1 || level > kLevelCount)
        return;
    const SymbolRecord& r = set.table(SymbolKind::Unit)[size_t(symbol)];
    const QRect cell = r.cells[size_t(level - 1)].rect();
    const QImage& pictures = set.picture(SymbolKind::Unit, level);
    if (pictures.isNull())
        return;
    if (r.maskIndex >= 1 && r.maskIndex <= set.maskCount()) {
        const QRect maskCell =
            set.table(SymbolKind::Mask)[size_t(r.maskIndex - 1)].cells[size_t(level - 1)].rect();
        // The mask is taken at the picture's size, as on the map.
        Combine(target, at, set.picture(SymbolKind::Mask, level),
                QRect(maskCell.topLeft(), cell.size()), Blend::And);
        Combine(target, at, pictures, cell, Blend::Or);
    } else {
        Combine(target, at, pictures, cell, Blend::Copy);
    }
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
