#pragma once
// The picture of a whole map at one zoom level, drawn by the map renderer exactly as the
// map view draws it. A large map is drawn a tile at a time into a buffer of bounded size
// and copied into the picture, so only the picture itself grows with the map. No window.

#include "MapRenderer.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class Battle;
struct LoadedSymbolSet;

struct MapPictureOptions {
    int zoom = 0; // 0, 1, 2
    DisplayPrefs prefs;
    QColor tableColour = Qt::black;
    bool hexMask = true;
    int tilePixels = 1024; // about the width and height of the part drawn at once
};

// Every hex's square at zoom level `zoom`; empty without a map or a loaded set.
QSize MapPictureSize(const Battle& battle, const LoadedSymbolSet& set, int zoom);

struct MapPicture {
    QImage picture; // null on failure
    QString error;
    qint64 tileBufferBytes = 0; // the renderer's buffer, held besides the picture
};

MapPicture RenderMapPicture(const Battle& battle, const LoadedSymbolSet& set,
                            const MapPictureOptions& options);

// Writes `picture` as a PNG file that replaces `path` only once it is complete. Returns the
// message of a failure, empty on success.
QString SaveMapPicture(const QImage& picture, const QString& path);
