#include "TReportWindow.h"

#include "AboveToolWindows.h"
#include "ReportTable.h"
#include "SettingsControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TReportWindow::TReportWindow(const Layout& layout, QWidget* parent)
    : QDialog(parent), caption_(layout.caption) {
    KeepAboveToolWindows(this);
    setObjectName(layout.formName);
    setWindowTitle(layout.caption);
    label_ = NamedLabel(layout.labelName, this);
    label_->setAlignment(Qt::AlignCenter);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    grid_ = new ReportTable(layout.gridName, layout.visibleRows, this);
    button_ = NamedButton(layout.buttonCaption, layout.buttonName, this);
    button_->setDefault(true);

    auto* gridRow = new QHBoxLayout;
    gridRow->addStretch();
    gridRow->addWidget(grid_);
    gridRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(button_);
    buttonRow->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);
    column->addWidget(label_);
    column->addLayout(gridRow);
    // Keeps the window at least this wide, so a narrower grid is centred in it.
    column->addSpacerItem(new QSpacerItem(layout.minGridArea, 0, QSizePolicy::Fixed));
    column->addLayout(buttonRow);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) {
        Logic().GridClick(row);
        if (Logic().selectedRow() >= 0)
            grid_->selectRow(Logic().selectedRow());
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { GridDblClick(row); });
    connect(button_, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TReportWindow::GridDblClick(int) {}

void TReportWindow::CloseBtnClick() {
    Logic().CloseBtnClick();
    accept();
}

void TReportWindow::showEvent(QShowEvent* event) {
    Logic().FormActivate();
    ShowReport();
    QDialog::showEvent(event);
}

void TReportWindow::ShowReport() {
    const ReportGrid& report = Logic().grid();
    // A side report with nothing to show is normally refused before opening; should it
    // open anyway, it says why instead of showing an empty grid without a word.
    const QString text = report.opens() ? report.label : report.refusalText;
    label_->setText(text);
    label_->setVisible(!text.isEmpty());
    if (!report.heading.isEmpty())
        setWindowTitle(report.heading);
    else if (!report.label.trimmed().isEmpty())
        setWindowTitle(report.label.trimmed());
    else
        setWindowTitle(caption_);
    grid_->ShowGrid(report);
    // The grid's size changed; the window takes its new size before it is shown.
    layout()->activate();
}
