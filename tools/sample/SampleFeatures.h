#pragma once
// The sample battle's victory objectives, structures, map texts and caltrops.

#include "TerrainLayout.h"

#include <QString>

// Adds them to a battle whose terrain is laid. Returns an empty text or the fault.
QString AddSampleFeatures(Battle& battle, const TerrainLayout& map);
