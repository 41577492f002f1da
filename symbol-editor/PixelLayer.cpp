#include "PixelLayer.h"

#include "ColourRules.h"

#include <vector>

QRect SpanBox(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void PaintPixel(QImage& picture, QPoint p, QRgb colour) {
    if (picture.valid(p))
        picture.setPixel(p, colour);
}

void FillRectangle(QImage& picture, const QRect& box, QRgb pen, QRgb fill) {
    const QRect clipped = box & picture.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const bool edge =
                x == box.left() || x == box.right() || y == box.top() || y == box.bottom();
            picture.setPixel(x, y, edge ? pen : fill);
        }
    }
}

namespace {

// Whether pixel (x, y) lies inside the ellipse inscribed in `box` (pixel centres tested).
bool InEllipse(const QRect& box, int x, int y) {
    if (!box.contains(x, y))
        return false;
    const double rx = box.width() / 2.0, ry = box.height() / 2.0;
    const double cx = box.left() + rx, cy = box.top() + ry;
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

} // namespace

void FillEllipse(QImage& picture, const QRect& box, QRgb pen, QRgb fill) {
    const QRect clipped = box & picture.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (!InEllipse(box, x, y))
                continue;
            const bool edge = !InEllipse(box, x - 1, y) || !InEllipse(box, x + 1, y) ||
                              !InEllipse(box, x, y - 1) || !InEllipse(box, x, y + 1);
            picture.setPixel(x, y, edge ? pen : fill);
        }
    }
}

void XorOutline(QImage& picture, const QRect& box) {
    const auto flip = [&](int x, int y) {
        if (picture.valid(x, y))
            picture.setPixel(x, y, picture.pixel(x, y) ^ 0x00ffffffu);
    };
    for (int x = box.left(); x <= box.right(); ++x) {
        flip(x, box.top());
        if (box.bottom() != box.top())
            flip(x, box.bottom());
    }
    for (int y = box.top() + 1; y < box.bottom(); ++y) {
        flip(box.left(), y);
        if (box.right() != box.left())
            flip(box.right(), y);
    }
}

void SwitchColour(QImage& picture, QRgb from, QRgb to) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (SameColour(row[x], from))
                row[x] = to;
        }
    }
}

void FlipLeftToRight(QImage& picture) {
    QImage flipped(picture.size(), picture.format());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            flipped.setPixel(picture.width() - 1 - x, y, picture.pixel(x, y));
    }
    picture = flipped;
}

void FlipTopToBottom(QImage& picture) {
    QImage flipped(picture.size(), picture.format());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            flipped.setPixel(x, picture.height() - 1 - y, picture.pixel(x, y));
    }
    picture = flipped;
}

void PasteRegion(QImage& picture, const QImage& region, QPoint topLeft) {
    for (int y = 0; y < region.height(); ++y) {
        for (int x = 0; x < region.width(); ++x)
            PaintPixel(picture, topLeft + QPoint(x, y), region.pixel(x, y));
    }
}

QImage CutRegion(const QImage& picture, const QRect& box) {
    return picture.copy(box & picture.rect()).convertToFormat(QImage::Format_RGB32);
}
