#pragma once
// The map shown enlarged on high-density screens: the buffer is drawn at a fraction of the
// window's size and each of its pixels shown as a square of scale × scale window pixels.

#include "BattlePreferences.h" // the scales offered

#include <QImage>

// `view` of `buffer` enlarged `scale` times into `window`, which is made
// view.size() × scale when it has another size.
void ScaleView(const QImage& buffer, const QRect& view, int scale, QImage& window);
