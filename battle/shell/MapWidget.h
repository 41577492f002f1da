#pragma once
// MapWin: shows the view rectangle of the map buffer, or the logo while no battle is
// shown, and forwards the mouse to the main window. At a map scale above the desktop's
// own the buffer is drawn for a fraction of the widget's size and shown enlarged; every
// position the widget reports is in the buffer's pixels, so the map code never sees the
// scale.

#include "DisplayScale.h"

#include <QImage>
#include <QLine>
#include <QWidget>

#include <vector>

class MapRenderer;

class MapWidget : public QWidget {
    Q_OBJECT
public:
    MapWidget(const MapRenderer& renderer, QWidget* parent = nullptr);

    // Logo mode: black with the picture centred. Map mode: the buffer's view rectangle.
    void ShowLogo(const QImage& logo);
    void ShowMap();
    // Map mode, repainting only `viewPart` (in the view's pixels, unscaled).
    void ShowMapPart(const QRect& viewPart);
    bool showingMap() const { return showingMap_; }
    // Lines drawn over the map (the brush outline), in view pixels; empty for none.
    void SetOverlay(std::vector<QLine> lines);
    const std::vector<QLine>& overlay() const { return overlay_; }

    // 1 … 3 screen pixels a map pixel, or kDesktopMapScale to follow the desktop; other
    // values are taken as the nearest scale.
    void SetScale(int scale);
    int scale() const { return scale_; }
    // The scale in force on the screen the widget is on.
    MapScaleGeometry scaleGeometry() const;
    // The size the map buffer is drawn for: the widget's size divided by the scale.
    int viewWidth() const;
    int viewHeight() const;

signals:
    void mouseMoved(int x, int y);
    void mousePressed(Qt::MouseButton button);
    void mouseReleased(Qt::MouseButton button);
    void wheelTurned(int steps, Qt::KeyboardModifiers modifiers, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const MapRenderer& renderer_;
    QImage logo_;
    bool showingMap_ = false;
    std::vector<QLine> overlay_;
    int wheelRemainder_ = 0;
    int scale_ = kDesktopMapScale;
    QImage enlarged_; // the part being repainted at the scale, kept between paints
    QPoint Unscaled(QPointF p) const;
};
