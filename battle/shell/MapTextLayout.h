#pragma once
// Where a map text stands: its font at the zoom level and the box its top left and size
// give, placed by the text's orientation around its hex's square. The renderer draws in
// this box; the whole-map picture uses it to know how far a text reaches beyond its hex.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

struct MapTextRecord;

struct MapTextLayout {
    QFont font;
    QString text;
    QColor colour;
    QRect box; // the text is cut to it
};

// The layout of `t` at zoom level `zoom` for a hex whose square of side `cellWidth` has its
// top left at `origin`; nothing when the text is not drawn at this level.
std::optional<MapTextLayout> LayOutMapText(const MapTextRecord& t, int zoom, QPoint origin,
                                           int cellWidth);
