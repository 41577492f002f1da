#pragma once
// Helpers for the fuzz targets: several files packed into one input, and a scratch folder.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The input as consecutive parts, each a two-byte little-endian length and that many
// bytes; a short last part takes what is left. At most `maxParts` parts.
QList<QByteArray> SplitParts(const uint8_t* data, size_t size, int maxParts);
QByteArray JoinParts(const QList<QByteArray>& parts);

// Writes bytes to folder/name; false when it could not.
bool WriteFile(const QString& folder, const QString& name, const QByteArray& bytes);

// One scratch folder for the whole run, emptied before each input.
QString ScratchFolder();
