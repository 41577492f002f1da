#pragma once
// The main window's mouse surfaces: the enlarged pixel grid, the 16-by-16 colour grid and
// the colour boxes. They only show pictures and report mouse positions.

#include <QImage>
#include <QLabel>
#include <QWidget>

// Shows the grid image at its own size (inside a scroll area) and reports presses, moves
// and releases in image pixels.
class PixelGridView : public QWidget {
    Q_OBJECT
public:
    explicit PixelGridView(QWidget* parent = nullptr);
    void SetImage(const QImage& image);

signals:
    void Pressed(Qt::MouseButton button, QPoint position);
    void Moved(QPoint position);
    void Released(QPoint position);
    // The wheel turned with Ctrl and Shift held: positive towards "Zoom +" (the level).
    void ZoomWheel(int steps);
    // The wheel turned with Ctrl held: the canvas zooms in (positive) or out at `at`.
    void CanvasWheel(int steps, QPoint at);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPoint Origin() const; // the image is centred in the widget
    QImage image_;
};

// 16 by 16 cells of 8 by 8 screen pixels; cell (column, row) shows the palette's pixel.
class ColourGridView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 8;
    explicit ColourGridView(QWidget* parent = nullptr);
    void SetPalette(const QImage& palette);

signals:
    void CellPressed(Qt::MouseButton button, int column, int row);
    void CellHovered(int column, int row);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage palette_;
};

// A colour box ("Primary Color", "Secondary Color", the transparent swatch).
class ColourBox : public QLabel {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);
    void SetColour(QRgb colour);

signals:
    void Pressed(Qt::MouseButton button);
    void Hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
