#pragma once
// The special markers of the stock set: transparent pictures the battle editor lays over
// hexes (map overlay, objective, reinforcement hexes, caltrops) or keeps for the game
// (hot, combat, legal move and unit destroyed hexes).

#include "SymbolCanvas.h"

// The hex outline, pixel for pixel as the set format draws it, transparent inside.
QImage MapOverlayPicture(int size);

void PaintObjective(QPainter& p, const HexFrame& f);
void PaintHotHex(QPainter& p, const HexFrame& f);
void PaintCombatHex(QPainter& p, const HexFrame& f);
void PaintLegalMove(QPainter& p, const HexFrame& f);
void PaintUnitDestroyed(QPainter& p, const HexFrame& f);
// A pennant in the side's colour with an arrow pointing into the hex.
void PaintReinforcement(QPainter& p, const HexFrame& f, QColor side);
void PaintCaltrops(QPainter& p, const HexFrame& f);
