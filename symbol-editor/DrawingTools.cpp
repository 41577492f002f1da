#include "DrawingTools.h"

#include "ColourRules.h"
#include "PixelLayer.h"
#include "ToolModes.h"

#include <HexGeometry.h>
#include <SetFormat.h>

namespace {
constexpr QRgb kOutlinePen = 0xffffffff;
}

DrawingTools::DrawingTools(EditorPicture& target)
    : target_(target), primary_(kVisibleBlack), secondary_(kDefaultTransparentColour),
      pen_(kVisibleBlack), fill_(kDefaultTransparentColour) {}

void DrawingTools::SetDrawMode(int code) {
    mode_ = ModeInfoFor(code).code;
    SetDrawStyle(mode_ >= 20 ? StyleOutline : StyleLeft);
    if (mode_ == ModePasteRegion)
        regionAvailable_ = true;
}

void DrawingTools::SetDrawStyle(int style) {
    style_ = style;
    switch (style) {
    case StyleRight:
        pen_ = secondary_;
        fill_ = primary_;
        break;
    case StyleOutline:
        pen_ = kOutlinePen;
        break;
    default:
        pen_ = primary_;
        fill_ = secondary_;
        break;
    }
}

void DrawingTools::SetPrimary(QRgb colour) {
    primary_ = DrawableColour(colour);
    AfterColourChange();
}

void DrawingTools::SetSecondary(QRgb colour) {
    secondary_ = DrawableColour(colour);
    AfterColourChange();
}

void DrawingTools::SetColourFromButton(Qt::MouseButton button, QRgb colour) {
    if (button == Qt::LeftButton)
        SetPrimary(colour);
    else
        SetSecondary(colour);
}

void DrawingTools::PCBoxMouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        SetSecondary(primary_);
}

void DrawingTools::SCBoxMouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        SetPrimary(secondary_);
}

void DrawingTools::AfterColourChange() {
    if (mode_ < 9)
        SetDrawStyle(StyleLeft);
}

void DrawingTools::DrwGrdMouseDown(Qt::MouseButton button, QPoint pixel) {
    const bool left = button == Qt::LeftButton;
    if (mode_ == ModePasteRegion && !left) {
        // Takes back the last paste, and only while nothing changed since: otherwise the
        // newest snapshot holds the picture before some other edit, which would be lost.
        if (!afterPaste_.isNull() && picture() == afterPaste_)
            target_.TakeBackNewest();
        afterPaste_ = QImage();
        return;
    }
    QImage& pic = picture();
    if (mode_ == ModeGrabColour) {
        // Taking a colour changes no pixel: no undo step, nothing to save.
        if (pic.valid(pixel))
            SetColourFromButton(button, pic.pixel(pixel));
        return;
    }
    target_.SetSaveFlag();
    switch (mode_) {
    case ModeRegionFill:
        FloodFill(pic, pixel, left ? primary_ : secondary_);
        return;
    case ModeSwitchColour:
        if (pic.valid(pixel))
            SwitchColour(pic, pic.pixel(pixel), left ? primary_ : secondary_);
        return;
    default:
        break;
    }
    if (!dragging_ && mode_ < 20)
        SetDrawStyle(left ? StyleLeft : StyleRight);
    dragging_ = true;
    press_ = pointer_ = pixel;
    HandlersFor(mode_).press(*this, pixel);
}

void DrawingTools::DrwGrdMouseMove(QPoint pixel) {
    if (!dragging_)
        return;
    pointer_ = pixel;
    HandlersFor(mode_).move(*this, pixel);
}

void DrawingTools::EndDrag() {
    if (dragging_)
        DrwGrdMouseUp(pointer_);
}

void DrawingTools::DrwGrdMouseUp(QPoint pixel) {
    const bool wasDragging = dragging_;
    dragging_ = false;
    havePainted_ = false;
    if (!wasDragging)
        return;
    const int mode = mode_; // a selection's release switches to "Paste Region"
    HandlersFor(mode).release(*this, pixel);
    // A stroke or selection that changed no pixel leaves no step behind (a paste keeps its
    // two steps).
    if (mode != ModePasteRegion && picture() == target_.undo().Newest(picture()))
        target_.DropNewestStep();
}

void DrawingTools::PaintDrawPixel(QPoint pixel) {
    if (havePainted_ && pixel == lastPainted_)
        return;
    // A quick stroke reports positions far apart: join them so the stroke has no gaps.
    if (havePainted_)
        DrawLine(picture(), lastPainted_, pixel, pen_);
    else
        PaintPixel(picture(), pixel, pen_);
    havePainted_ = true;
    lastPainted_ = pixel;
}

void DrawingTools::SprayAt(QPoint pixel) {
    AirPixels(picture(), pixel, airBrush, pen_, random);
}

void DrawingTools::PaintPixels(QPoint topLeft) {
    // A second snapshot: a paste takes two steps of the ring, both before the paste.
    target_.SetSaveFlag();
    PasteRegion(picture(), region_, topLeft);
    if (clip)
        clip(picture());
    afterPaste_ = picture().copy();
}

void DrawingTools::CutRegionTo(QPoint release) {
    region_ = CutRegion(picture(), SpanBox(press_, release));
    SetDrawMode(ModePasteRegion);
}

void DrawingTools::SetRegion(const QImage& imported) {
    region_ = imported.convertToFormat(QImage::Format_RGB32);
    SwitchColour(region_, 0xff000000u, kVisibleBlack);
    regionAvailable_ = true;
}

void DrawingTools::ClrClick() {
    target_.SetSaveFlag();
    picture().fill(secondary_);
}

void DrawingTools::HorizFlipClick() {
    target_.SetSaveFlag();
    FlipLeftToRight(picture());
}

void DrawingTools::VertFlipClick() {
    target_.SetSaveFlag();
    FlipTopToBottom(picture());
}

void DrawingTools::ApplyText(const QImage& withText) {
    target_.SetSaveFlag();
    picture() = withText.convertToFormat(QImage::Format_RGB32);
}

void DrawingTools::UndoWrkClick() {
    EndDrag();
    target_.PopUndo();
}

void DrawingTools::RedoClick() {
    EndDrag();
    target_.Redo();
}

void DrawingTools::DrwHexClick(int layout, bool realHex) {
    target_.SetSaveFlag();
    const int s = picture().height();
    const int orientation = layout == 0 ? LayoutVertical : layout;
    std::vector<Segment> segments;
    if (!realHex && orientation == LayoutVertical) {
        // Older tiling: each picture carries only the top and the left sides of its hex.
        const int v = s / 5, u = s - 1, a = s / 2;
        segments = {{{v, 0}, {s, 0}}, {{v, 0}, {0, a}}, {{v, u}, {0, a}}};
    } else if (orientation == LayoutGrid && s != 5 && s != 10) {
        // A grid cell has no hexagon: its sides are the picture's border.
        const int r = picture().width() - 1, b = s - 1;
        segments = {{{0, 0}, {r, 0}}, {{0, b}, {r, b}}, {{0, 0}, {0, b}}, {{r, 0}, {r, b}}};
    } else {
        segments = HexOutline(s, orientation);
    }
    SetDrawStyle(StyleLeft);
    for (const Segment& segment : segments)
        DrawLine(picture(), segment.from, segment.to, primary_);
    if (mode_ > 20)
        SetDrawStyle(StyleOutline);
}
