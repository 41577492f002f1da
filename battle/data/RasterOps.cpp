#include "RasterOps.h"

#include <cstring>

void Blit(QImage& to, QPoint at, const QImage& from, const QRect& source, RasterOp op,
          const QRect& clip) {
    // Destination rectangle, cut to the destination, the clip and the source picture.
    QRect src = source.intersected(from.rect());
    QPoint dst = at + (src.topLeft() - source.topLeft());
    QRect target = QRect(dst, src.size()).intersected(to.rect()).intersected(clip);
    if (target.isEmpty())
        return;
    src = QRect(src.topLeft() + (target.topLeft() - dst), target.size());

    const int width = target.width();
    const qsizetype inStride = from.bytesPerLine(), outStride = to.bytesPerLine();
    const uchar* inRow = from.constBits() + src.top() * inStride;
    uchar* outRow = to.bits() + target.top() * outStride;
    for (int y = 0; y < target.height(); ++y, inRow += inStride, outRow += outStride) {
        const auto* in = reinterpret_cast<const QRgb*>(inRow) + src.left();
        auto* out = reinterpret_cast<QRgb*>(outRow) + target.left();
        switch (op) {
        case RasterOp::Copy:
            std::memcpy(out, in, size_t(width) * sizeof(QRgb));
            break;
        case RasterOp::And:
            for (int x = 0; x < width; ++x)
                out[x] &= in[x];
            break;
        case RasterOp::Or:
            for (int x = 0; x < width; ++x)
                out[x] |= in[x];
            break;
        }
    }
}

void DrawThroughMask(QImage& to, QPoint at, const QImage& picture, const QRect& source,
                     const QImage* mask, const QRect& maskSource, const QRect& clip) {
    if (mask) {
        Blit(to, at, *mask, maskSource, RasterOp::And, clip);
        Blit(to, at, picture, source, RasterOp::Or, clip);
    } else {
        Blit(to, at, picture, source, RasterOp::Copy, clip);
    }
}
