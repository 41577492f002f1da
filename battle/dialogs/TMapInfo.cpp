#include "TMapInfo.h"

#include "AboveToolWindows.h"
#include "SettingsControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTitleButtonsRoom = 140;
} // namespace

TMapInfo::TMapInfo(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("MapInfo"));
    setWindowTitle(QStringLiteral("Map Information"));
    setLbl_ = NamedLabel(QStringLiteral("SetLbl"), this);
    hexesLbl_ = NamedLabel(QStringLiteral("HexLbl"), this);
    rowsLbl_ = NamedLabel(QStringLiteral("RowLbl"), this);
    colsLbl_ = NamedLabel(QStringLiteral("ColLbl"), this);
    unitsLbl_ = NamedLabel(QStringLiteral("UnitLbl"), this);
    mapTextLbl_ = NamedLabel(QStringLiteral("MapTextLbl"), this);
    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    for (QLabel* label : {setLbl_, hexesLbl_, rowsLbl_, colsLbl_, unitsLbl_, mapTextLbl_})
        layout->addWidget(label);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the title beside the window manager's buttons ("Map... tion").
    setLbl_->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleButtonsRoom);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TMapInfo::showEvent(QShowEvent* event) {
    logic_.FormActivate(context_.battle());
    setLbl_->setText(logic_.symbolSetText);
    hexesLbl_->setText(logic_.totalHexesText);
    rowsLbl_->setText(logic_.maxRowsText);
    colsLbl_->setText(logic_.maxColsText);
    unitsLbl_->setText(logic_.totalUnitsText);
    mapTextLbl_->setText(logic_.mapTextEntriesText);
    QDialog::showEvent(event);
}
