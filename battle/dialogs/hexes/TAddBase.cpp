#include "TAddBase.h"

#include "HexDialogFrame.h"
#include "HexDialogParts.h"
#include "ListRowChoice.h"
#include "SettingsControls.h"
#include "UpDownArrows.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TAddBase::TAddBase(EditorContext& context, QWidget* parent) : QDialog(parent), logic_(context) {
    setObjectName(QStringLiteral("AddBase"));
    QVBoxLayout* column = nullptr;
    QFrame* panel = BorderlessPanel(this, QStringLiteral("Structures"), column);

    factionBox_ = new QGroupBox(QStringLiteral("Faction"), panel);
    factionBox_->setObjectName(QStringLiteral("FactionBox"));
    ASideBtn_ = new QRadioButton(factionBox_);
    ASideBtn_->setObjectName(QStringLiteral("ASideBtn"));
    BSideBtn_ = new QRadioButton(factionBox_);
    BSideBtn_->setObjectName(QStringLiteral("BSideBtn"));
    auto* faction = new QVBoxLayout(factionBox_);
    faction->addWidget(ASideBtn_);
    faction->addWidget(BSideBtn_);

    nameBox_ = TitledGroup(QStringLiteral("Name"), QStringLiteral("SymName"), panel);
    SymName_ = new QLineEdit(nameBox_);
    SymName_->setObjectName(QStringLiteral("SymName"));
    SymName_->setMaxLength(AddBaseLogic::kNameChars);
    (new QHBoxLayout(nameBox_))->addWidget(SymName_);

    symbolBox_ = new QGroupBox(QStringLiteral("Symbol"), panel);
    symbolBox_->setObjectName(QStringLiteral("SymbolBox"));
    TerList_ = TerrainListBox(symbolBox_);
    TerList_->setFixedHeight(kPreviewSide + 4);
    Image1_ = PreviewImage(symbolBox_);
    auto* symbol = new QHBoxLayout(symbolBox_);
    symbol->addWidget(TerList_);
    symbol->addWidget(Image1_);

    statisticsBox_ = new QGroupBox(QStringLiteral("Statistics"), panel);
    statisticsBox_->setObjectName(QStringLiteral("StatisticsBox"));
    const Stepper def = MakeStepper(QString(), QStringLiteral("DefLbl"), QStringLiteral("DefUD"),
                                    statisticsBox_, context.sounds);
    const Stepper spl = MakeStepper(QString(), QStringLiteral("RSplLbl"), QStringLiteral("RSplUD"),
                                    statisticsBox_, context.sounds);
    const Stepper elv = MakeStepper(QString(), QStringLiteral("ElvLbl"), QStringLiteral("ElvUD"),
                                    statisticsBox_, context.sounds);
    DefLbl_ = def.label;
    RSplLbl_ = spl.label;
    ElvLbl_ = elv.label;
    auto* statistics = new QVBoxLayout(statisticsBox_);
    for (const Stepper& s : {def, spl, elv}) {
        s.box->setFlat(true);
        s.label->setMinimumWidth(
            s.label->fontMetrics().horizontalAdvance(QStringLiteral("Defensive Mod: -8  ")));
        statistics->addWidget(s.box);
    }

    AddBtn_ = NamedButton(QStringLiteral("Add"), QStringLiteral("AddBtn"), panel);
    RemBtn_ = NamedButton(QStringLiteral("Remove"), QStringLiteral("RemBtn"), panel);
    QPushButton* exit = NamedButton(QStringLiteral("Exit"), QStringLiteral("Exit"), panel);
    exit->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddBtn_);
    buttons->addWidget(RemBtn_);
    buttons->addStretch();
    buttons->addWidget(exit);

    auto* grid = new QGridLayout;
    grid->addWidget(factionBox_, 0, 0);
    grid->addWidget(statisticsBox_, 0, 1, 2, 1);
    grid->addWidget(nameBox_, 1, 0);
    grid->addWidget(symbolBox_, 2, 0, 1, 2);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(ASideBtn_, &QRadioButton::clicked, this, [this] {
        logic_.ASideBtnClick();
        Refresh();
    });
    connect(BSideBtn_, &QRadioButton::clicked, this, [this] {
        logic_.BSideBtnClick();
        Refresh();
    });
    connect(SymName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SymNameChange(text); });
    OnRowChosen(TerList_, [this](int row) {
        logic_.TerListClick(row);
        Refresh();
    });
    connect(def.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.DefUDClick(up);
        Refresh();
    });
    connect(spl.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.RSplUDClick(up);
        Refresh();
    });
    connect(elv.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.ElvUDClick(up);
        Refresh();
    });
    connect(AddBtn_, &QPushButton::clicked, this, [this] {
        logic_.AddBtnClick();
        Refresh();
        SymName_->setFocus();
    });
    connect(RemBtn_, &QPushButton::clicked, this, [this] { done(logic_.RemBtnClick()); });
    connect(exit, &QPushButton::clicked, this, [this] { done(logic_.Button1Click()); });
}

void TAddBase::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    FillTerrainList(TerList_, logic_.rows(), logic_.row());
    Refresh();
    QDialog::showEvent(event);
}

void TAddBase::Refresh() {
    ASideBtn_->setText(logic_.sideACaption());
    BSideBtn_->setText(logic_.sideBCaption());
    for (QGroupBox* box : {factionBox_, nameBox_, symbolBox_, statisticsBox_})
        box->setEnabled(logic_.groupsEnabled());
    ASideBtn_->setEnabled(logic_.sideAEnabled());
    BSideBtn_->setEnabled(logic_.sideBEnabled());
    (logic_.sideAChecked() ? ASideBtn_ : BSideBtn_)->setChecked(true);
    if (SymName_->text() != logic_.name()) {
        const QSignalBlocker quiet(SymName_);
        SymName_->setText(logic_.name());
    }
    SelectListRow(TerList_, logic_.row());
    ShowPreview(Image1_, logic_.preview());
    DefLbl_->setText(logic_.defenceText());
    RSplLbl_->setText(logic_.supplyText());
    ElvLbl_->setText(logic_.heightText());
    AddBtn_->setEnabled(logic_.addEnabled());
    RemBtn_->setEnabled(logic_.removeEnabled());
}
