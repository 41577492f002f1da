#include "TAddVHex.h"

#include "HexDialogFrame.h"
#include "HexDialogParts.h"
#include "SettingsControls.h"
#include "UpDownArrows.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TAddVHex::TAddVHex(EditorContext& context, QWidget* parent) : QDialog(parent), logic_(context) {
    setObjectName(QStringLiteral("AddVHex"));
    QVBoxLayout* column = nullptr;
    QFrame* panel = BorderlessPanel(this, QStringLiteral("Terrain Victory Objective"), column);

    symbolBox_ = new QGroupBox(panel);
    symbolBox_->setObjectName(QStringLiteral("SymbolBox"));
    auto* nameBox = TitledGroup(QStringLiteral("Name"), QStringLiteral("SymName"), symbolBox_);
    SymName_ = new QLineEdit(nameBox);
    SymName_->setObjectName(QStringLiteral("SymName"));
    SymName_->setMaxLength(AddVHexLogic::kNameChars);
    (new QHBoxLayout(nameBox))->addWidget(SymName_);
    const Stepper vp = MakeStepper(QString(), QStringLiteral("VptLbl"), QStringLiteral("VpUD"),
                                   symbolBox_, context.sounds);
    vp.box->setFlat(true);
    VptLbl_ = vp.label;
    VptLbl_->setMinimumWidth(
        VptLbl_->fontMetrics().horizontalAdvance(QStringLiteral("Victory Points: 100  ")));
    auto* group = new QVBoxLayout(symbolBox_);
    group->addWidget(nameBox);
    group->addWidget(vp.box);

    AddBtn_ = NamedButton(QStringLiteral("Add"), QStringLiteral("AddBtn"), panel);
    RemBtn_ = NamedButton(QStringLiteral("Remove"), QStringLiteral("RemBtn"), panel);
    QPushButton* exit = NamedButton(QStringLiteral("Exit"), QStringLiteral("Exit"), panel);
    exit->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddBtn_);
    buttons->addWidget(RemBtn_);
    buttons->addWidget(exit);
    column->addWidget(symbolBox_);
    column->addLayout(buttons);

    connect(SymName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SymNameChange(text); });
    connect(vp.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.VpUDClick(up);
        Refresh();
    });
    connect(AddBtn_, &QPushButton::clicked, this, [this] {
        logic_.AddBtnClick();
        Refresh();
        SymName_->setFocus();
    });
    connect(RemBtn_, &QPushButton::clicked, this, [this] { done(logic_.RemBtnClick()); });
    connect(exit, &QPushButton::clicked, this, [this] { done(logic_.ExitClick()); });
}

void TAddVHex::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    {
        const QSignalBlocker quiet(SymName_);
        SymName_->setText(logic_.nameText());
    }
    Refresh();
    QDialog::showEvent(event);
}

void TAddVHex::Refresh() {
    symbolBox_->setEnabled(logic_.groupEnabled());
    VptLbl_->setText(logic_.pointsText());
    AddBtn_->setEnabled(logic_.addEnabled());
    RemBtn_->setEnabled(logic_.removeEnabled());
}
