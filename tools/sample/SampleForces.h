#pragma once
// The two armies of the sample battle: wings with their leaders, the units on the map at
// the start and the reinforcements of later turns.

#include "Definitions.h"
#include "TerrainLayout.h"

#include <QString>

// Adds the wings and units to a battle whose terrain and attributes are laid, taking the
// equipment from defs by name. Returns an empty text, or the fault: an item defs lacks, a
// unit symbol beyond unitSymbolCount, a hex that is taken or cannot be entered.
QString AddSampleForces(Battle& battle, const TerrainLayout& map, const Definitions& defs,
                        int unitSymbolCount);
