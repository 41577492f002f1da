#pragma once
// Symbols prepared for the map: a symbol's drawing through its mask turned once into
// rows, each with the span of pixels it can change, so that drawing it again skips the
// rest, copies rows it covers and combines the others with what lies under them in loops
// the compiler vectorises. A stamp is made by
// drawing the symbol with the shared raster operations, so it draws exactly what they
// draw (on the map buffer, whose pixels are always opaque).

#include "RasterOps.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

struct LoadedSymbolSet;

struct Stamp {
    // The pixels of one row that the symbol changes lie in [from, to); when `set` is true
    // the symbol covers all of them, otherwise each pixel is combined with the ground.
    struct Span {
        int16_t from = 0;
        int16_t to = 0;
        bool set = false;
    };
    int width = 0, height = 0;
    std::vector<Span> rows;
    // Per pixel: the result is (ground AND keep) OR put.
    std::vector<QRgb> keep, put;
};

// Where stamps are drawn: the pixels of an RGB32 picture and the part that may change.
struct Canvas {
    QRgb* bits = nullptr;
    qsizetype stride = 0; // pixels from one row to the next
    QRect clip;
    Canvas() = default;
    Canvas(QImage& picture, const QRect& clip);
};

// The stamp of `source` of `picture` drawn through `maskSource` of `mask` (or copied when
// `mask` is null), as DrawThroughMask draws it with its top left at (0, 0).
Stamp MakeStamp(const QImage& picture, const QRect& source, const QImage* mask,
                const QRect& maskSource);

// Draws the stamp with its top left at `at`, cut to the canvas's clip.
void DrawStamp(const Canvas& to, QPoint at, const Stamp& stamp);

// The stamps of one set, made when first asked for and kept until the set changes.
class StampCache {
public:
    // Primary terrain through the set's shared hex mask or opaque; a terrain symbol
    // through its own mask (a marker); a unit piece through its mask at the piece's size.
    enum Use { PrimaryThroughHexMask, PrimaryOpaque, Marker, Unit, UseCount };

    // Stamp of zero-based symbol `symbol` of the kind `use` draws, at level 1 … 3. Call
    // Follow first with the set about to be drawn.
    const Stamp& Get(const LoadedSymbolSet& set, Use use, int symbol, int level);
    // Forgets every stamp when the set's pictures are not those the stamps were made of.
    void Follow(const LoadedSymbolSet& set);

private:
    struct Slot {
        bool made = false;
        Stamp stamp;
    };
    std::array<std::array<std::vector<Slot>, 3>, UseCount> slots_;
    std::vector<qint64> pictureKeys_;
};
