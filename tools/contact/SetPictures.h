#pragma once
// A symbol set read through the symbol set library with its nine bitmaps, and symbols drawn
// from it the way the battle editor draws them: AND the mask, then OR the picture.

#include "SymbolSet.h"

#include <QImage>

struct SetPictures {
    SymbolSet set;
    std::array<std::array<QImage, kLevelCount>, kKindCount> bitmaps; // [kind][level - 1]
};

SetResult LoadSetPictures(const QString& setPath, SetPictures& out);

// Mask entry used when drawing: the record's own mask, or for a terrain symbol drawn as
// primary terrain of a real-hex set the shared hex mask (entry 1); 0 = copy opaque.
int MaskForDrawing(const SetPictures& pictures, SymbolKind kind, int number, bool asPrimary);

// Draws record `number` (1-based) of `kind` at `level` with its top left at `at`.
void DrawSymbol(QImage& target, QPoint at, const SetPictures& pictures, SymbolKind kind, int number,
                int level, bool asPrimary);
