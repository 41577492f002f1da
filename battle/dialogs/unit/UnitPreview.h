#pragma once
// The unit editor's preview: one unit symbol at the largest zoom level on a black cell
// of the map's cell size, drawn through its mask as the map draws units.

#include "LoadedSymbolSet.h"

#include <QImage>

// Draws unit symbol `symbol` (zero-based) of `set` at zoom level `level` (1 … 3) onto
// `target` with its cell's top left at `at`: with a mask, the mask is AND-ed and the
// picture OR-ed over what is there; without one the picture is copied. Nothing is drawn
// for a symbol the set does not have.
void DrawUnitSymbol(QImage& target, QPoint at, const LoadedSymbolSet& set, int symbol, int level);

// A black square of the set's level-3 cell width with unit symbol `symbol` centred on
// it; a null picture when the set has no cell width yet.
QImage UnitPreviewPicture(const LoadedSymbolSet& set, int symbol);
