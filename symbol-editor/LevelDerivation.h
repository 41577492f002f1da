#pragma once
// "Derive Other Levels": the picture of one zoom level made from another's. Smaller levels
// take each pixel as the area average of the pixels it covers (the transparent ones left
// out), and a pixel is transparent when at least half its area is (a threshold on the mask,
// so edges stay crisp); larger levels repeat pixels. A result that would be pure black is
// the visible black, so nothing turns transparent by accident.

#include <QImage>

struct Transparency {
    bool on = false; // the symbol is transparent
    QRgb colour = 0; // the colour that shows transparent pixels
};

// `from` rescaled to `size`. With `hexShape` (a real-hex terrain level: white hexagon on
// black) everything outside the hexagon is black, as the editor keeps it.
QImage DeriveLevel(const QImage& from, QSize size, const Transparency& transparency,
                   const QImage& hexShape = {});
