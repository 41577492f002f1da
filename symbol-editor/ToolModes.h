#pragma once
// What each drawing mode does on press, move and release. The common steps of a press
// (undo snapshot, drawing style, dragging) are done by DrawingTools before these run.

#include <QPoint>

class DrawingTools;

struct ModeHandlers {
    void (*press)(DrawingTools&, QPoint);
    void (*move)(DrawingTools&, QPoint);
    void (*release)(DrawingTools&, QPoint);
};

const ModeHandlers& HandlersFor(int code);
