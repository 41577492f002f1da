#include "LevelDerivation.h"

#include "ColourRules.h"
#include "GridGeometry.h"

#include <algorithm>

namespace {

// Overlap of source pixel s (spanning s … s + 1) with target pixel t scaled to the source
// (spanning t × ratio … (t + 1) × ratio), in source pixels.
double Overlap(int s, double begin, double end) {
    return std::max(0.0, std::min(end, double(s + 1)) - std::max(begin, double(s)));
}

QImage Shrink(const QImage& from, QSize size, const Transparency& t) {
    QImage to(size, QImage::Format_RGB32);
    const double rx = double(from.width()) / size.width();
    const double ry = double(from.height()) / size.height();
    for (int y = 0; y < size.height(); ++y) {
        const double y0 = y * ry, y1 = (y + 1) * ry;
        for (int x = 0; x < size.width(); ++x) {
            const double x0 = x * rx, x1 = (x + 1) * rx;
            double r = 0, g = 0, b = 0, seen = 0, hidden = 0;
            for (int sy = int(y0); sy < std::min(from.height(), int(y1) + 1); ++sy) {
                const double wy = Overlap(sy, y0, y1);
                for (int sx = int(x0); sx < std::min(from.width(), int(x1) + 1); ++sx) {
                    const double w = wy * Overlap(sx, x0, x1);
                    if (w <= 0)
                        continue;
                    const QRgb c = from.pixel(sx, sy);
                    if (t.on && SameColour(c, t.colour)) {
                        hidden += w;
                        continue;
                    }
                    r += w * qRed(c), g += w * qGreen(c), b += w * qBlue(c), seen += w;
                }
            }
            if (seen == 0 || hidden >= seen) {
                to.setPixel(x, y, t.on ? t.colour : 0xff000000u);
                continue;
            }
            const QRgb average =
                qRgb(int(r / seen + 0.5), int(g / seen + 0.5), int(b / seen + 0.5));
            // An average that happens to be the transparent colour stays visible: nudge it.
            QRgb shown = DrawableColour(average);
            if (t.on && SameColour(shown, t.colour))
                shown = qRgb(qRed(shown) ^ 1, qGreen(shown), qBlue(shown));
            to.setPixel(x, y, shown);
        }
    }
    return to;
}

QImage Grow(const QImage& from, QSize size) {
    QImage to(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int sy = int(qint64(y) * from.height() / size.height());
        for (int x = 0; x < size.width(); ++x)
            to.setPixel(x, y, from.pixel(int(qint64(x) * from.width() / size.width()), sy));
    }
    return to;
}

} // namespace

QImage DeriveLevel(const QImage& from, QSize size, const Transparency& transparency,
                   const QImage& hexShape) {
    const QImage source = from.convertToFormat(QImage::Format_RGB32);
    QImage derived = size.width() * size.height() < source.width() * source.height()
                         ? Shrink(source, size, transparency)
                         : Grow(source, size);
    if (!hexShape.isNull())
        ClipToHexShape(derived, hexShape);
    return derived;
}
