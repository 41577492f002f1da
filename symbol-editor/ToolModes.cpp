#include "ToolModes.h"

#include "DrawingTools.h"
#include "PixelLayer.h"

#include <HexGeometry.h>

#include <array>

namespace {

void Nothing(DrawingTools&, QPoint) {}

void DrawPress(DrawingTools& tools, QPoint p) {
    tools.PaintDrawPixel(p);
}

// Line, rectangle and ellipse start at the press: a click without a drag sets one pixel.

// Shapes follow the mouse: the picture goes back to its state before the press and the
// shape is drawn anew; the release leaves the last one in place.
void RectangleMove(DrawingTools& tools, QPoint p) {
    tools.target().BlastUndo();
    FillRectangle(tools.picture(), SpanBox(tools.pressPixel(), p), tools.pen(), tools.fill());
}

void EllipseMove(DrawingTools& tools, QPoint p) {
    tools.target().BlastUndo();
    FillEllipse(tools.picture(), SpanBox(tools.pressPixel(), p), tools.pen(), tools.fill());
}

void LineMove(DrawingTools& tools, QPoint p) {
    tools.target().BlastUndo();
    DrawLine(tools.picture(), tools.pressPixel(), p, tools.pen());
}

void Spray(DrawingTools& tools, QPoint p) {
    tools.SprayAt(p);
}

void SelectMove(DrawingTools& tools, QPoint p) {
    tools.target().BlastUndo();
    XorOutline(tools.picture(), SpanBox(tools.pressPixel(), p));
}

void SelectRelease(DrawingTools& tools, QPoint p) {
    tools.target().BlastUndo();
    tools.CutRegionTo(p);
}

void PastePress(DrawingTools& tools, QPoint p) {
    tools.PaintPixels(p);
}

const std::array<ModeInfo, 10> kModes{{
    {ModeDraw, "Set Draw Mode", "Draw", Qt::ArrowCursor, "D"},
    {ModeGrabColour, "Grab Color", "Grab Color", Qt::ArrowCursor, "G"},
    {ModeRectangle, "Filled Rectangle", "Rectangle", Qt::CrossCursor, "R"},
    {ModeEllipse, "Filled Ellipse", "Ellipse", Qt::CrossCursor, "E"},
    {ModeLine, "Set Line Draw Mode", "Line", Qt::ArrowCursor, "L"},
    {ModeRegionFill, "Fill Region", "Region Fill", Qt::ArrowCursor, "F"},
    {ModeSwitchColour, "Switch Color", "Switch Color", Qt::ArrowCursor, "W"},
    {ModeAirBrush, "AirBrush", "AirBrush", Qt::ArrowCursor, "A"},
    {ModeSelectRegion, "Select Region", "Select Region", Qt::CrossCursor, "S"},
    {ModePasteRegion, "Paste Image", "Paste Region", Qt::DragMoveCursor, "P"},
}};

} // namespace

const ModeInfo& ModeInfoFor(int code) {
    for (const ModeInfo& info : kModes) {
        if (info.code == code)
            return info;
    }
    return kModes[0];
}

QString ToolHint(const char* name, const char* key) {
    return QString::fromLatin1(name) + QStringLiteral(" (") + QString::fromLatin1(key) +
           QLatin1Char(')');
}

const ModeHandlers& HandlersFor(int code) {
    static const ModeHandlers draw{DrawPress, DrawPress, Nothing};
    static const ModeHandlers rectangle{RectangleMove, RectangleMove, Nothing};
    static const ModeHandlers ellipse{EllipseMove, EllipseMove, Nothing};
    static const ModeHandlers line{LineMove, LineMove, Nothing};
    static const ModeHandlers airBrush{Spray, Spray, Nothing};
    static const ModeHandlers select{Nothing, SelectMove, SelectRelease};
    static const ModeHandlers paste{PastePress, Nothing, Nothing};
    static const ModeHandlers none{Nothing, Nothing, Nothing};
    switch (code) {
    case ModeDraw:
        return draw;
    case ModeRectangle:
        return rectangle;
    case ModeEllipse:
        return ellipse;
    case ModeLine:
        return line;
    case ModeAirBrush:
        return airBrush;
    case ModeSelectRegion:
        return select;
    case ModePasteRegion:
        return paste;
    default:
        return none;
    }
}
