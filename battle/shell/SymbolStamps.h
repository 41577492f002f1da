#pragma once
// Symbols prepared for the map: a symbol's drawing through its mask turned once into rows
// of runs, so that drawing it again skips the pixels it cannot change, copies the pixels
// it covers and combines only the rest with what lies under it. A stamp is made by
// drawing the symbol with the shared raster operations, so it draws exactly what they
// draw (on the map buffer, whose pixels are always opaque).

#include "RasterOps.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

struct LoadedSymbolSet;

struct Stamp {
    enum RunKind : uint8_t { Set, Combine };
    struct Run {
        int16_t x = 0;
        int16_t length = 0;
        RunKind kind = Set;
    };
    int width = 0, height = 0;
    std::vector<Run> runs;
    std::vector<int> rowStart; // runs of row y: rowStart[y] … rowStart[y + 1] − 1
    // Per pixel: the result is (ground AND keep) OR put.
    std::vector<QRgb> keep, put;
};

// The stamp of `source` of `picture` drawn through `maskSource` of `mask` (or copied when
// `mask` is null), as DrawThroughMask draws it with its top left at (0, 0).
Stamp MakeStamp(const QImage& picture, const QRect& source, const QImage* mask,
                const QRect& maskSource);

// Draws the stamp into `to` with its top left at `at`, cut to `clip` and to `to`.
void DrawStamp(QImage& to, QPoint at, const Stamp& stamp, const QRect& clip);

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
