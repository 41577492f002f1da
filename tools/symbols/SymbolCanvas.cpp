#include "SymbolCanvas.h"

#include "HexGeometry.h"

#include <algorithm>
#include <cmath>

HexSide Opposite(HexSide side) {
    return kAllSides[(int(side) + 3) % 6];
}

HexFrame::HexFrame(int size) : size_(size) {
    // Corners of the outline: (v,0), (w,0), (u,a), (w,u), (v,u), (0,a) with v = s div 5,
    // w = s - v - 1, u = s - 1, a = s div 2, taken at the pixels' centres.
    const int v = size / 5, w = size - v - 1, u = size - 1, a = size / 2;
    const QPoint corners[6] = {{v, 0}, {w, 0}, {u, a}, {w, u}, {v, u}, {0, a}};
    for (const QPoint& c : corners)
        outline_ << QPointF(c.x() + 0.5, c.y() + 0.5);
    centre_ = QPointF(size / 2.0, size / 2.0);
}

QPointF HexFrame::edgeStart(HexSide side) const {
    // North runs from the top left corner to the top right one, and so on clockwise.
    return corner(int(side));
}

QPointF HexFrame::edgeEnd(HexSide side) const {
    return corner(int(side) + 1);
}

QPointF HexFrame::edgeMiddle(HexSide side) const {
    return (edgeStart(side) + edgeEnd(side)) / 2.0;
}

QPolygonF HexFrame::inset(double by) const {
    QPolygonF shrunk;
    for (const QPointF& c : outline_) {
        const QPointF d = centre_ - c;
        const double len = std::hypot(d.x(), d.y());
        shrunk << c + d * (by / len);
    }
    return shrunk;
}

int HexFrame::pixels(double unitsAtMiddle, int minimum) const {
    return std::max(minimum, int(std::lround(unitsAtMiddle * unit())));
}

void ClipToHex(QImage& picture) {
    const QImage mask = HexMask(picture.width(), 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (mask.pixel(x, y) != qRgb(0, 0, 0))
                picture.setPixel(x, y, qRgb(0, 0, 0));
}

static void RaiseBlack(QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & 0xffffff) == 0)
                row[x] = qRgb(16, 16, 16);
    }
}

QImage PaintGround(int size, const HexPainting& paint) {
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(qRgb(128, 128, 128));
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, HexFrame(size));
    }
    RaiseBlack(picture);
    ClipToHex(picture);
    return picture;
}

QImage StoredFromCoverage(const QImage& painted) {
    const QImage argb = painted.convertToFormat(QImage::Format_ARGB32);
    QImage stored(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(stored.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(in[x]) < 128)
                out[x] = qRgb(0, 0, 0);
            else if ((in[x] & 0xffffff) == 0)
                out[x] = qRgb(16, 16, 16);
            else
                out[x] = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
        }
    }
    return stored;
}

QImage PaintOverlay(int size, const HexPainting& paint) {
    QImage surface(size, size, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    {
        QPainter p(&surface);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, HexFrame(size));
    }
    QImage picture = StoredFromCoverage(surface);
    ClipToHex(picture);
    return picture;
}

QImage PaintPiece(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage surface(size, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    {
        QPainter p(&surface);
        paint(p);
    }
    return StoredFromCoverage(surface);
}
