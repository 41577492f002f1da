#pragma once
// The ground, waters, roads and walls of the sample battle's map.

#include "TerrainLayout.h"

#include <QString>

// Lays the whole map on a battle of kSampleCols × kSampleRows fresh hexes. Returns an
// empty text, or what went wrong (a route that crosses itself, a crossing off its river,
// a hex without room for its pieces).
QString LaySampleTerrain(TerrainLayout& map);
