#pragma once
// The drawing tools: the current mode and colours, and what a press, a move and a release
// on the grid do to the picture. Pixel coordinates are picture pixels.

#include "AirBrush.h"
#include "EditorPicture.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>

// Mode codes; 20 and above draw in the outline style.
enum DrawMode : int {
    ModeDraw = 1,
    ModeGrabColour = 2,
    ModeRectangle = 3,
    ModeEllipse = 4,
    ModeLine = 5,
    ModeRegionFill = 6,
    ModeSwitchColour = 7,
    ModeAirBrush = 8,
    ModeSelectRegion = 21,
    ModePasteRegion = 22,
};

enum DrawStyle : int { StyleLeft = 1, StyleRight = 2, StyleOutline = 3 };

struct ModeInfo {
    int code;
    const char* button; // the tool button's hint
    const char* label;  // shown after "Mode:"
    Qt::CursorShape cursor;
    const char* key; // chooses the tool; shown in the hint
};
const ModeInfo& ModeInfoFor(int code);
// The hint of a tool button: its name and, in brackets, its key.
QString ToolHint(const char* name, const char* key);

class DrawingTools {
public:
    explicit DrawingTools(EditorPicture& target);

    // Mode and style ------------------------------------------------------------------
    void SetDrawMode(int code);
    void SetDrawStyle(int style);
    int mode() const { return mode_; }
    int style() const { return style_; }
    QString modeLabel() const { return QString::fromLatin1(ModeInfoFor(mode_).label); }

    // Colours ---------------------------------------------------------------------------
    QRgb primary() const { return primary_; }
    QRgb secondary() const { return secondary_; }
    QRgb pen() const { return pen_; }
    QRgb fill() const { return fill_; }
    // Pure black is replaced by the visible black.
    void SetPrimary(QRgb colour);
    void SetSecondary(QRgb colour);
    // Colour grid, boxes and swatch: the left button sets the primary colour.
    void SetColourFromButton(Qt::MouseButton button, QRgb colour);
    void PCBoxMouseDown(Qt::MouseButton button);
    void SCBoxMouseDown(Qt::MouseButton button);

    // Mouse on the grid -----------------------------------------------------------------
    void DrwGrdMouseDown(Qt::MouseButton button, QPoint pixel);
    void DrwGrdMouseMove(QPoint pixel);
    void DrwGrdMouseUp(QPoint pixel);
    bool dragging() const { return dragging_; }
    // Ends a drag as if the button were released where the pointer last was (before undo,
    // redo or a level change, which must not run in the middle of a stroke).
    void EndDrag();
    // Applied to the picture right after a paste, as the redraw will (the hex clip of a
    // real-hex terrain picture), so the picture kept for taking back the paste is what
    // the artist sees.
    std::function<void(QImage&)> clip;

    // One-shot commands -----------------------------------------------------------------
    void ClrClick();
    void HorizFlipClick();
    void VertFlipClick();
    // Hex side lines of a terrain picture for a set of this layout (0 read as 1).
    void DrwHexClick(int layout, bool realHex);
    // Replaces the picture by `withText` (from the text dialog).
    void ApplyText(const QImage& withText);
    void UndoWrkClick();
    void RedoClick();

    // Region ----------------------------------------------------------------------------
    const QImage& region() const { return region_; }
    bool regionAvailable() const { return regionAvailable_; }
    // An imported picture becomes the region (converted, pure black made visible).
    void SetRegion(const QImage& picture);

    AirBrushSettings airBrush;
    RandomSource random = SystemRandomSource();

    // Used by the mode handlers.
    EditorPicture& target() { return target_; }
    QImage& picture() { return target_.picture; }
    QPoint pressPixel() const { return press_; }
    void SprayAt(QPoint pixel);
    void PaintPixels(QPoint topLeft);
    void PaintDrawPixel(QPoint pixel);
    void CutRegionTo(QPoint release);

private:
    void AfterColourChange();

    EditorPicture& target_;
    int mode_ = ModeDraw;
    int style_ = StyleLeft;
    QRgb primary_;
    QRgb secondary_;
    QRgb pen_;
    QRgb fill_;
    bool dragging_ = false;
    QPoint press_;
    QPoint pointer_; // the last pixel the pointer was on during a drag
    bool havePainted_ = false;
    QPoint lastPainted_;
    QImage region_;
    bool regionAvailable_ = false;
    QImage afterPaste_; // the picture right after the last paste, for the right click
};
