#pragma once
// Where a dialog opens, decided before it is shown (a window moved while the window
// manager maps it opens its drop-down lists detached from their boxes): centred on the
// main window, or beside the map hex it edits without covering it, and always on the
// screen.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// The top left of a dialog of size `dialog`: beside `keepVisible` (right of it, else left,
// else below, else above) when given and there is room, inside `within` (the map, when
// given) if possible, else inside `mainFrame`, else on the screen; otherwise centred on
// `mainFrame`; then moved inside `screen` as far as it fits.
QPoint DialogPosition(QSize dialog, const QRect& mainFrame, const QRect& screen,
                      const std::optional<QRect>& keepVisible = std::nullopt,
                      const QRect& within = QRect());

// Moves `dialog` (not yet shown) to its place over `mainWindow`; keepVisible and within
// are in global screen coordinates.
void PlaceDialog(QWidget* dialog, const QWidget* mainWindow,
                 const std::optional<QRect>& keepVisible = std::nullopt,
                 const QRect& within = QRect());

// The same for a window at the size it has (the help window), without fitting it to its
// contents first.
void PlaceWindow(QWidget* window, const QWidget* mainWindow,
                 const std::optional<QRect>& keepVisible = std::nullopt,
                 const QRect& within = QRect());
