#pragma once
// Writes that leave a file either old or new: the bytes go to a temporary file in the same
// folder, which replaces the target only when every byte was written and flushed.

#include "SetResult.h"

#include <QByteArray>
#include <QImage>

SetResult WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Saves `image` as a BMP file at `path`.
SetResult WriteBitmapAtomically(const QString& path, const QImage& image);
