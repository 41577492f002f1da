#pragma once
// A symbol set held in memory and small battles on it, for the map tests.

#include "Battle.h"
#include "LoadedSymbolSet.h"

// Terrain symbols 0 … 9 (solid colours; 7 an outline marker with its own mask, 9 a marker
// with a mask) through a shared hex mask, and unit symbols 0 (opaque) and 1 (masked, a
// disc), at cell widths 15, 30, 45.
LoadedSymbolSet MakeLoadedSet();
QRgb TerrainColour(int symbol);
QRgb UnitColour(int symbol);

// A battle of cols × rows hexes, all of primary terrain 0, with the standard markers.
void MakeBattle(Battle& battle, int cols, int rows);
