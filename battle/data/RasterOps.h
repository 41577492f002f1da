#pragma once
// Block copies between RGB32 pictures: plain copy, source-AND and source-OR, clipped to
// both pictures and to a clip rectangle of the destination. A symbol with a mask is drawn
// by AND-ing the mask and then OR-ing the picture; one without is copied. The map view and
// the dialogs' previews all draw symbols with these.

#include <QImage>
#include <QRect>

enum class RasterOp { Copy, And, Or };

// Copies `source` (a rectangle of `from`) to `to` with its top left at `at`. Parts of
// `source` outside `from` are skipped; the rest keeps its place relative to `at`.
void Blit(QImage& to, QPoint at, const QImage& from, const QRect& source, RasterOp op,
          const QRect& clip);

// One symbol: `maskSource` of `mask` AND-ed and then `source` of `picture` OR-ed, both with
// their top left at `at`; with a null `mask` the picture is copied instead.
void DrawThroughMask(QImage& to, QPoint at, const QImage& picture, const QRect& source,
                     const QImage* mask, const QRect& maskSource, const QRect& clip);
