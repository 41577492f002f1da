#include "HexGeometry.h"

#include <QPainter>

#include <cstdlib>

std::vector<Segment> HexOutline(int s, int orientation) {
    const auto seg = [](int x1, int y1, int x2, int y2) { return Segment{{x1, y1}, {x2, y2}}; };
    if (s == 5)
        return {seg(1, 0, 3, 0), seg(1, 4, 3, 4), seg(0, 1, 0, 3), seg(4, 1, 4, 3)};
    if (s == 10 && orientation == 1)
        return {seg(2, 0, 7, 0), seg(2, 9, 7, 9), seg(2, 0, 2, 1), seg(1, 2, 1, 3),
                seg(0, 4, 0, 5), seg(1, 6, 1, 7), seg(2, 8, 2, 9), seg(7, 0, 7, 1),
                seg(8, 2, 8, 3), seg(9, 4, 9, 5), seg(8, 6, 8, 7), seg(7, 8, 7, 9)};
    if (s == 10)
        return {seg(0, 2, 0, 7), seg(9, 2, 9, 7), seg(0, 2, 1, 2), seg(2, 1, 3, 1),
                seg(4, 0, 5, 0), seg(6, 1, 7, 1), seg(8, 2, 9, 2), seg(0, 7, 1, 7),
                seg(2, 8, 3, 8), seg(4, 9, 5, 9), seg(6, 8, 7, 8), seg(8, 7, 9, 7)};

    const int v = s / 5, w = s - v - 1, u = s - 1, a = s / 2;
    if (orientation == 1)
        return {seg(v, 0, w, 0), seg(v, u, w, u), seg(w, 0, u, a),
                seg(w, u, u, a), seg(v, 0, 0, a), seg(v, u, 0, a)};
    return {seg(0, v, 0, w), seg(u, v, u, w), seg(a, 0, u, v),
            seg(a, 0, 0, v), seg(a, u, u, w), seg(a, u, 0, w)};
}

void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
    // Bresenham over the longer axis, so every step sets exactly one pixel.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (image.valid(x, y))
            image.setPixel(x, y, colour);
        if (x == to.x() && y == to.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void FloodFill(QImage& image, QPoint start, QRgb colour) {
    if (!image.valid(start))
        return;
    const QRgb target = image.pixel(start);
    if (target == colour)
        return;
    // Span fill: each popped point fills its whole run on the row and queues the rows
    // above and below once per run.
    std::vector<QPoint> stack{start};
    const int width = image.width(), height = image.height();
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int y = p.y();
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (row[p.x()] != target)
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right < width - 1 && row[right + 1] == target)
            ++right;
        for (int x = left; x <= right; ++x)
            row[x] = colour;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(ny));
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool match = next[x] == target;
                if (match && !inRun)
                    stack.push_back({x, ny});
                inRun = match;
            }
        }
    }
}

QImage HexMask(int s, int orientation) {
    QImage mask(s, s, QImage::Format_RGB32);
    mask.fill(Qt::white);
    const QRgb black = qRgb(0, 0, 0);
    for (const Segment& segment : HexOutline(s, orientation))
        DrawLine(mask, segment.from, segment.to, black);
    FloodFill(mask, {s / 2, s / 2}, black);
    return mask;
}

QImage MaskFromPicture(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage mask(source.size(), QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = IsPureBlack(in[x]) ? white : black;
    }
    return mask;
}

void HatchCell(QImage& image, const QRect& cell) {
    QPainter painter(&image);
    painter.setBrushOrigin(cell.topLeft());
    painter.fillRect(cell, QBrush(Qt::black, Qt::DiagCrossPattern));
}
