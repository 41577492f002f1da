#include "ResizeMapDialog.h"

#include "AboveToolWindows.h"
#include "SettingsControls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ResizeMapDialog::ResizeMapDialog(const Battle& battle, QWidget* parent)
    : QDialog(parent), logic_(battle) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("ResizeMap"));
    setWindowTitle(QStringLiteral("Resize Map"));
    confirmLoss = [this](const QStringList& lost) {
        return QMessageBox::question(
                   this, QStringLiteral("Resize Map"),
                   QStringLiteral("These stand on hexes that go and will be deleted:\n\n%1\n\n"
                                  "Resize the map?")
                       .arg(lost.join('\n'))) == QMessageBox::Yes;
    };
    auto* form = new QFormLayout;
    const char* names[4] = {"LeftEdge", "RightEdge", "TopEdge", "BottomEdge"};
    const char* captions[4] = {
        "Columns at the left:", "Columns at the right:", "Rows at the top:", "Rows at the bottom:"};
    for (int e = 0; e < 4; ++e) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(names[e]));
        connect(box, &QSpinBox::valueChanged, this, [this, e](int value) {
            logic_.SetEdge(ResizeMapLogic::Edge(e), value);
            Refresh();
        });
        edges_[size_t(e)] = box;
        form->addRow(QString::fromLatin1(captions[e]), box);
    }
    sizeLbl_ = NamedLabel(QStringLiteral("SizeLbl"), this);
    noteLbl_ = NamedLabel(QStringLiteral("NoteLbl"), this);
    noteLbl_->setWordWrap(true);
    lostList_ = new QListWidget(this);
    lostList_->setObjectName(QStringLiteral("LostList"));
    lostList_->setMinimumHeight(90);
    ok_ = NamedButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
    QPushButton* cancel = NamedButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Negative numbers remove columns or rows."), this));
    layout->addLayout(form);
    layout->addWidget(sizeLbl_);
    layout->addWidget(noteLbl_);
    layout->addWidget(new QLabel(QStringLiteral("Lost with the hexes that go:"), this));
    layout->addWidget(lostList_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &ResizeMapDialog::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ResizeMapDialog::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    Refresh();
    QDialog::showEvent(event);
}

void ResizeMapDialog::Refresh() {
    for (int e = 0; e < 4; ++e) {
        QSpinBox* box = edges_[size_t(e)];
        const QSignalBlocker block(box);
        box->setRange(logic_.Minimum(ResizeMapLogic::Edge(e)),
                      logic_.Maximum(ResizeMapLogic::Edge(e)));
        box->setValue(logic_.edge(ResizeMapLogic::Edge(e)));
    }
    sizeLbl_->setText(logic_.sizeText());
    noteLbl_->setText(logic_.staggerNote());
    noteLbl_->setVisible(!logic_.staggerNote().isEmpty());
    lostList_->clear();
    lostList_->addItems(logic_.lostLines());
    ok_->setEnabled(logic_.OkEnabled());
}

void ResizeMapDialog::OKBtnClick() {
    if (!logic_.OkEnabled())
        return;
    if (logic_.NeedsConfirmation() && confirmLoss && !confirmLoss(logic_.lostLines()))
        return;
    accept();
}
