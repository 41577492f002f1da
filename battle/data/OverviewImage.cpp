#include "OverviewImage.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"

#include <algorithm>

namespace {

// The mean of the pixels the symbol shows at level 1: where its mask is black, or all
// of them without a mask.
QRgb MeanColour(const LoadedSymbolSet& set, const SymbolRecord& r) {
    const QImage& picture = set.picture(SymbolKind::Terrain, 1);
    const auto& masks = set.table(SymbolKind::Mask);
    const QImage* mask = nullptr;
    QRect maskCell;
    if (r.maskIndex >= 1 && r.maskIndex <= int(masks.size())) {
        mask = &set.picture(SymbolKind::Mask, 1);
        maskCell = masks[size_t(r.maskIndex - 1)].cells[0].rect();
    }
    const QRect cell = r.cells[0].rect().intersected(picture.rect());
    long long red = 0, green = 0, blue = 0, n = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            if (mask) {
                const QPoint at = maskCell.topLeft() + QPoint(x, y);
                if (!mask->rect().contains(at) || qRed(mask->pixel(at)) >= 128)
                    continue;
            }
            const QRgb c = picture.pixel(cell.left() + x, cell.top() + y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
            ++n;
        }
    if (n == 0)
        return qRgb(0, 0, 0);
    return qRgb(int(red / n), int(green / n), int(blue / n));
}

} // namespace

OverviewColours OverviewColours::FromSet(const LoadedSymbolSet& set) {
    OverviewColours c;
    for (const SymbolRecord& r : set.table(SymbolKind::Terrain))
        c.terrain.push_back(set.picture(SymbolKind::Terrain, 1).isNull() ? qRgb(0, 0, 0)
                                                                         : MeanColour(set, r));
    return c;
}

QRgb OverviewImage::HexColour(const Battle& b, const OverviewColours& colours, int hex) const {
    const HexRecord& x = b.hex(hex);
    if (x.unitNo != 0) {
        const UnitRecord& u = b.unit(x.unitNo);
        if (u.activationTurn <= 1)
            return colours.sides[u.side == 1 ? 0 : 1];
    }
    for (int slot = kSecondarySlots; slot >= 0; --slot) {
        const int s = x.terrainSlot(slot);
        if (s >= 0 && s < int(colours.terrain.size()))
            return colours.terrain[size_t(s)];
    }
    return colours.table;
}

QRect OverviewImage::HexRect(int hex) const {
    if (cols_ <= 0)
        return {};
    const int c = hex % cols_, r = hex / cols_;
    int x = c * scale_, y = r * scale_;
    if (layout_ == LayoutVertical && c % 2 == 1)
        y += scale_ / 2;
    else if (layout_ == LayoutHoriz && r % 2 == 1)
        x += scale_ / 2;
    return {x, y, scale_, scale_};
}

int OverviewImage::HexAt(QPoint p) const {
    if (cols_ <= 0)
        return kNoHex;
    const int c = std::clamp(p.x() / scale_, 0, cols_ - 1);
    const int y = layout_ == LayoutVertical && c % 2 == 1 ? p.y() - scale_ / 2 : p.y();
    const int r = std::clamp(y / scale_, 0, rows_ - 1);
    if (layout_ == LayoutHoriz && r % 2 == 1)
        return r * cols_ + std::clamp((p.x() - scale_ / 2) / scale_, 0, cols_ - 1);
    return r * cols_ + c;
}

QRect OverviewImage::BlockRect(int firstHex, int cols, int rows) const {
    if (cols_ <= 0)
        return {};
    const int c = std::clamp(firstHex % cols_, 0, cols_ - 1);
    const int r = std::clamp(firstHex / cols_, 0, rows_ - 1);
    const int c1 = std::clamp(c + cols - 1, 0, cols_ - 1),
              r1 = std::clamp(r + rows - 1, 0, rows_ - 1);
    return QRect(QPoint(c * scale_, r * scale_),
                 QPoint((c1 + 1) * scale_ - 1, (r1 + 1) * scale_ - 1));
}

void OverviewImage::Draw(const Battle& b, const OverviewColours& colours, int scale) {
    scale_ = std::clamp(scale, kMinOverviewScale, kMaxOverviewScale);
    cols_ = b.settings.mapCols;
    rows_ = b.settings.mapRows;
    layout_ = b.settings.gridLayout == 0 ? int(LayoutVertical) : b.settings.gridLayout;
    const int half = scale_ / 2;
    const QSize size(cols_ * scale_ + (layout_ == LayoutHoriz ? half : 0),
                     rows_ * scale_ + (layout_ == LayoutVertical ? half : 0));
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(colours.table);
    if (cols_ <= 0 || b.hexCount() != cols_ * rows_)
        return;
    for (int h = 0; h < b.hexCount(); ++h) {
        const QRgb c = HexColour(b, colours, h);
        const QRect r = HexRect(h);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            std::fill(line + r.left(), line + r.left() + scale_, c);
        }
    }
}

bool OverviewImage::UpdateHex(const Battle& b, const OverviewColours& colours, int hex) {
    if (b.settings.mapCols != cols_ || b.settings.mapRows != rows_ || image_.isNull())
        return false;
    if (!b.IsHex(hex))
        return true;
    const QRgb c = HexColour(b, colours, hex);
    const QRect r = HexRect(hex);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + r.left(), line + r.left() + scale_, c);
    }
    return true;
}
