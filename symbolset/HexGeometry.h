#pragma once
// The hex outline whose pixels the set format fixes, and the pictures made from it.

#include <QImage>
#include <QPoint>

#include <vector>

struct Segment {
    QPoint from;
    QPoint to;
    bool operator==(const Segment&) const = default;
};

// Segments of the hexagon in an s-by-s square, for orientation 1 (Vertical) or 2 (Horiz).
std::vector<Segment> HexOutline(int s, int orientation);

// Sets every pixel of the line from `from` to `to`, both end points included.
void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour);

// Fills the 4-connected area of `start`'s colour with `colour`.
void FloodFill(QImage& image, QPoint start, QRgb colour);

// The s-by-s hex mask: black hexagon (outline and inside), white outside. RGB32.
QImage HexMask(int s, int orientation);

// Picture to mask: white where the picture is pure black, black elsewhere (RGB32).
// The same rule inverts a mask into the hex shape and the "Blank" picture.
QImage MaskFromPicture(const QImage& picture);

inline bool IsPureBlack(QRgb c) {
    return (c & 0x00ffffffu) == 0;
}

// Black diagonal-cross hatch lines over `cell`; pixels between the lines stay.
void HatchCell(QImage& image, const QRect& cell);
