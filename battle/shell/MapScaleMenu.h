#pragma once
// The "Map Scale" entries of the Preferences menu: "1×", "2×" and "3×", the current one
// checked.

#include <QMenu>

#include <functional>

// Adds the submenu to `preferences`; `chosen` is called with the scale picked.
QMenu* AddMapScaleMenu(QMenu* preferences, int current, std::function<void(int)> chosen);
