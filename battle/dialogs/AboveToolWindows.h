#pragma once
// The editor's tool windows (terrain picker, unit editor, hex dialogs) stay above the main
// window. A dialog or question opened while one is shown must not open underneath it, where
// nothing visible happens and the program looks frozen: every dialog and question stays on
// top as well, and the window manager puts the newest of those first.

#include <QWidget>

inline void KeepAboveToolWindows(QWidget* window) {
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}
