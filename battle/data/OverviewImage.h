#pragma once
// The whole map in a small picture, one to three pixels per hex: each hex in the colour
// of its top terrain (the last secondary terrain, else the primary terrain; each symbol's
// colour is the mean of its visible pixels), a unit on the map in its side's colour. A
// one-hex edit repaints that hex alone.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class Battle;
struct LoadedSymbolSet;

struct OverviewColours {
    std::vector<QRgb> terrain; // per terrain symbol
    QRgb sides[2] = {qRgb(44, 78, 168), qRgb(176, 38, 36)};
    QRgb table = qRgb(0, 0, 0); // hexes without terrain

    static OverviewColours FromSet(const LoadedSymbolSet& set);
};

constexpr int kMinOverviewScale = 1;
constexpr int kMaxOverviewScale = 3;

class OverviewImage {
public:
    // Draws the whole map at `scale` pixels per hex (1 … 3).
    void Draw(const Battle& battle, const OverviewColours& colours, int scale);
    // Repaints one hex after an edit; false when the map's size changed (draw it anew).
    bool UpdateHex(const Battle& battle, const OverviewColours& colours, int hex);

    const QImage& image() const { return image_; }
    int scale() const { return scale_; }
    // The pixels of a hex in the picture.
    QRect HexRect(int hex) const;
    // The hex at a point of the picture, the nearest one for a point beside the map.
    int HexAt(QPoint p) const;
    // The picture's rectangle around the hexes of a block of columns and rows.
    QRect BlockRect(int firstHex, int cols, int rows) const;

private:
    QRgb HexColour(const Battle& battle, const OverviewColours& colours, int hex) const;

    QImage image_;
    int scale_ = 1;
    int cols_ = 0, rows_ = 0, layout_ = 1;
};
