#pragma once
// The map shown enlarged: the buffer is drawn at a fraction of the window's size and each
// of its pixels shown as a square of scale × scale pixels of the screen. The scale counts
// the screen's own (device) pixels, whatever the desktop's scaling makes of the window's
// logical ones, so "2×" is the same size on every desktop; the desktop's scaling only
// chooses the scale the map follows when none was chosen.

#include "BattlePreferences.h" // the scales offered

#include <QImage>
#include <QPointF>
#include <QRect>

// The scale that follows a desktop of `ratio` device pixels per logical pixel: the map
// pixel as large as the desktop makes a pixel of the rest of the window, 1 … 3.
int DesktopMapScale(qreal ratio);

// Between the window's logical pixels and the buffer's.
struct MapScaleGeometry {
    int scale = 1;   // device pixels per buffer pixel, 1 … 3
    qreal ratio = 1; // device pixels per logical pixel of the window

    // `preference` is a chosen scale, or kDesktopMapScale to follow the desktop.
    static MapScaleGeometry For(int preference, qreal ratio);
    // The buffer that fills a window of `logical` size (at least 1 × 1).
    QSize BufferSize(QSize logical) const;
    // The buffer pixel under a logical point.
    QPoint ToBuffer(QPointF logical) const;
    // The buffer pixels a logical rectangle touches, and the logical rectangle covering
    // buffer pixels.
    QRect ToBuffer(const QRect& logical) const;
    QRect ToLogical(const QRect& buffer) const;
    // The window needs no enlarged copy: one buffer pixel is one device pixel.
    bool oneToOne() const { return scale == 1 && ratio == 1; }
};

// `view` of `buffer` enlarged `scale` times into `window`, which is made
// view.size() × scale when it has another size.
void ScaleView(const QImage& buffer, const QRect& view, int scale, QImage& window);
