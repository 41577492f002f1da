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

// Rows top … bottom − 1 of a picture of `size` (Format_RGB32) at `bits`. Drawing disjoint
// rows of one picture on several threads at once is safe: each call draws with its own
// copy of the battle and its own renderer, and touches only its rows.
struct PictureRows {
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    QSize size; // of the whole picture: MapPictureSize
    int top = 0, bottom = 0;
};
// Draws those rows of the whole-map picture; returns the message of a failure, empty on
// success. `tileBufferBytes`, when given, receives the size of the renderer's buffer.
QString DrawMapPictureRows(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, const PictureRows& picture,
                           qint64* tileBufferBytes = nullptr);
// The height of a row of tiles: bands of rows cut at its multiples are each drawn once.
int MapPictureBandRows(const Battle& battle, const LoadedSymbolSet& set,
                       const MapPictureOptions& options);

// The whole map as the bytes of a PNG file, each band of rows drawn by the thread that then
// deflates it; empty with `error` set when the map cannot be drawn or encoded.
QByteArray DrawMapPicturePng(const Battle& battle, const LoadedSymbolSet& set,
                             const MapPictureOptions& options, QString& error);
// That PNG written to `path`, which it replaces only once it is complete. Returns the
// message of a failure, empty on success.
QString WriteMapPicturePng(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, const QString& path);
