#pragma once
// Painting by dragging in the terrain and caltrops modes: the press paints the brush at
// the hex under the pointer, every hex the pointer then passes is painted with it (also
// the hexes between two mouse positions far apart), each hex at most once per stroke,
// and the release ends the stroke. A stroke is one step of the undo history, bracketed
// by the two hooks. A click without a move is exactly the click of the mode.

#include "MapCommands.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <set>
#include <vector>

class DragStroke {
public:
    explicit DragStroke(MapCommands& commands) : commands_(commands) {}

    // Around the whole stroke: the history's BeginStep(caption) and EndStep().
    std::function<void(const QString& caption)> beginStep;
    std::function<void()> endStep;
    // Shows a painted hex: the window redraws it as the edit asks.
    std::function<void(int hex, Redraw redraw)> show;
    // The hex under a point of the view, or kOffMap.
    std::function<int(QPoint)> hexAt;

    // 0, 1 or 2: the hex alone, or one or two rings around it.
    int brushRadius = 0;

    // The modes a drag paints in, and the button: left everywhere, any other button in
    // "Place Secondary Terrain", where it removes.
    static bool Paints(int mode, Qt::MouseButton button);
    // The step's caption: "Place Primary Terrain", "Remove Secondary Terrain", ...
    static QString Caption(int mode, Qt::MouseButton button);

    // The press on `hex` at point `at` of the view.
    void Begin(int mode, Qt::MouseButton button, int hex, QPoint at);
    // The pointer moved to `to` with the button held.
    void MoveTo(QPoint to);
    // The release; also ends a stroke cut short by a change of mode.
    void End();
    bool active() const { return active_; }
    Qt::MouseButton button() const { return button_; }
    int mode() const { return mode_; }
    // Hexes painted by the current (or last) stroke.
    const std::set<int>& painted() const { return painted_; }

    // The hexes met walking the straight line from one point to the other, the first
    // point excluded, each once in a row, off-map points skipped.
    static std::vector<int> HexesAlong(QPoint from, QPoint to,
                                       const std::function<int(QPoint)>& hexAt);

private:
    void PaintBrush(int centre);
    Redraw PaintHex(int hex);

    MapCommands& commands_;
    bool active_ = false;
    int mode_ = 0;
    Qt::MouseButton button_ = Qt::NoButton;
    bool remove_ = false;
    bool caltropsOn_ = false; // the state the first hex's toggle gave
    bool first_ = true;
    QPoint last_;
    std::set<int> painted_;
};
