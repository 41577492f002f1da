#pragma once
// The rules of the "Export Map Picture" dialog: the zoom level of the picture (the view's
// own at first) and the size each level gives, in pixels and in memory.

#include <QSize>
#include <QString>

#include <array>

class Battle;
struct LoadedSymbolSet;

class MapPictureChoice {
public:
    MapPictureChoice(const Battle& battle, const LoadedSymbolSet& set, int currentZoom);

    // A click on the button of level 0, 1 or 2; other levels are ignored.
    void ZoomClick(int level);
    int zoom() const { return zoom_; }
    QSize pictureSize(int level) const { return sizes_[size_t(level)]; }
    // "Zoom Level 1: 1234 × 567 pixels"
    QString LevelCaption(int level) const;
    // The memory the chosen picture takes while it is made, for the line under the levels.
    QString MemoryText() const;
    bool OkEnabled() const { return !sizes_[size_t(zoom_)].isEmpty(); }

private:
    std::array<QSize, 3> sizes_{};
    int zoom_ = 0;
};
