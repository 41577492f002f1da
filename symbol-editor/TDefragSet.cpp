#include "TDefragSet.h"

#include "DialogPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TDefragSet::TDefragSet(QWidget* parent, SymbolSet& set) : QDialog(parent), logic_(set) {
    setWindowTitle("Optimize Symbol File Layout");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    group_ = new QGroupBox("Optimize");
    auto* groupLayout = new QVBoxLayout(group_);
    const std::array<const char*, kKindCount> names{"Terrain Symbols", "Unit Symbols ",
                                                    "Mask Symbols"};
    for (int k = 0; k < kKindCount; ++k) {
        options_[k] = new QCheckBox(names[k]);
        groupLayout->addWidget(options_[k]);
        connect(options_[k], &QCheckBox::toggled, this,
                [this, k](bool on) { logic_.ticked[k] = on; });
    }
    top->addWidget(group_);
    preview_ = new QLabel;
    preview_->setFixedSize(120, 120);
    preview_->setStyleSheet("background-color: #c0c0c0;");
    top->addWidget(preview_);
    layout->addLayout(top);
    level_ = new QLabel;
    layout->addWidget(level_);
    progress_ = new QProgressBar;
    layout->addWidget(progress_);
    status_ = new QLabel;
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton("Start");
    auto* exit = new QPushButton("Exit");
    buttons->addWidget(start_);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &TDefragSet::StartClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    logic_.FormShow();
    Refresh();
}

void TDefragSet::Refresh() {
    group_->setEnabled(logic_.startEnabled);
    start_->setEnabled(logic_.startEnabled);
    for (int k = 0; k < kKindCount; ++k) {
        const QSignalBlocker quiet(options_[k]);
        options_[k]->setEnabled(logic_.enabled[k]);
        options_[k]->setChecked(logic_.ticked[k]);
    }
    level_->setText(logic_.levelLabel);
    progress_->setRange(0, logic_.progressMaximum);
    progress_->setValue(logic_.progress);
    status_->setText(logic_.status);
}

void TDefragSet::StartClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status_->setText("Working...");
    const SetResult result = logic_.StartClick([this](const OptimiseProgress& p) {
        Refresh();
        if (p.kind == SymbolKind::Terrain && p.bitmap && p.cell.isValid())
            preview_->setPixmap(QPixmap::fromImage(p.bitmap->copy(p.cell).scaled(
                preview_->size(), Qt::KeepAspectRatio, Qt::FastTransformation)));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
    Refresh();
    if (!result)
        ShowMessage(this, QMessageBox::Critical, "Error",
                    QString(result.message).replace('\r', '\n'));
}
