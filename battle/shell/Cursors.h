#pragma once
// The map's two cursors: the hand over the map, the magnifier while a zoom-in click is awaited.

#include <QCursor>

QCursor HandCursor();
QCursor ZoomCursor();
