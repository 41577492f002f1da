#pragma once
// "Create New Image Set": the map style, the hex orientation and the hex size of each zoom
// level of a new set. The sizes are the editor's own and change as the spins are pressed;
// "Cancel" puts back the sizes the dialog opened with.

#include <SetFormat.h>

#include <QImage>
#include <QString>

#include <array>

class NewSetLogic {
public:
    // `sizes` are the editor's hex sizes; `layout` 0 (nothing chosen yet) starts as
    // "Real Hex", "Vertical".
    NewSetLogic(std::array<int, kLevelCount>& sizes, int layout, bool realHex);

    bool realHex() const { return realHex_; }
    int layout() const { return layout_; }
    void RealHexClick(); // sizes rounded down to steps of 5, orientation "Vertical"
    void GridClick();
    void VerticalClick();
    void HorizClick();
    bool orientationEnabled() const { return realHex_; }

    void SizeUp(int level);
    void SizeDown(int level);
    // A typed size: within the style's bounds, and for "Real Hex" down to a step of 5.
    void TypeSize(int level, int value);
    int size(int level) const { return sizes_[level - 1]; }
    QString sizeText(int level) const;
    // e.g. "025 x 014 Hexes per Screen"
    QString hexesText(int level) const;
    // An olive square; for "Real Hex" an olive hexagon on black.
    QImage Preview(int level) const;

    void CancelBtnClick() { sizes_ = opened_; }

private:
    void RoundSizes();
    int step() const { return realHex_ ? 5 : 1; }
    int minimum() const { return realHex_ ? 5 : 2; }

    std::array<int, kLevelCount>& sizes_;
    std::array<int, kLevelCount> opened_;
    bool realHex_ = true;
    int layout_ = LayoutVertical;
};
