#pragma once
// A map drawn from a symbol set the way the battle editor lays hexes out: columns
// (cell * 4) div 5 - 1 pixels apart, rows cell - 2 apart, odd columns half a row lower;
// per hex the primary terrain through the hex mask, then the pieces, then the overlay;
// the game pieces last, centred on their hexes.

#include "SetPictures.h"

#include <QPoint>

#include <vector>

struct PreviewHex {
    int primary = 0;            // zero-based terrain symbol
    std::vector<int> secondary; // zero-based terrain symbols, in drawing order
    int unit = -1;              // zero-based unit symbol, -1 = none
};

struct PreviewMap {
    int cols = 0;
    int rows = 0;
    std::vector<PreviewHex> hexes; // row by row
    int overlay = -1;              // terrain symbol drawn over every hex, -1 = none

    PreviewMap(int c, int r) : cols(c), rows(r), hexes(size_t(c * r)) {}
    PreviewHex& at(QPoint cell) { return hexes[size_t(cell.y() * cols + cell.x())]; }
};

// The neighbour of `cell` across edge `side` (0 north, clockwise to 5 north-west) in the
// "Vertical" arrangement.
QPoint NeighbourCell(QPoint cell, int side);
// The edge of `from` that `to` lies across, or -1 when they are not neighbours.
int SideTowards(QPoint from, QPoint to);
// Links consecutive cells of `path` with the pieces first + edge (a river, a road …).
void LinkPath(PreviewMap& map, const std::vector<QPoint>& path, int firstPiece);

QImage RenderPreview(const SetPictures& pictures, const PreviewMap& map, int level,
                     QRgb tableColour);
