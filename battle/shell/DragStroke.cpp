#include "DragStroke.h"

#include "BrushFootprint.h"
#include "CommandModes.h"

#include <cstdlib>

bool DragStroke::Paints(int mode, Qt::MouseButton button) {
    if (mode == ModeAddSecondary)
        return true;
    return button == Qt::LeftButton && (mode == ModePlacePrimary || mode == ModeCaltrops);
}

QString DragStroke::Caption(int mode, Qt::MouseButton button) {
    switch (mode) {
    case ModePlacePrimary:
        return QStringLiteral("Place Primary Terrain");
    case ModeAddSecondary:
        return button == Qt::LeftButton ? QStringLiteral("Place Secondary Terrain")
                                        : QStringLiteral("Remove Secondary Terrain");
    case ModeCaltrops:
        return QStringLiteral("Place Caltrops");
    default:
        return {};
    }
}

void DragStroke::Begin(int mode, Qt::MouseButton button, int hex, QPoint at) {
    if (active_)
        End();
    active_ = true;
    mode_ = mode;
    button_ = button;
    remove_ = button != Qt::LeftButton;
    first_ = true;
    last_ = at;
    painted_.clear();
    if (beginStep)
        beginStep(Caption(mode, button));
    PaintBrush(hex);
}

void DragStroke::MoveTo(QPoint to) {
    if (!active_ || !hexAt)
        return;
    for (int hex : HexesAlong(last_, to, hexAt))
        PaintBrush(hex);
    last_ = to;
}

void DragStroke::End() {
    if (!active_)
        return;
    active_ = false;
    if (endStep)
        endStep();
}

void DragStroke::PaintBrush(int centre) {
    const Battle& b = commands_.battle();
    // The centre first: the first hex of a caltrops stroke decides its state.
    std::vector<int> hexes = BrushFootprint(centre, brushRadius, b.settings.mapCols,
                                            b.settings.mapRows, b.settings.gridLayout);
    std::erase(hexes, centre);
    hexes.insert(hexes.begin(), centre);
    for (int hex : hexes) {
        if (!b.IsHex(hex) || !painted_.insert(hex).second)
            continue;
        const Redraw redraw = PaintHex(hex);
        if (show)
            show(hex, redraw);
    }
}

Redraw DragStroke::PaintHex(int hex) {
    switch (mode_) {
    case ModePlacePrimary:
        return commands_.PlacePrimary(hex);
    case ModeAddSecondary:
        return remove_ ? commands_.RemoveSecondary(hex) : commands_.AddSecondary(hex);
    case ModeCaltrops:
        if (first_) {
            first_ = false;
            const Redraw redraw = commands_.ToggleCaltrops(hex);
            caltropsOn_ = commands_.battle().hex(hex).caltropsMarker > 0;
            return redraw;
        }
        return commands_.SetCaltrops(hex, caltropsOn_);
    default:
        return Redraw::Nothing;
    }
}

std::vector<int> DragStroke::HexesAlong(QPoint from, QPoint to,
                                        const std::function<int(QPoint)>& hexAt) {
    // One sample per pixel along the longer axis: no hex the line crosses is skipped.
    std::vector<int> hexes;
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const int n = std::max(std::abs(dx), std::abs(dy));
    int previous = hexAt(from);
    for (int i = 1; i <= n; ++i) {
        const QPoint p(from.x() + (dx * i) / n, from.y() + (dy * i) / n);
        const int hex = hexAt(p);
        if (hex != kOffMap && hex != previous)
            hexes.push_back(hex);
        previous = hex;
    }
    return hexes;
}
