#pragma once
// Battles for measuring and checking the map drawing: the stock set "varnholm" built into
// a temporary folder and loaded as fmbattle loads it, and maps on it at two densities.

#include "Battle.h"
#include "LoadedSymbolSet.h"

// Builds the stock set and loads it into `set`; false (with a line on stderr) on failure.
bool LoadStockSet(LoadedSymbolSet& set);

enum class SceneDensity {
    // Primary terrain everywhere, a secondary terrain on about a third of the hexes, the
    // overlay, a unit on about one hex in 45.
    Sample,
    // Six secondary terrains and caltrops on every hex, the overlay, as many objectives
    // and structures as a battle holds, a unit on 500 hexes.
    EveryLayer,
};

// A battle of cols × rows hexes on the stock set.
void MakeStockBattle(Battle& battle, int cols, int rows, SceneDensity density);
