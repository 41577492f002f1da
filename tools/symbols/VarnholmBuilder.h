#pragma once
// Makes the standard set "varnholm" with the symbol set library's own operations, the way
// a designer would in the symbol editor: a new real-hex set, a symbol added and stored at
// a time (masks made from the pictures), then saved under its name.

#include "SetResult.h"

#include <QString>

// Writes the eleven files of the set whose ".set" file is `setPath`
// (for example "<program folder>/Battles/varnholm.set").
SetResult BuildVarnholmSet(const QString& setPath);
