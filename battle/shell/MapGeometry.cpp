#include "MapGeometry.h"

#include "BattleRecords.h"
#include "LoadedSymbolSet.h"

#include <cmath>
#include <cstdlib>

MapMetrics MetricsFor(const BattleSettings& settings, const LoadedSymbolSet& set, int zoom) {
    MapMetrics m;
    m.mapCols = settings.mapCols;
    m.mapRows = settings.mapRows;
    m.gridLayout = settings.gridLayout;
    m.cellWidth = set.cellWidth[size_t(zoom)];
    m.columnStep = set.columnStep[size_t(zoom)];
    m.rowStep = set.rowStep[size_t(zoom)];
    if (m.gridLayout == GridSquare)
        m.columnStep = m.rowStep = m.cellWidth;
    // Degenerate cells would make every division below fail.
    m.columnStep = std::max(m.columnStep, 1);
    m.rowStep = std::max(m.rowStep, 1);
    m.cellWidth = std::max(m.cellWidth, 1);
    return m;
}

QPoint HexOrigin(const MapMetrics& m, int hex, int reference) {
    const int dc = m.col(hex) - m.col(reference);
    const int dr = m.row(hex) - m.row(reference);
    int x = m.columnStep * dc;
    int y = m.rowStep * dr;
    if (m.gridLayout == GridVertical && m.col(hex) % 2 == 1)
        y += m.rowStep / 2;
    else if (m.gridLayout == GridHoriz && m.row(hex) % 2 == 1)
        x += m.columnStep / 2;
    return {x, y};
}

int HexAtPoint(const MapMetrics& m, int originHex, int x, int y) {
    if (m.mapCols <= 0)
        return kOffMap;
    // The hit test lies two pixels up and left of the drawing.
    const int px = std::max(x - 2, 0);
    const int py = std::max(y - 2, 0);
    const int c0 = m.col(originHex), r0 = m.row(originHex);
    int c = 0, r = 0;
    switch (m.gridLayout) {
    case GridHoriz: {
        r = r0 + py / m.rowStep;
        const int shiftedX = r % 2 == 1 ? px - m.columnStep / 2 : px;
        c = c0 + shiftedX / m.columnStep; // truncates toward zero: a small negative is c0
        break;
    }
    case GridSquare:
        c = c0 + px / m.cellWidth;
        r = r0 + py / m.cellWidth;
        break;
    default: {
        c = c0 + px / m.columnStep;
        const int shiftedY = c % 2 == 1 ? py - m.rowStep / 2 : py;
        r = r0 + shiftedY / m.rowStep;
        break;
    }
    }
    if (c < 0 || r < 0 || c >= m.mapCols || r >= m.mapRows)
        return kOffMap;
    return m.hexAt(r, c);
}

int VisibleCols(const MapMetrics& m, int viewWidth) {
    return viewWidth / m.columnStep;
}
int VisibleRows(const MapMetrics& m, int viewHeight) {
    return viewHeight / m.rowStep;
}

int ClampOrigin(const MapMetrics& m, int col, int row, int visibleCols, int visibleRows) {
    if (col != 0 || row != 0) {
        if (visibleCols + col > m.mapCols)
            col = m.mapCols - visibleCols;
        if (visibleRows + row > m.mapRows)
            row = m.mapRows - visibleRows;
    }
    col = std::max(col, 0);
    row = std::max(row, 0);
    col -= col % 2;
    row -= row % 2;
    return m.hexAt(row, col);
}

int ZoomInOrigin(const MapMetrics& m, int hex, int viewWidth, int viewHeight) {
    int c = m.col(hex) - VisibleCols(m, viewWidth) / 2;
    int r = m.row(hex) - VisibleRows(m, viewHeight) / 2;
    c = std::max(c, 0);
    r = std::max(r, 0);
    c += c % 2;
    r += r % 2;
    return ClampOrigin(m, c, r, VisibleCols(m, viewWidth), VisibleRows(m, viewHeight));
}

int ZoomOutOrigin(const MapMetrics& oldLevel, const MapMetrics& m, int origin, int viewWidth,
                  int viewHeight) {
    const int centreC = oldLevel.col(origin) + VisibleCols(oldLevel, viewWidth) / 2;
    const int centreR = oldLevel.row(origin) + VisibleRows(oldLevel, viewHeight) / 2;
    const int c = centreC - VisibleCols(m, viewWidth) / 2;
    const int r = centreR - VisibleRows(m, viewHeight) / 2;
    return ClampOrigin(m, c, r, VisibleCols(m, viewWidth), VisibleRows(m, viewHeight));
}

int ZoomAtPointOrigin(const MapMetrics& oldLevel, const MapMetrics& m, int origin, QPoint at,
                      int viewWidth, int viewHeight) {
    // The ground under the point, in columns and rows of the map.
    const double col = oldLevel.col(origin) + double(at.x()) / oldLevel.columnStep;
    const double row = oldLevel.row(origin) + double(at.y()) / oldLevel.rowStep;
    // The origin that puts it there at the new level, to the nearest even column and row.
    const int c = 2 * int(std::lround((col - double(at.x()) / m.columnStep) / 2));
    const int r = 2 * int(std::lround((row - double(at.y()) / m.rowStep) / 2));
    return ClampOrigin(m, c, r, VisibleCols(m, viewWidth), VisibleRows(m, viewHeight));
}

ScrollRange HorizontalScroll(const MapMetrics& m, int visibleCols, int origin) {
    ScrollRange s;
    if (visibleCols >= m.mapCols)
        return s;
    s.enabled = true;
    s.maximum = std::max(m.mapCols - visibleCols + (visibleCols % 2 == 0 ? 1 : 0), 0);
    s.position = m.col(origin);
    return s;
}

ScrollRange VerticalScroll(const MapMetrics& m, int visibleRows, int origin) {
    ScrollRange s;
    if (visibleRows >= m.mapRows)
        return s;
    s.enabled = true;
    s.maximum = std::max(m.mapRows - visibleRows, 0);
    s.position = m.row(origin);
    return s;
}

int EvenScrollStep(int delta) {
    const int size = std::abs(delta);
    const int even = size + size % 2;
    return delta < 0 ? -even : even;
}
