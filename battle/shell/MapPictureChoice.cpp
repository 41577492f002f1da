#include "MapPictureChoice.h"

#include "MapPicture.h"

#include <algorithm>

MapPictureChoice::MapPictureChoice(const Battle& battle, const LoadedSymbolSet& set,
                                   int currentZoom)
    : zoom_(std::clamp(currentZoom, 0, 2)) {
    for (int level = 0; level < 3; ++level)
        sizes_[size_t(level)] = MapPictureSize(battle, set, level);
}

void MapPictureChoice::ZoomClick(int level) {
    if (level >= 0 && level <= 2)
        zoom_ = level;
}

QString MapPictureChoice::LevelCaption(int level) const {
    const QSize s = sizes_[size_t(level)];
    return QStringLiteral("Zoom Level %1: %2 × %3 pixels")
        .arg(level)
        .arg(s.width())
        .arg(s.height());
}

QString MapPictureChoice::MemoryText() const {
    // Four bytes a pixel; the drawing itself works in a buffer of a few megabytes.
    const QSize s = sizes_[size_t(zoom_)];
    const qint64 bytes = qint64(s.width()) * s.height() * 4;
    const qint64 megabytes = (bytes + (1 << 20) - 1) >> 20;
    return QStringLiteral("The picture takes about %1 MB of memory while it is made.")
        .arg(megabytes);
}
