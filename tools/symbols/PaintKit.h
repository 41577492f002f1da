#pragma once
// Small painting motifs shared by the stock set's pictures: textures, trees, roofs, stones.

#include "Scatter.h"
#include "SymbolCanvas.h"

#include <QColor>

// Colours of the stock set, so neighbouring pictures agree.
struct MapColour {
    static QColor Grass() { return {122, 160, 78}; }
    static QColor Meadow() { return {140, 176, 88}; }
    static QColor Water() { return {64, 116, 184}; }
    static QColor WaterDeep() { return {40, 82, 150}; }
    static QColor WaterLight() { return {150, 196, 232}; }
    static QColor Bank() { return {48, 70, 100}; }
    static QColor Earth() { return {150, 118, 74}; }
    static QColor Road() { return {206, 182, 124}; }
    static QColor RoadEdge() { return {120, 96, 60}; }
    static QColor Stone() { return {176, 170, 156}; }
    static QColor StoneDark() { return {104, 98, 90}; }
    static QColor Wood() { return {124, 84, 44}; }
    static QColor Ink() { return {16, 16, 16}; }
    static QColor TreeDark() { return {34, 84, 38}; }
    static QColor Tree() { return {56, 116, 52}; }
    static QColor Tile() { return {178, 72, 50}; }
    static QColor Thatch() { return {196, 164, 98}; }
    static QColor Slate() { return {100, 106, 120}; }
};

// Mixes a towards b by t (0 … 1).
QColor Mix(QColor a, QColor b, double t);

// Fills the whole square with `base`, lit from the upper left.
void FillShaded(QPainter& p, const HexFrame& f, QColor base, int contrast = 10);

// Dots of shades around `base` scattered over the hexagon: `perPixel` dots per pixel of area.
void Speckle(QPainter& p, const HexFrame& f, Scatter& rnd, QColor base, double perPixel,
             double radius, int spread);

// Short upright strokes of grass or reeds.
void Tufts(QPainter& p, const HexFrame& f, Scatter& rnd, QColor colour, int count, double height);

// A tree crown seen from above: shadow, crown and highlight.
void TreeCrown(QPainter& p, QPointF at, double radius, QColor crown);

// A house seen from above: a gabled roof of two shaded halves with its ridge along the
// longer side, turned by `angle` degrees.
void RoofedHouse(QPainter& p, QPointF centre, double length, double depth, double angle,
                 QColor roof);

// A stone seen from above.
void Stone(QPainter& p, QPointF at, double radius, QColor colour);

// Random point inside the hexagon shrunk by `margin` pixels.
QPointF PointInHex(const HexFrame& f, Scatter& rnd, double margin);
