#pragma once
// The colours of the palette picture "ketpal.bmp": 16 × 16 pixels, index i (0 … 255) is the
// pixel at column i mod 16, row i div 16.

#include <QColor>
#include <QImage>

inline QColor PaletteColour(const QImage& palette, int index) {
    const int col = index % 16;
    const int row = index / 16;
    if (!palette.valid(col, row)) // no palette, or a picture too small
        return QColor(Qt::black);
    return palette.pixelColor(col, row);
}
