#pragma once
// Writing the map picture in the format asked for: PNG with the fast encoder, BMP and JPEG
// with the toolkit's writers. A file is replaced only once it is complete.

#include "RenderArguments.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture's bytes in `format`; empty when it cannot be encoded.
QByteArray EncodePicture(const QImage& picture, PictureFormat format);
// Writes to `path`, or to standard output for "-". Returns why it failed, empty on success.
QString WritePicture(const QImage& picture, PictureFormat format, const QString& path);
