#include "NewSetLogic.h"

#include <algorithm>

#include <HexGeometry.h>

NewSetLogic::NewSetLogic(std::array<int, kLevelCount>& sizes, int layout, bool realHex)
    : sizes_(sizes), opened_(sizes) {
    if (layout == 0) {
        realHex_ = true;
        layout_ = LayoutVertical;
    } else {
        realHex_ = realHex;
        layout_ = realHex ? (layout == LayoutHoriz ? LayoutHoriz : LayoutVertical) : LayoutGrid;
    }
    if (realHex_)
        RoundSizes();
}

void NewSetLogic::RoundSizes() {
    for (int& s : sizes_) {
        s = (s / 5) * 5;
        if (s == 0)
            s = 5;
    }
}

void NewSetLogic::RealHexClick() {
    realHex_ = true;
    layout_ = LayoutVertical;
    RoundSizes();
}

void NewSetLogic::GridClick() {
    realHex_ = false;
    layout_ = LayoutGrid;
}

void NewSetLogic::VerticalClick() {
    if (realHex_)
        layout_ = LayoutVertical;
}

void NewSetLogic::HorizClick() {
    if (realHex_)
        layout_ = LayoutHoriz;
}

void NewSetLogic::SizeUp(int level) {
    int& s = sizes_[level - 1];
    if (s + step() <= kMaxCellSize)
        s += step();
}

void NewSetLogic::SizeDown(int level) {
    int& s = sizes_[level - 1];
    if (s - step() >= minimum())
        s -= step();
}

void NewSetLogic::TypeSize(int level, int value) {
    const int stepped = value / step() * step();
    sizes_[level - 1] = std::clamp(stepped, minimum(), kMaxCellSize / step() * step());
}

QString NewSetLogic::sizeText(int level) const {
    return QStringLiteral("%1").arg(size(level), 3, 10, QLatin1Char('0'));
}

QString NewSetLogic::hexesText(int level) const {
    const int s = std::max(size(level), 1);
    return QStringLiteral("%1 x %2 Hexes per Screen")
        .arg(635 / s, 3, 10, QLatin1Char('0'))
        .arg(350 / s, 3, 10, QLatin1Char('0'));
}

QImage NewSetLogic::Preview(int level) const {
    const int s = size(level);
    QImage preview(s, s, QImage::Format_RGB32);
    preview.fill(qRgb(128, 128, 0));
    if (!realHex_)
        return preview;
    const QRgb black = qRgb(0, 0, 0);
    for (const Segment& segment : HexOutline(s, layout_))
        DrawLine(preview, segment.from, segment.to, black);
    // The corner areas outside the outline.
    for (QPoint corner : {QPoint(0, 0), QPoint(s - 1, 0), QPoint(0, s - 1), QPoint(s - 1, s - 1)}) {
        if (preview.pixel(corner) != black)
            FloodFill(preview, corner, black);
    }
    return preview;
}
