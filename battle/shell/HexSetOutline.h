#pragma once
// The outline of a set of hexes over the map view: the edges between a hex of the set and
// one outside it (or the map's edge), for the hexes the view shows. A selection of the
// whole map thus costs its border, not every hex's six edges.

#include "MapGeometry.h"

#include <QLine>

#include <functional>
#include <vector>

std::vector<QLine> HexSetOutline(const MapMetrics& m, int originHex, int visibleCols,
                                 int visibleRows, const std::function<bool(int hex)>& inSet);
