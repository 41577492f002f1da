#pragma once
// File helpers shared by the stock data generators: a headless Qt start and atomic writes.

#include <QByteArray>
#include <QImage>
#include <QString>

// Lets the generators paint text without a display: selects the offscreen platform
// unless the caller chose one.
void UseOffscreenPlatform();

// Writes `bytes` to `path`, creating its folder; false (with a line on stderr) on failure.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// Saves `image` as an uncompressed 24-bit device-independent bitmap, creating its folder.
bool SaveBitmapFile(const QString& path, const QImage& image);

// Saves `image` as PNG, creating its folder.
bool SavePngFile(const QString& path, const QImage& image);
