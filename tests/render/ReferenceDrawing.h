#pragma once
// What the map view draws of a battle file when its window is as large as the whole map:
// the reference a map picture must equal pixel for pixel.

#include "MapRenderer.h"

#include <QImage>
#include <QString>

class Battle;
struct LoadedSymbolSet;

// The renderer's drawing of one view of the whole map at origin 0.
QImage OneViewDrawing(const Battle& battle, const LoadedSymbolSet& set, int zoom,
                      const DisplayPrefs& prefs, QColor tableColour, bool hexMask);

// The battle file opened as the editor opens it, with its set beside it and the table
// colour from the palette of `programFolder`; null when it cannot be opened.
QImage OneViewDrawingOfFile(const QString& battlePath, const QString& programFolder, int zoom,
                            const DisplayPrefs& prefs);
