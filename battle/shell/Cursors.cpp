#include "Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Canvas() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QCursor HandCursor() {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    // A pointing hand: the index finger up, three fingers folded, the thumb at the side.
    hand.addRoundedRect(QRectF(11, 2, 5, 16), 2.5, 2.5);
    hand.addRoundedRect(QRectF(15, 10, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(19, 11, 5, 9), 2.5, 2.5);
    hand.addRoundedRect(QRectF(23, 12, 4, 9), 2, 2);
    hand.addRoundedRect(QRectF(5, 14, 8, 5), 2.5, 2.5);
    hand.addRoundedRect(QRectF(9, 16, 18, 12), 4, 4);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    p.end();
    return QCursor(pixmap, 13, 2);
}

QCursor ZoomCursor() {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(29, 29));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    p.drawLine(QPointF(12, 8), QPointF(12, 16));
    p.end();
    return QCursor(pixmap, 12, 12);
}
