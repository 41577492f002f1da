#include "SetPictures.h"

SetResult LoadSetPictures(const QString& setPath, SetPictures& out) {
    if (SetResult r = out.set.Read(setPath); !r)
        return r;
    for (int k = 0; k < kKindCount; ++k)
        for (int level = 1; level <= kLevelCount; ++level) {
            if (out.set.count(KindAt(k)) == 0)
                continue;
            if (SetResult r = out.set.LoadBitmap(KindAt(k), level, out.bitmaps[k][level - 1]); !r)
                return r;
            out.bitmaps[k][level - 1] =
                out.bitmaps[k][level - 1].convertToFormat(QImage::Format_RGB32);
        }
    return SetResult::Success();
}

int MaskForDrawing(const SetPictures& pictures, SymbolKind kind, int number, bool asPrimary) {
    if (asPrimary)
        return pictures.set.realHex() ? 1 : 0;
    return pictures.set.record(kind, number).maskIndex;
}

void DrawSymbol(QImage& target, QPoint at, const SetPictures& pictures, SymbolKind kind, int number,
                int level, bool asPrimary) {
    const QRect cell = pictures.set.record(kind, number).cells[level - 1].rect();
    const QImage& picture = pictures.bitmaps[KindIndex(kind)][level - 1];
    const int mask = MaskForDrawing(pictures, kind, number, asPrimary);
    const QImage* maskBitmap =
        mask > 0 ? &pictures.bitmaps[KindIndex(SymbolKind::Mask)][level - 1] : nullptr;
    const QRect maskCell =
        mask > 0 ? pictures.set.record(SymbolKind::Mask, mask).cells[level - 1].rect() : QRect();
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QPoint to = at + QPoint(x, y);
            if (!target.valid(to))
                continue;
            const QRgb src = picture.pixel(cell.topLeft() + QPoint(x, y));
            if (!maskBitmap) {
                target.setPixel(to, src);
                continue;
            }
            const QRgb m = maskBitmap->pixel(maskCell.topLeft() + QPoint(x, y));
            const QRgb anded = target.pixel(to) & m & 0xffffff;
            target.setPixel(to, 0xff000000 | anded | (src & 0xffffff));
        }
}
