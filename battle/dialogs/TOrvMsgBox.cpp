#include "TOrvMsgBox.h"

#include "AboveToolWindows.h"
#include "SoundEffects.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TOrvMsgBox::TOrvMsgBox(SoundEffects& sounds, QWidget* parent) : QDialog(parent), sounds_(sounds) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("OrvMsgBox"));
    setModal(true);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setMinimumWidth(280);
    label1_->setMargin(12);

    yesbtn_ = new QPushButton(QStringLiteral("Ok"), this);
    yesbtn_->setObjectName(QStringLiteral("yesbtn"));
    nobtn_ = new QPushButton(QStringLiteral("No"), this);
    nobtn_->setObjectName(QStringLiteral("nobtn"));
    canbtn_ = new QPushButton(QStringLiteral("Cancel"), this);
    canbtn_->setObjectName(QStringLiteral("canbtn"));
    canbtn_->hide(); // kept for its name; no message offers a cancel

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesbtn_);
    buttons->addWidget(nobtn_);
    buttons->addWidget(canbtn_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yesbtn_, &QPushButton::clicked, this, [this] { done(OrvYes); });
    connect(nobtn_, &QPushButton::clicked, this, [this] { done(OrvNo); });
}

int TOrvMsgBox::Ask(int number, int mode) {
    messageNumber = number;
    buttonMode = mode;
    return exec();
}

void TOrvMsgBox::FormActivate() {
    const bool twoButtons = buttonMode == OrvTwoButtons;
    yesbtn_->setText(twoButtons ? QStringLiteral("Yes") : QStringLiteral("Ok"));
    nobtn_->setVisible(twoButtons);
    canbtn_->setVisible(false);
    const OrvMessage message = OrvMessageText(messageNumber);
    label1_->setText(message.text);
    setWindowTitle(message.title);
    yesbtn_->setDefault(true);
    yesbtn_->setFocus();
    sounds_.Play(SoundRefusal);
}

void TOrvMsgBox::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}
