#pragma once
// Pixel operations the tools share. Pictures are RGB32; every operation clips to the
// picture, so shapes and pastes near an edge simply lose their outside pixels.

#include <QImage>
#include <QPoint>
#include <QRect>

// The box spanned by two pixels, both included, whichever way round they are given.
QRect SpanBox(QPoint a, QPoint b);

void PaintPixel(QImage& picture, QPoint p, QRgb colour);

// A filled rectangle covering `box`: one-pixel outline in `pen`, inside in `fill`.
void FillRectangle(QImage& picture, const QRect& box, QRgb pen, QRgb fill);
// A filled ellipse inscribed in `box`: outline pixels in `pen`, inside in `fill`.
void FillEllipse(QImage& picture, const QRect& box, QRgb pen, QRgb fill);
// The rubber band of a region selection: the outline of `box` exclusive-or white.
void XorOutline(QImage& picture, const QRect& box);

// Every pixel of colour `from` becomes `to`.
void SwitchColour(QImage& picture, QRgb from, QRgb to);

void FlipLeftToRight(QImage& picture);
void FlipTopToBottom(QImage& picture);

// Copies the whole of `region` with its top-left pixel at `topLeft`.
void PasteRegion(QImage& picture, const QImage& region, QPoint topLeft);
// A copy of the pixels of `box` (clipped to the picture).
QImage CutRegion(const QImage& picture, const QRect& box);
