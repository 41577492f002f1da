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
    scale_ = scale == kDesktopMapScale ? scale : std::clamp(scale, kMinMapScale, kMaxMapScale);
    enlarged_ = QImage();
    update();
}

MapScaleGeometry MapWidget::scaleGeometry() const {
    return MapScaleGeometry::For(scale_, devicePixelRatioF());
}

int MapWidget::viewWidth() const {
    return scaleGeometry().BufferSize(size()).width();
}
int MapWidget::viewHeight() const {
    return scaleGeometry().BufferSize(size()).height();
}

QPoint MapWidget::Unscaled(QPointF p) const {
    return scaleGeometry().ToBuffer(p);
}

void MapWidget::ShowMapPart(const QRect& viewPart) {
    if (!showingMap_) {
        ShowMap();
        return;
    }
    update(scaleGeometry().ToLogical(viewPart));
}

void MapWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (showingMap_ && renderer_.hasBuffer()) {
        // One copy of the view rectangle, unscaled or enlarged by pixel replication; only
        // the part to be repainted is enlarged.
        const QRect view = renderer_.viewRect();
        const MapScaleGeometry g = scaleGeometry();
        painter.fillRect(event->rect(), Qt::black);
        if (g.oneToOne()) {
            painter.drawImage(QPoint(0, 0), renderer_.buffer(), view);
        } else {
            // Enlarged in device pixels, and shown one to one on the screen's pixels.
            const QRect part =
                g.ToBuffer(event->rect()).intersected(QRect(QPoint(0, 0), view.size()));
            if (part.isEmpty())
                return;
            ScaleView(renderer_.buffer(), part.translated(view.topLeft()), g.scale, enlarged_);
            enlarged_.setDevicePixelRatio(g.ratio);
            painter.drawImage(QPointF(part.topLeft() * g.scale) / g.ratio, enlarged_);
        }
        // The brush outline is in view coordinates: at a scale its lines grow with the map.
        if (!overlay_.empty()) {
            painter.scale(g.scale / g.ratio, g.scale / g.ratio);
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
        update(scaleGeometry().ToLogical(dirty));
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
