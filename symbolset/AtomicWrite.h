#pragma once
// Writes that leave a file either old or new: the bytes go to a temporary file in the same
// folder, which replaces the target only when every byte was written and flushed.

#include "SetResult.h"

#include <QByteArray>
#include <QImage>

SetResult WriteFileAtomically(const QString& path, const QByteArray& bytes);
// `image` as the bytes of a BMP file; a failure names `path`, where it was to be written.
SetResult EncodeBitmap(const QString& path, const QImage& image, QByteArray& bytes);
// Saves `image` as a BMP file at `path`.
SetResult WriteBitmapAtomically(const QString& path, const QImage& image);
