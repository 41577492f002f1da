#include "TSelectColor.h"

#include "AboveToolWindows.h"
#include "SettingsControls.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

// The swatches, drawn from the palette; a press reports the cell under the pointer.
class PaletteGrid : public QWidget {
public:
    static constexpr int kCell = 16;

    PaletteGrid(const SelectColorLogic& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
        setObjectName(QStringLiteral("ColorGrid"));
        const int side = SelectColorLogic::kSide * kCell + 1;
        setFixedSize(side, side);
    }

    std::function<void(int col, int row)> cellPressed;

    QPoint CellCentre(int col, int row) const {
        return {col * kCell + kCell / 2, row * kCell + kCell / 2};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        for (int row = 0; row < SelectColorLogic::kSide; ++row) {
            for (int col = 0; col < SelectColorLogic::kSide; ++col)
                painter.fillRect(col * kCell + 1, row * kCell + 1, kCell - 1, kCell - 1,
                                 logic_.CellColour(col, row));
        }
        // The chosen swatch is outlined so the designer sees which index OK returns.
        const int chosen = logic_.chosenIndex();
        const QRect cell((chosen % SelectColorLogic::kSide) * kCell,
                         (chosen / SelectColorLogic::kSide) * kCell, kCell, kCell);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    }

    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        if (cellPressed && rect().contains(p))
            cellPressed(p.x() / kCell, p.y() / kCell);
    }

private:
    const SelectColorLogic& logic_;
};

TSelectColor::TSelectColor(EditorContext& context, QWidget* parent)
    : QDialog(parent), logic_(context) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("SelectColor"));
    setWindowTitle(QStringLiteral("Select Color"));

    ColorGrid_ = new PaletteGrid(logic_, this);
    Panel1_ = new QFrame(this);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->setFrameShape(QFrame::Panel);
    Panel1_->setFrameShadow(QFrame::Sunken);
    Panel1_->setAutoFillBackground(true);
    Panel1_->setFixedHeight(40);
    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("Button1"), this);
    ok->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(Panel1_);
    side->addStretch();
    side->addWidget(ok);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ColorGrid_);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ColorGrid_->cellPressed = [this](int col, int row) {
        logic_.ColorGridMouseDown(col, row);
        Refresh();
    };
    connect(ok, &QPushButton::clicked, this, [this] {
        logic_.Button1Click();
        accept();
    });
}

void TSelectColor::reject() {
    logic_.CloseWithoutChoice();
    QDialog::reject();
}

void TSelectColor::showEvent(QShowEvent* event) {
    Refresh();
    QDialog::showEvent(event);
}

void TSelectColor::Refresh() {
    QPalette colours = Panel1_->palette();
    colours.setColor(QPalette::Window, logic_.previewColour());
    Panel1_->setPalette(colours);
    ColorGrid_->update();
}
