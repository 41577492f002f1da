#include "UpDownArrows.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

UpDownArrows::UpDownArrows(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    // Kept at the buttons' size, so a tall group box cannot pull the two arrows apart.
    setFixedSize(18, 24);
    QToolButton* up = ArrowButton(Qt::UpArrow, name + QStringLiteral("Up"), this);
    QToolButton* down = ArrowButton(Qt::DownArrow, name + QStringLiteral("Down"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(false); });
}
