#include "MapWidget.h"

#include "DisplayScale.h"
#include "MapRenderer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

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

void MapWidget::SetScale(int scale) {
    scale_ = std::clamp(scale, kMinMapScale, kMaxMapScale);
    enlarged_ = QImage();
    update();
}

int MapWidget::viewWidth() const {
    return std::max(width() / scale_, 1);
}
int MapWidget::viewHeight() const {
    return std::max(height() / scale_, 1);
}

QPoint MapWidget::Unscaled(QPointF p) const {
    const QPoint at = p.toPoint();
    return QPoint(at.x() / scale_, at.y() / scale_);
}

void MapWidget::ShowMapPart(const QRect& viewPart) {
    if (!showingMap_) {
        ShowMap();
        return;
    }
    update(QRect(viewPart.topLeft() * scale_, viewPart.size() * scale_));
}

void MapWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (showingMap_ && renderer_.hasBuffer()) {
        // One copy of the view rectangle, unscaled or enlarged by pixel replication; only
        // the part to be repainted is enlarged.
        const QRect view = renderer_.viewRect();
        painter.fillRect(event->rect(), Qt::black);
        if (scale_ == 1) {
            painter.drawImage(QPoint(0, 0), renderer_.buffer(), view);
        } else {
            const QRect asked = event->rect();
            const QRect part = QRect(QPoint(asked.left() / scale_, asked.top() / scale_),
                                     QPoint(asked.right() / scale_, asked.bottom() / scale_))
                                   .intersected(QRect(QPoint(0, 0), view.size()));
            if (part.isEmpty())
                return;
            ScaleView(renderer_.buffer(), part.translated(view.topLeft()), scale_, enlarged_);
            painter.drawImage(part.topLeft() * scale_, enlarged_);
        }
        // The brush outline is in view coordinates: at a scale its lines grow with the map.
        if (!overlay_.empty()) {
            painter.scale(scale_, scale_);
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
        update(QRect(dirty.topLeft() * scale_, dirty.size() * scale_));
}

void MapWidget::leaveEvent(QEvent*) {
    SetOverlay({});
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button());
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = Unscaled(event->position());
    emit mouseMoved(p.x(), p.y());
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = Unscaled(event->position());
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
        emit wheelTurned(steps, event->modifiers(), Unscaled(event->position()));
    event->accept();
}
