#include "DisplayScale.h"

#include <cstring>

namespace {

template <int Scale> void Widen(const QRgb* in, QRgb* out, int width) {
    for (int x = 0; x < width; ++x)
        for (int i = 0; i < Scale; ++i)
            out[x * Scale + i] = in[x];
}

} // namespace

void ScaleView(const QImage& buffer, const QRect& view, int scale, QImage& window) {
    const QRect from = view.intersected(buffer.rect());
    const QSize size = view.size() * scale;
    if (window.size() != size || window.format() != QImage::Format_RGB32)
        window = QImage(size, QImage::Format_RGB32);
    if (from != view)
        window.fill(Qt::black);
    if (from.isEmpty() || window.isNull())
        return;
    const qsizetype outStride = window.bytesPerLine();
    const size_t rowBytes = size_t(from.width()) * size_t(scale) * sizeof(QRgb);
    uchar* bits = window.bits();
    for (int y = from.top(); y <= from.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(buffer.constScanLine(y)) + from.left();
        uchar* first = bits + qsizetype(y - view.top()) * scale * outStride;
        auto* out = reinterpret_cast<QRgb*>(first) + (from.left() - view.left()) * scale;
        // One row widened, then repeated for the other rows of its squares.
        if (scale == 2)
            Widen<2>(in, out, from.width());
        else if (scale == 3)
            Widen<3>(in, out, from.width());
        else
            Widen<1>(in, out, from.width());
        for (int i = 1; i < scale; ++i)
            std::memcpy(reinterpret_cast<QRgb*>(first + i * outStride) +
                            (from.left() - view.left()) * scale,
                        out, rowBytes);
    }
}
