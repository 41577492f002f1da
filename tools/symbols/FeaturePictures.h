#pragma once
// Transparent terrain pieces laid over the ground of a hex: water courses and roads from
// the centre to one edge (two pieces make a course through the hex), crossings along an
// axis, and walls along one edge.

#include "SymbolCanvas.h"

void PaintRiver(QPainter& p, const HexFrame& f, HexSide side);
void PaintStream(QPainter& p, const HexFrame& f, HexSide side);
void PaintRoad(QPainter& p, const HexFrame& f, HexSide side);
void PaintTrack(QPainter& p, const HexFrame& f, HexSide side);
// Crossings run from `side` to the opposite edge.
void PaintBridge(QPainter& p, const HexFrame& f, HexSide side);
void PaintFord(QPainter& p, const HexFrame& f, HexSide side);
void PaintWall(QPainter& p, const HexFrame& f, HexSide side);
void PaintPalisade(QPainter& p, const HexFrame& f, HexSide side);
