#pragma once
// Making the map picture's file in the format asked for: PNG with the band-parallel
// encoder, drawn band by band while it is encoded; BMP and JPEG with the toolkit's
// writers. A file is replaced only once it is complete.

#include "MapPicture.h"
#include "RenderArguments.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture's bytes in `format`; empty when it cannot be encoded.
QByteArray EncodePicture(const QImage& picture, PictureFormat format);
// The whole map of `battle` drawn and encoded in `format`; empty with `error` set on failure.
QByteArray DrawPictureFile(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, PictureFormat format, QString& error);
// Writes `bytes` to `path`, or to standard output for "-". Returns why it failed, empty on
// success.
QString WritePictureFile(const QByteArray& bytes, const QString& path);
