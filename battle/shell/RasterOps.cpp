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
    for (int y = 0; y < target.height(); ++y) {
        const auto* in =
            reinterpret_cast<const QRgb*>(from.constScanLine(src.top() + y)) + src.left();
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(target.top() + y)) + target.left();
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
