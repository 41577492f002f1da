#include "MapTextLayout.h"

#include "BattleRecords.h"

#include <QFontMetrics>

std::optional<MapTextLayout> LayOutMapText(const MapTextRecord& t, int zoom, QPoint origin,
                                           int cellWidth) {
    const size_t z = size_t(zoom);
    if (t.text.empty() || t.fontSize[z] < 6)
        return std::nullopt;
    MapTextLayout layout;
    QFont& font = layout.font;
    font = QFont(t.fontName.text());
    font.setPointSize(t.fontSize[z]);
    font.setBold(t.style & 16);
    font.setItalic(t.style & 32);
    font.setUnderline(t.style & 64);
    // Without smoothing, drawing a text again over itself changes nothing, which the
    // overlay redraws after scrolling and editing rely on.
    font.setStyleStrategy(QFont::NoAntialias);
    layout.text = t.text.text();
    layout.colour =
        QColor(int(t.colour & 0xff), int((t.colour >> 8) & 0xff), int((t.colour >> 16) & 0xff));
    const QFontMetrics fm(font);
    const int tw = fm.horizontalAdvance(layout.text), th = fm.height();
    const int s = cellWidth;
    const int x = origin.x(), y = origin.y(), cx = x + s / 2, cy = y + s / 2;
    QPoint topLeft;
    switch (t.orientation[z]) {
    case 1:
        topLeft = {cx - tw / 2, y + s};
        break;
    case 2:
        topLeft = {cx - tw / 2, y - th};
        break;
    case 3:
        topLeft = {x + s, y + s};
        break;
    case 4:
        topLeft = {x + s, y - th};
        break;
    case 5:
        topLeft = {x - tw, y - th};
        break;
    case 6:
        topLeft = {x - tw, y + s};
        break;
    case 7:
        topLeft = {x - tw, cy - th / 2};
        break;
    case 8:
        topLeft = {x + s, cy - th / 2};
        break;
    default:
        return std::nullopt;
    }
    layout.box = QRect(topLeft, QSize(tw, th));
    return layout;
}
