// The main window's canvas: the pixel grid in a scroll area that fits it to the window or
// zooms it at the pointer, and stepping through the symbols with Page Up and Page Down.
#include "GridViews.h"
#include "TForm1.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

QWidget* TForm1::BuildGridPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    auto* status = new QHBoxLayout;
    gridCell_ = new QLabel("Grid Cell:");
    zoomLevel_ = new QLabel;
    modeLabel_ = new QLabel;
    for (QLabel* l : {gridCell_, zoomLevel_, modeLabel_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(120);
        status->addWidget(l);
    }
    status->addStretch();
    layout->addLayout(status);
    grid_ = new PixelGridView;
    gridScroll_ = new QScrollArea;
    gridScroll_->setWidget(grid_);
    gridScroll_->setAlignment(Qt::AlignCenter);
    gridScroll_->setMinimumSize(380, 380);
    gridScroll_->viewport()->installEventFilter(this);
    layout->addWidget(gridScroll_, 1);
    connect(grid_, &PixelGridView::CanvasWheel, this, &TForm1::ZoomCanvasAt);
    return panel;
}

void TForm1::FitGridToWindow() {
    // A little room is kept so that no scroll bar appears around a fitted grid.
    const QSize area = gridScroll_->viewport()->size() - QSize(4, 4);
    const int fitted = FitCell(session_.work.picture.size(), area);
    if (fitted != session_.cell)
        session_.SetCell(fitted);
}

void TForm1::ZoomCanvasAt(int steps, QPoint at) {
    const int before = session_.cell;
    const int after = ZoomedCell(before, steps);
    if (after == before)
        return;
    // The picture pixel under the pointer stays under it.
    const QPoint onScreen = grid_->mapTo(gridScroll_->viewport(), at);
    session_.fitGrid = false;
    session_.SetCell(after);
    BlastGrid();
    gridScroll_->horizontalScrollBar()->setValue(at.x() * after / before - onScreen.x());
    gridScroll_->verticalScrollBar()->setValue(at.y() * after / before - onScreen.y());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (gridScroll_ && watched == gridScroll_->viewport() && event->type() == QEvent::Resize &&
        session_.fitGrid) {
        FitGridToWindow();
        BlastGrid();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::StepSymbol(int step) {
    if (!session_.symbolOpen())
        return;
    if (session_.dirty(session_.selection.kind) && ShouldSave(2) == 3)
        return;
    ShowError(session_.OpenNeighbourSymbol(step));
    Refresh();
}
