#pragma once
// The sample battle "Varnholm Ford" shipped in the program folder's "Battles" folder.

#include "Battle.h"
#include "Definitions.h"
#include "LoadedSymbolSet.h"

#include <QString>

// Replaces battle by the sample battle on the standard set (loaded as set), with its
// units' equipment taken from defs by name. Returns an empty text, or what went wrong.
QString BuildSampleBattle(Battle& battle, const Definitions& defs, const LoadedSymbolSet& set);
