#pragma once
// Painting surfaces for symbol pictures. Terrain pictures are painted with QPainter on the
// hexagon of their level; the result follows the set's transparency rule: pure black is
// transparent, a visible black is stored as red = green = blue = 16.

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <functional>

// The six edges of a "Vertical" hex, clockwise from the top.
enum class HexSide { North, NorthEast, SouthEast, South, SouthWest, NorthWest };
constexpr HexSide kAllSides[6] = {HexSide::North, HexSide::NorthEast, HexSide::SouthEast,
                                  HexSide::South, HexSide::SouthWest, HexSide::NorthWest};
HexSide Opposite(HexSide side);

// The hexagon of an s-by-s terrain cell in painter coordinates (pixel x covers x … x + 1),
// through the centres of the outline pixels the set format fixes.
class HexFrame {
public:
    explicit HexFrame(int size);

    int size() const { return size_; }
    // Zoom level 1, 2, 3 of this size in the stock set: pictures choose their detail by it.
    int detail() const { return size_ <= 20 ? 1 : size_ <= 36 ? 2 : 3; }
    // One "unit" of drawing: 1 at the middle level's 30 pixels.
    double unit() const { return size_ / 30.0; }
    QPointF centre() const { return centre_; }
    const QPolygonF& outline() const { return outline_; }
    // Corner k: 0 top left, 1 top right, 2 right, 3 bottom right, 4 bottom left, 5 left.
    QPointF corner(int k) const { return outline_[k % 6]; }
    QPointF edgeMiddle(HexSide side) const;
    // The edge's end corners in clockwise order.
    QPointF edgeStart(HexSide side) const;
    QPointF edgeEnd(HexSide side) const;
    // The outline shrunk towards the centre by `inset` pixels (approximately).
    QPolygonF inset(double inset) const;
    // A width rounded to whole pixels, at least `minimum`.
    int pixels(double unitsAtMiddle, int minimum = 1) const;

private:
    int size_;
    QPointF centre_;
    QPolygonF outline_;
};

using HexPainting = std::function<void(QPainter&, const HexFrame&)>;

// An opaque terrain picture: painted over the whole square, then everything outside the
// hexagon (the shared hex mask) set to pure black. No pure black remains inside.
QImage PaintGround(int size, const HexPainting& paint);

// A transparent terrain picture (a marker or a piece laid over other terrain): painted on a
// clear surface, kept inside the hexagon; pixels less than half covered are transparent.
QImage PaintOverlay(int size, const HexPainting& paint);

// A transparent picture of any size (a game piece).
QImage PaintPiece(QSize size, const std::function<void(QPainter&)>& paint);

// Pixels of a painted surface to the stored form: coverage below half is pure black, every
// other pixel its colour, pure black raised to red = green = blue = 16.
QImage StoredFromCoverage(const QImage& painted);

// Sets pixels outside the s-by-s hexagon to pure black.
void ClipToHex(QImage& picture);
