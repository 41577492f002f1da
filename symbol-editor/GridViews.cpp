#include "GridViews.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

PixelGridView::PixelGridView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFixedSize(364, 364);
}

void PixelGridView::SetImage(const QImage& image) {
    image_ = image;
    if (!image.isNull() && size() != image.size())
        setFixedSize(image.size());
    update();
}

QPoint PixelGridView::Origin() const {
    return {(width() - image_.width()) / 2, (height() - image_.height()) / 2};
}

void PixelGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(Origin(), image_);
}

void PixelGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - Origin();
    if (QRect(QPoint(0, 0), image_.size()).contains(p))
        emit Pressed(event->button(), p);
}

void PixelGridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - Origin();
    // While a button is held the mouse may leave the grid on any side; the position is
    // passed on as it is and the tools drop what falls outside the picture.
    if (event->buttons() != Qt::NoButton || QRect(QPoint(0, 0), image_.size()).contains(p))
        emit Moved(p);
}

void PixelGridView::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->position().toPoint() - Origin());
}

void PixelGridView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    // With Shift held some systems turn the wheel sideways.
    const QPoint delta = event->angleDelta();
    const int steps = (delta.y() != 0 ? delta.y() : delta.x()) / 120;
    if (steps != 0) {
        if (event->modifiers() & Qt::ShiftModifier)
            emit ZoomWheel(steps);
        else
            emit CanvasWheel(steps, event->position().toPoint() - Origin());
    }
    event->accept();
}

ColourGridView::ColourGridView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFixedSize(16 * kCell, 16 * kCell);
}

void ColourGridView::SetPalette(const QImage& palette) {
    palette_ = palette;
    update();
}

void ColourGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const QColor colour = palette_.valid(column, row)
                                      ? QColor::fromRgb(palette_.pixel(column, row))
                                      : QColor(128, 128, 128);
            painter.fillRect(column * kCell, row * kCell, kCell, kCell, colour);
        }
    }
}

void ColourGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (rect().contains(p))
        emit CellPressed(event->button(), p.x() / kCell, p.y() / kCell);
}

void ColourGridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (rect().contains(p))
        emit CellHovered(p.x() / kCell, p.y() / kCell);
}

ColourBox::ColourBox(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setFixedSize(40, 24);
}

void ColourBox::SetColour(QRgb colour) {
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                      .arg(QColor::fromRgb(colour).name()));
}

void ColourBox::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button());
}

void ColourBox::mouseMoveEvent(QMouseEvent*) {
    emit Hovered();
}
