#pragma once
// Opaque terrain with buildings of the stock set, seen from above on their ground.

#include "SymbolCanvas.h"

void PaintVillage(QPainter& p, const HexFrame& f);
void PaintTown(QPainter& p, const HexFrame& f);
void PaintChurch(QPainter& p, const HexFrame& f);
void PaintCastle(QPainter& p, const HexFrame& f);
void PaintRuins(QPainter& p, const HexFrame& f);
void PaintWindmill(QPainter& p, const HexFrame& f);
void PaintCamp(QPainter& p, const HexFrame& f);
void PaintFarmstead(QPainter& p, const HexFrame& f);
