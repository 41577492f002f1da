#include "MapWidget.h"

#include "MapRenderer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

MapWidget::MapWidget(const MapRenderer& renderer, QWidget* parent)
    : QWidget(parent), renderer_(renderer) {
    setObjectName(QStringLiteral("MapWin"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapWidget::ShowLogo(const QImage& logo) {
    logo_ = logo;
    showingMap_ = false;
    update();
}

void MapWidget::ShowMap() {
    showingMap_ = true;
    update();
}

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (showingMap_ && renderer_.hasBuffer()) {
        // One copy of the view rectangle, unscaled.
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPoint(0, 0), renderer_.buffer(), renderer_.viewRect());
        if (!overlay_.empty()) {
            painter.setPen(QPen(Qt::white, 1));
            painter.drawLines(overlay_.data(), int(overlay_.size()));
        }
        return;
    }
    painter.fillRect(rect(), Qt::black);
    if (!logo_.isNull())
        painter.drawImage(QPoint((width() - logo_.width()) / 2, (height() - logo_.height()) / 2),
                          logo_);
}

namespace {

QRect LinesBounds(const std::vector<QLine>& lines) {
    QRect r;
    for (const QLine& l : lines)
        r |= QRect(l.p1(), l.p2()).normalized();
    return r.adjusted(-1, -1, 2, 2);
}

} // namespace

void MapWidget::SetOverlay(std::vector<QLine> lines) {
    if (lines == overlay_)
        return;
    // Only the area of the old and the new outline is painted again.
    const QRect dirty = (overlay_.empty() ? QRect() : LinesBounds(overlay_)) |
                        (lines.empty() ? QRect() : LinesBounds(lines));
    overlay_ = std::move(lines);
    if (!dirty.isEmpty())
        update(dirty);
}

void MapWidget::leaveEvent(QEvent*) {
    SetOverlay({});
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button());
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y());
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y()); // a click is resolved where the pointer last moved
    emit mousePressed(event->button());
}

void MapWidget::wheelEvent(QWheelEvent* event) {
    // One notch (120) is one step; touch pads send parts of notches.
    const QPoint delta = event->angleDelta();
    wheelRemainder_ += delta.y() != 0 ? delta.y() : delta.x();
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    if (steps != 0)
        emit wheelTurned(steps, event->modifiers(), event->position().toPoint());
    event->accept();
}
