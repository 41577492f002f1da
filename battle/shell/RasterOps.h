#pragma once
// Block copies between RGB32 pictures: plain copy, source-AND and source-OR, clipped to
// both pictures and to a clip rectangle of the destination. A symbol with a mask is drawn
// by AND-ing the mask and then OR-ing the picture.

#include <QImage>
#include <QRect>

enum class RasterOp { Copy, And, Or };

// Copies `source` (a rectangle of `from`) to `to` with its top left at `at`.
void Blit(QImage& to, QPoint at, const QImage& from, const QRect& source, RasterOp op,
          const QRect& clip);
