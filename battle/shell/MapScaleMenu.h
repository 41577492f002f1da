#pragma once
// The "Map Scale" entries of the Preferences menu: "As the Desktop" (the default: the map
// scaled as the desktop scales the rest of the window), then "1×", "2×" and "3×" screen
// pixels a map pixel; the current one checked.

#include <QMenu>

#include <functional>

// Adds the submenu to `preferences`; `chosen` is called with the scale picked
// (kDesktopMapScale for "As the Desktop").
QMenu* AddMapScaleMenu(QMenu* preferences, int current, std::function<void(int)> chosen);
