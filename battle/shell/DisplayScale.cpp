#include "DisplayScale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

template <int Scale> void Widen(const QRgb* in, QRgb* out, int width) {
    for (int x = 0; x < width; ++x)
        for (int i = 0; i < Scale; ++i)
            out[x * Scale + i] = in[x];
}

} // namespace

int DesktopMapScale(qreal ratio) {
    return std::clamp(int(std::lround(ratio)), kMinMapScale, kMaxMapScale);
}

MapScaleGeometry MapScaleGeometry::For(int preference, qreal ratio) {
    const qreal r = ratio > 0 ? ratio : 1;
    const int scale = preference == kDesktopMapScale
                          ? DesktopMapScale(r)
                          : std::clamp(preference, kMinMapScale, kMaxMapScale);
    return {scale, r};
}

QSize MapScaleGeometry::BufferSize(QSize logical) const {
    // Whole device pixels only: a part of one at the edge shows black.
    return {std::max(int(std::floor(logical.width() * ratio)) / scale, 1),
            std::max(int(std::floor(logical.height() * ratio)) / scale, 1)};
}

QPoint MapScaleGeometry::ToBuffer(QPointF logical) const {
    return {int(std::floor(logical.x() * ratio / scale)),
            int(std::floor(logical.y() * ratio / scale))};
}

QRect MapScaleGeometry::ToBuffer(const QRect& logical) const {
    const QPoint first = ToBuffer(QPointF(logical.topLeft()));
    const QPoint last =
        ToBuffer(QPointF(logical.right() + 1, logical.bottom() + 1) - QPointF(1e-6, 1e-6));
    return QRect(first, last);
}

QRect MapScaleGeometry::ToLogical(const QRect& buffer) const {
    const auto logical = [this](int pixels) { return qreal(pixels) * scale / ratio; };
    return QRect(
        QPoint(int(std::floor(logical(buffer.left()))), int(std::floor(logical(buffer.top())))),
        QPoint(int(std::ceil(logical(buffer.right() + 1))) - 1,
               int(std::ceil(logical(buffer.bottom() + 1))) - 1));
}

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
