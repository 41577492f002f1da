#pragma once
// The enlarged pixel grid: its cell size, the line overlay, the redraw from the picture and
// the status text of the pixel under the mouse.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

constexpr int kGridArea = 360; // the grid is at most this many screen pixels each way
constexpr int kMaxCell = 72;

// Screen pixels per picture pixel for a picture of this size.
int SetGrdMax(int width, int height);

// The zoomable canvas: cells of 1 to kMaxZoomCell screen pixels; lines between the cells
// from kGridLinesFrom on (below that they would hide the picture).
constexpr int kMaxZoomCell = 64;
constexpr int kGridLinesFrom = 4;
// The largest cell with which the picture fits `area` (at least 1).
int FitCell(QSize picture, QSize area);
// One wheel step in or out: about an eighth larger or smaller, at least one pixel.
int ZoomedCell(int cell, int steps);

// The pixel under a mouse position on the grid; positions left of or above the grid give
// negative pixels (rounded down, so -1 is outside and not column 0).
inline QPoint GridPixel(QPoint mouse, int cell) {
    const auto floorDiv = [cell](int v) { return v >= 0 ? v / cell : -((-v + cell - 1) / cell); };
    return {floorDiv(mouse.x()), floorDiv(mouse.y())};
}
// "[" row "-" column "]", three digits each.
QString GridCellText(QPoint pixel);

// White image of the grid's size; with `on`, black lines at every cell boundary.
QImage SetCellGrid(QSize picture, int cell, bool on);

// Clips a real-hex terrain picture to its hexagon: pixels outside `hexShape` (white hexagon
// on black) become black and stay black.
void ClipToHexShape(QImage& picture, const QImage& hexShape);

// The grid image: the picture stretched by `cell`, the overlay AND-ed on when the grid is on.
QImage BlastGrid(const QImage& picture, int cell, const QImage& overlay, bool gridOn);
