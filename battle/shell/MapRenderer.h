#pragma once
// The off-screen map buffer and everything drawn into it: terrain layers through their
// masks, markers, structures, map texts and units, for the visible block of hexes plus one
// hex of margin on every side. Also the view's origin, zoom and scrolling. No window: the
// map widget only shows the view rectangle of the buffer.

#include "MapGeometry.h"
#include "MessageSink.h"
#include "SymbolStamps.h"

#include <QColor>
#include <QImage>

#include <functional>
#include <utility>

#include <vector>

class Battle;
struct HexRecord;
struct LoadedSymbolSet;

struct DisplayPrefs {
    bool showMapText = true;
    bool showOverlay = true;
    bool showObjectives = true;
    bool showReinforcements = true;
};

enum RenderFlag {
    RenderFill = 1,     // the table colour under everything
    RenderTerrain = 2,  // terrain layers and markers
    RenderMapText = 32, // map texts
    RenderFull = 63,
    RenderStrip = 62,
    RenderOverlay = 32,
};

class MapRenderer {
public:
    // The zoom level and view origin are kept in the battle's settings (saved with it) but
    // are no edit of the battle: the renderer hands them to writeView.
    using ViewWriter = std::function<void(int zoomLevel, int originHex)>;
    MapRenderer(const Battle& battle, const LoadedSymbolSet& set, const DisplayPrefs& prefs,
                ViewWriter writeView)
        : battle_(battle), set_(set), prefs_(prefs), writeView_(std::move(writeView)) {}
    // A renderer of a battle of its own (pictures, tests): the view is written into it.
    MapRenderer(Battle& battle, const LoadedSymbolSet& set, const DisplayPrefs& prefs);

    QColor tableColour = Qt::black;
    bool hexMask = true; // primary terrain through the set's shared hex mask

    // A new buffer for the window size at the current zoom; the origin is clamped.
    bool RebuildMapBuffer(int viewWidth, int viewHeight, const MessageSink& sink);
    void Release();
    bool hasBuffer() const { return !buffer_.isNull(); }

    void RenderMap(int flags);
    // Redraws everything that covers hex h's square, then texts and units.
    void RedrawHex(int hex);

    // Positive is right or down; the amount is rounded up to even.
    void ScrollColumns(int delta);
    void ScrollRows(int delta);
    // One level closer centred on hex h; one level farther keeping the centre. False when
    // the level is already at its end.
    bool ZoomInAt(int hex);
    bool ZoomOutView();

    int HexAtPoint(int x, int y) const;
    MapMetrics metrics() const;
    int zoomLevel() const;
    int originHex() const;
    int visibleCols() const { return visibleCols_; }
    int visibleRows() const { return visibleRows_; }
    ScrollRange horizontalScroll() const;
    ScrollRange verticalScroll() const;

    const QImage& buffer() const { return buffer_; }
    // The part of the buffer the window shows.
    QRect viewRect() const { return {bufferOffsetX_, bufferOffsetY_, viewWidth_, viewHeight_}; }
    QImage View() const { return buffer_.copy(viewRect()); }
    // Hex h's square in the view's pixels, where RedrawHex changes the picture.
    QRect ViewSquare(int hex) const;

private:
    struct Block {
        int origin = 0; // drawing origin: the view origin, one row up and one column left
        int firstCol = 0, lastCol = -1, firstRow = 0, lastRow = -1;
    };
    Block CurrentBlock();
    // Draws the passes of `flags` and the unit pass, cut to `clip`.
    void RenderBlock(int flags, const QRect& clip);
    template <class Table>
    std::vector<int> BlockHexesOf(const Table& table, int HexRecord::*link) const;
    void FillTable(const QRect& area);
    void MovePixels(QPoint shift);
    QRect HexSquare(int hex) const;
    void DrawTerrainLayers(int hex);
    void DrawMarker(int symbol, int hex);
    void DrawPrimary(int symbol, int hex);
    void DrawUnit(int hex, const QRect& clip);
    void DrawMapText(int hex, const QRect& clip);
    void ScrollBy(int dCols, int dRows);
    bool valid() const;

    void SetView(int zoomLevel, int originHex) { writeView_(zoomLevel, originHex); }

    const Battle& battle_;
    const LoadedSymbolSet& set_;
    const DisplayPrefs& prefs_;
    ViewWriter writeView_;
    QImage buffer_;
    int viewWidth_ = 0, viewHeight_ = 0;
    int visibleCols_ = 0, visibleRows_ = 0;
    int bufferOffsetX_ = 0, bufferOffsetY_ = 0;
    Block block_;
    std::vector<QPoint> hexPixel_; // buffer position of each hex at its last drawing
    StampCache stamps_;
    Canvas canvas_; // the buffer and the clip of the drawing under way
    int level_ = 1; // the set level of the drawing under way
};
