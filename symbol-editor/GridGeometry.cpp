#include "GridGeometry.h"

#include <algorithm>

int SetGrdMax(int width, int height) {
    if (width <= 0 || height <= 0)
        return 1;
    int c = kGridArea / width;
    while (c > 1 && (c * height > kGridArea || c * width > kGridArea))
        --c;
    return std::min(std::max(c, 1), kMaxCell);
}

int FitCell(QSize picture, QSize area) {
    if (picture.isEmpty())
        return 1;
    const int c = std::min(area.width() / picture.width(), area.height() / picture.height());
    return std::clamp(c, 1, kMaxZoomCell);
}

int ZoomedCell(int cell, int steps) {
    for (; steps > 0; --steps)
        cell = std::max(cell + 1, cell * 9 / 8);
    for (; steps < 0; ++steps)
        cell = std::min(cell - 1, cell * 8 / 9);
    return std::clamp(cell, 1, kMaxZoomCell);
}

QString GridCellText(QPoint pixel) {
    return QStringLiteral("[%1-%2]")
        .arg(pixel.y(), 3, 10, QLatin1Char('0'))
        .arg(pixel.x(), 3, 10, QLatin1Char('0'));
}

QImage SetCellGrid(QSize picture, int cell, bool on) {
    QImage overlay(picture * cell, QImage::Format_RGB32);
    overlay.fill(0xffffffff);
    if (!on)
        return overlay;
    for (int row = 0; row < picture.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(overlay.scanLine(row * cell));
        std::fill(line, line + overlay.width(), 0xff000000u);
    }
    for (int y = 0; y < overlay.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(overlay.scanLine(y));
        for (int column = 0; column < picture.width(); ++column)
            line[column * cell] = 0xff000000u;
    }
    return overlay;
}

void ClipToHexShape(QImage& picture, const QImage& hexShape) {
    const int w = std::min(picture.width(), hexShape.width());
    const int h = std::min(picture.height(), hexShape.height());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, picture.pixel(x, y) & hexShape.pixel(x, y));
    }
}

QImage BlastGrid(const QImage& picture, int cell, const QImage& overlay, bool gridOn) {
    QImage grid =
        picture.scaled(picture.size() * cell, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_RGB32);
    if (!gridOn || overlay.size() != grid.size())
        return grid;
    for (int y = 0; y < grid.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(grid.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(overlay.constScanLine(y));
        for (int x = 0; x < grid.width(); ++x)
            out[x] &= in[x];
    }
    return grid;
}
