#pragma once
// Hex map geometry of one zoom level: where a hex lies in the map buffer, which hex a
// point of the view falls in, and the clamping of the view origin. No window involved.

#include <QPoint>
#include <QRect>

struct BattleSettings;
struct LoadedSymbolSet;

constexpr int kOffMap = 63000;

enum GridLayout { GridVertical = 1, GridHoriz = 2, GridSquare = 3 };

struct MapMetrics {
    int mapCols = 0;
    int mapRows = 0;
    int gridLayout = GridVertical;
    int cellWidth = 0;  // side of a hex's square
    int columnStep = 0; // pixels between neighbouring columns
    int rowStep = 0;    // pixels between neighbouring rows

    int hexCount() const { return mapCols * mapRows; }
    int col(int hex) const { return hex % mapCols; }
    int row(int hex) const { return hex / mapCols; }
    int hexAt(int row, int col) const { return row * mapCols + col; }
};

// The metrics of zoom level z (0, 1, 2). Square grids place cells side by side, so that
// drawing and hit test agree.
MapMetrics MetricsFor(const BattleSettings& settings, const LoadedSymbolSet& set, int zoom);

// Top left of hex h's square relative to the reference hex o (at or above-left of h).
QPoint HexOrigin(const MapMetrics& m, int hex, int reference);

// The hex at (x, y) of the view whose top-left hex is originHex, or kOffMap.
int HexAtPoint(const MapMetrics& m, int originHex, int x, int y);

// Columns and rows a view of the given size shows.
int VisibleCols(const MapMetrics& m, int viewWidth);
int VisibleRows(const MapMetrics& m, int viewHeight);

// The origin kept inside the map's right and bottom edges (only when it is off hex 0),
// never negative, column and row even.
int ClampOrigin(const MapMetrics& m, int col, int row, int visibleCols, int visibleRows);

// The origin after zooming in on hex h (with the new level's metrics) or out (from the
// old level's origin to the new level's metrics).
int ZoomInOrigin(const MapMetrics& newLevel, int hex, int viewWidth, int viewHeight);
int ZoomOutOrigin(const MapMetrics& oldLevel, const MapMetrics& newLevel, int origin, int viewWidth,
                  int viewHeight);

// The origin after a zoom step (in or out) that keeps the ground under the view point
// `at` under it, as near as an origin on an even column and row allows.
int ZoomAtPointOrigin(const MapMetrics& oldLevel, const MapMetrics& newLevel, int origin, QPoint at,
                      int viewWidth, int viewHeight);

struct ScrollRange {
    bool enabled = false;
    int maximum = 0;
    int position = 0;
};
ScrollRange HorizontalScroll(const MapMetrics& m, int visibleCols, int origin);
ScrollRange VerticalScroll(const MapMetrics& m, int visibleRows, int origin);

// Scroll amounts are rounded up to the next even number, keeping the sign.
int EvenScrollStep(int delta);
