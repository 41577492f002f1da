#pragma once
// The terrain attributes a battle on the standard set "varnholm" gives each of its
// terrain symbols: the set's own name, elevation, movement cost and defence.

#include "Battle.h"
#include "LoadedSymbolSet.h"

#include <QString>

struct TerrainFigures {
    int elevation = 0;
    int costPerMove = 0; // 0: a marker or decoration, skipped by the per-hex values
    int defenceModifier = 0;
};

// The figures of one terrain symbol of the set (zero-based).
TerrainFigures VarnholmTerrainFigures(int symbol);

// Fills the attribute of every terrain symbol of set. Returns an empty text, or the fault
// when the set is not the standard one (another count of terrain symbols).
QString SetVarnholmTerrainAttributes(Battle& battle, const LoadedSymbolSet& set);
