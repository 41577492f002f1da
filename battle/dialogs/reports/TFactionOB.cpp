#include "TFactionOB.h"

#include "ReportTable.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TFactionOB::TFactionOB(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("FactionOB"), QStringLiteral("OBGrid"), QStringLiteral("OBLbl"),
                     QStringLiteral("ExitBtn"), QStringLiteral("Exit"),
                     QStringLiteral("Order of Battle"), 18, 0},
                    parent),
      logic_(context) {
    BuildSelectionControls();
}

void TFactionOB::BuildSelectionControls() {
    grid()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    wingBox_ = new QComboBox(this);
    wingBox_->setObjectName(QStringLiteral("OBWing"));
    // Wide enough for the longest wing whenever the list is filled again, not only for the
    // wings of the first showing.
    wingBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    turnBox_ = new QSpinBox(this);
    turnBox_->setObjectName(QStringLiteral("OBTurn"));
    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* wingBtn = button(QStringLiteral("Set Wing"), QStringLiteral("SetWingBtn"));
    sideBtn_ = button(QString(), QStringLiteral("SetSideBtn"));
    QPushButton* turnBtn = button(QStringLiteral("Set Arrival Turn"), QStringLiteral("SetTurnBtn"));
    QPushButton* removeBtn = button(QStringLiteral("Remove"), QStringLiteral("RemoveUnitsBtn"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Chosen units (Shift, Ctrl):"), this));
    row->addWidget(wingBox_);
    row->addWidget(wingBtn);
    row->addWidget(turnBox_);
    row->addWidget(turnBtn);
    row->addWidget(sideBtn_);
    row->addWidget(removeBtn);
    row->addStretch();
    // Above the closing button.
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertLayout(column->count() - 1, row);

    connect(wingBtn, &QPushButton::clicked, this, [this] {
        logic_.SetWingClick(chosenRows(), wingBox_->currentIndex());
        AfterChange();
    });
    connect(turnBtn, &QPushButton::clicked, this, [this] {
        logic_.SetTurnClick(chosenRows(), turnBox_->value());
        AfterChange();
    });
    connect(sideBtn_, &QPushButton::clicked, this, [this] {
        logic_.SetSideClick(chosenRows(), logic_.side == 1 ? 2 : 1);
        AfterChange();
    });
    connect(removeBtn, &QPushButton::clicked, this, [this] {
        logic_.RemoveClick(chosenRows());
        AfterChange();
    });
}

std::vector<int> TFactionOB::chosenRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid()->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TFactionOB::showEvent(QShowEvent* event) {
    TReportWindow::showEvent(event);
    wingBox_->clear(); // each opening starts on the side's first wing
    AfterChange();
}

// Shows the battle as the change left it: the report, the wings, the turns, the side.
void TFactionOB::AfterChange() {
    ShowReport();
    // The rows follow the side's wings, which the change may have reordered.
    const QString wing = wingBox_->currentText();
    wingBox_->clear();
    wingBox_->addItems(logic_.wingNames());
    wingBox_->setCurrentIndex(std::max(0, wingBox_->findText(wing)));
    turnBox_->setRange(1, logic_.maxTurns());
    sideBtn_->setText(QStringLiteral("Move to ") + logic_.otherSideName());
}

void TFactionOB::GridDblClick(int row) {
    const int unit = logic_.GridDblClick(row);
    if (unit > 0)
        done(unit);
}

void TFactionOB::CloseBtnClick() {
    logic_.ExitBtnClick();
    done(0);
}
