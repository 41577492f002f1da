#include "DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kGap = 8; // between the hex and the dialog

QPoint InsideScreen(QPoint at, QSize size, const QRect& screen) {
    const int x = std::clamp(at.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(at.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

QPoint DialogPosition(QSize dialog, const QRect& mainFrame, const QRect& screen,
                      const std::optional<QRect>& keepVisible, const QRect& within) {
    if (keepVisible && screen.intersects(*keepVisible)) {
        const QRect& hex = *keepVisible;
        const int midY = hex.center().y() - dialog.height() / 2;
        const int midX = hex.center().x() - dialog.width() / 2;
        const std::array<QPoint, 4> beside{QPoint(hex.right() + 1 + kGap, midY),
                                           QPoint(hex.left() - kGap - dialog.width(), midY),
                                           QPoint(midX, hex.bottom() + 1 + kGap),
                                           QPoint(midX, hex.top() - kGap - dialog.height())};
        // Over the map when it has room, else over the main window, else anywhere on the
        // screen: a dialog standing out of its window over the desktop looks lost.
        std::vector<QRect> bounds;
        if (!within.isEmpty())
            bounds = {within & screen, mainFrame & screen};
        bounds.push_back(screen);
        for (const QRect& bound : bounds) {
            for (const QPoint& at : beside) {
                const QPoint kept = InsideScreen(at, dialog, bound);
                if (!QRect(kept, dialog).intersects(hex) && bound.contains(QRect(kept, dialog)))
                    return kept;
            }
        }
    }
    const QPoint centred = mainFrame.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
    return InsideScreen(centred, dialog, screen);
}

void PlaceDialog(QWidget* dialog, const QWidget* mainWindow,
                 const std::optional<QRect>& keepVisible, const QRect& within) {
    dialog->ensurePolished();
    dialog->adjustSize();
    PlaceWindow(dialog, mainWindow, keepVisible, within);
}

void PlaceWindow(QWidget* window, const QWidget* mainWindow,
                 const std::optional<QRect>& keepVisible, const QRect& within) {
    const QScreen* screen =
        mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : mainWindow->frameGeometry();
    // A frameless window's frame is its size; a framed one adds the title bar, which the
    // window manager puts above the position given.
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    window->move(DialogPosition(frame, mainWindow->frameGeometry(), area, keepVisible, within));
}
