#include "TAddUnit.h"

#include "ListRowChoice.h"
#include "TypedValueEntry.h"
#include "UpDownArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QColor kGold(221, 197, 28);
const QColor kGrey(128, 128, 128);
const QColor kBackground(38, 34, 28);
constexpr int kPreviewSide = 90;

// Captions and the texts inside take the colour; disabled controls stay grey, so a
// disabled arrow inside an enabled group still looks disabled.
void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, kGrey);
    widget->setPalette(p);
}

void SetItems(QComboBox* box, const QStringList& items) {
    QStringList now;
    for (int i = 0; i < box->count(); ++i)
        now.append(box->itemText(i));
    if (now == items)
        return;
    box->clear();
    box->addItems(items);
}

QStringList RowTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// A radio button can only be switched off with its exclusivity suspended.
void SetOn(QRadioButton* button, bool on) {
    button->setAutoExclusive(false);
    button->setChecked(on);
    button->setAutoExclusive(true);
}

QHBoxLayout* Stepper(QLabel* label, UpDownArrows* arrows) {
    auto* row = new QHBoxLayout;
    row->addWidget(label, 1);
    row->addWidget(arrows);
    return row;
}

} // namespace

TAddUnit::TAddUnit(EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      logic_(context) {
    setObjectName(QStringLiteral("AddUnit"));
    setWindowTitle(QStringLiteral("Units"));
    QPalette p = palette();
    p.setColor(QPalette::Window, kBackground);
    p.setColor(QPalette::WindowText, QColor(235, 230, 215));
    setPalette(p);
    setAutoFillBackground(true);
    BuildLayout();
    // Every figure the arrows step also takes a typed value; the ammunition steps through
    // words, not numbers.
    const std::pair<QLabel*, UpDownArrows*> figures[] = {
        {MenLbl_, MenUD_},  {MorLbl_, MorUD_}, {MvpLbl_, MvpUD_},   {VptLbl_, VpUD_},
        {ActLbl_, AtrnUD_}, {SplLbl_, SplUD_}, {RateLbl_, RateUD_}, {RngLbl_, RangeUD_}};
    for (const auto& [label, arrows] : figures)
        TypedValueEntry::Attach(label, arrows, &context.sounds);
}

QGroupBox* TAddUnit::Group(const QString& title) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QString(title).remove(QLatin1Char(' ')) + QStringLiteral("Box"));
    return box;
}

QLabel* TAddUnit::Label(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

UpDownArrows* TAddUnit::Arrows(const QString& name, void (AddUnitLogic::*step)(bool)) {
    auto* arrows = new UpDownArrows(name, this);
    // Dark arrows on the light buttons, whatever colour the group's captions have.
    SetTextColour(arrows, Qt::black);
    connect(arrows, &UpDownArrows::stepped, this, [this, step](bool up) {
        (logic_.*step)(up);
        Refresh();
    });
    return arrows;
}

QComboBox* TAddUnit::List(const QString& name, void (AddUnitLogic::*change)(int)) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setMinimumWidth(150);
    connect(box, &QComboBox::currentIndexChanged, this, [this, change](int index) {
        (logic_.*change)(index);
        Refresh();
    });
    return box;
}

QPushButton* TAddUnit::InfoButton(const QString& name, const QString& hint,
                                  void (AddUnitLogic::*click)()) {
    auto* button = new QPushButton(QStringLiteral("+"), this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(22, 22);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, click] { (logic_.*click)(); });
    return button;
}

QRadioButton* TAddUnit::Choice(const QString& caption, const QString& name,
                               void (AddUnitLogic::*click)()) {
    auto* button = new QRadioButton(caption, this);
    button->setObjectName(name);
    connect(button, &QRadioButton::clicked, this, [this, click] {
        (logic_.*click)();
        Refresh();
    });
    return button;
}

void TAddUnit::BuildLayout() {
    FrmLbl_ = Label(QStringLiteral("FrmLbl"));
    QFont heading = FrmLbl_->font();
    heading.setPointSize(heading.pointSize() + 6);
    heading.setBold(true);
    FrmLbl_->setFont(heading);
    SetTextColour(FrmLbl_, kGold);

    // Symbol: the unit symbols and the preview of the chosen one.
    QGroupBox* symbolBox = Group(QStringLiteral("Symbol"));
    TerList_ = new QListWidget(this);
    TerList_->setObjectName(QStringLiteral("TerList"));
    // As tall as the other columns leave room for: the more pieces in view, the fewer
    // scrolls to reach the other side's.
    TerList_->setFixedWidth(180);
    TerList_->setMinimumHeight(110);
    TerList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Image1_ = Label(QStringLiteral("Image1"));
    Image1_->setFixedSize(kPreviewSide, kPreviewSide);
    Image1_->setAlignment(Qt::AlignCenter);
    auto* symbol = new QHBoxLayout(symbolBox);
    symbol->addWidget(TerList_);
    symbol->addWidget(Image1_);
    OnRowChosen(TerList_, [this](int row) {
        logic_.TerListClick(row);
        Refresh();
    });

    QGroupBox* nameBox = Group(QStringLiteral("Name"));
    SymName_ = new QLineEdit(this);
    SymName_->setObjectName(QStringLiteral("SymName"));
    SymName_->setMaxLength(kUnitNameChars);
    (new QHBoxLayout(nameBox))->addWidget(SymName_);
    connect(SymName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SymNameChange(text); });

    QGroupBox* factionsBox = Group(QStringLiteral("Factions"));
    ASideBtn_ = Choice(QString(), QStringLiteral("ASideBtn"), &AddUnitLogic::ASideBtnClick);
    BSideBtn_ = Choice(QString(), QStringLiteral("BSideBtn"), &AddUnitLogic::BSideBtnClick);
    auto* factions = new QVBoxLayout(factionsBox);
    factions->addWidget(ASideBtn_);
    factions->addWidget(BSideBtn_);

    QGroupBox* wingBox = Group(QStringLiteral("Wing"));
    UnitGroup_ = List(QStringLiteral("UnitGroup"), &AddUnitLogic::UnitGroupChange);
    UnitGroup_->setEditable(true);
    UnitGroup_->setInsertPolicy(QComboBox::NoInsert);
    UnitGroup_->lineEdit()->setMaxLength(kWingNameChars);
    // Wing names are told apart byte for byte: no completion may change what was typed.
    UnitGroup_->setCompleter(nullptr);
    (new QHBoxLayout(wingBox))->addWidget(UnitGroup_);
    connect(UnitGroup_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.UnitGroupEdit(text); });

    QGroupBox* statsBox = Group(QStringLiteral("Statistics"));
    MenLbl_ = Label(QStringLiteral("MenLbl"));
    MorLbl_ = Label(QStringLiteral("MorLbl"));
    MvpLbl_ = Label(QStringLiteral("MvpLbl"));
    VptLbl_ = Label(QStringLiteral("VptLbl"));
    ActLbl_ = Label(QStringLiteral("ActLbl"));
    SplLbl_ = Label(QStringLiteral("SplLbl"));
    MenUD_ = Arrows(QStringLiteral("MenUD"), &AddUnitLogic::MenUDClick);
    MorUD_ = Arrows(QStringLiteral("MorUD"), &AddUnitLogic::MorUDClick);
    MvpUD_ = Arrows(QStringLiteral("MvpUD"), &AddUnitLogic::MvpUDClick);
    VpUD_ = Arrows(QStringLiteral("VpUD"), &AddUnitLogic::VpUDClick);
    AtrnUD_ = Arrows(QStringLiteral("AtrnUD"), &AddUnitLogic::AtrnUDClick);
    SplUD_ = Arrows(QStringLiteral("SplUD"), &AddUnitLogic::SplUDClick);
    MvpLbl_->setMinimumWidth(MvpLbl_->fontMetrics().horizontalAdvance("Movement Points: 12 "));
    auto* stats = new QVBoxLayout(statsBox);
    stats->addLayout(Stepper(MenLbl_, MenUD_));
    stats->addLayout(Stepper(MorLbl_, MorUD_));
    stats->addLayout(Stepper(MvpLbl_, MvpUD_));
    stats->addLayout(Stepper(VptLbl_, VpUD_));
    stats->addLayout(Stepper(ActLbl_, AtrnUD_));
    stats->addLayout(Stepper(SplLbl_, SplUD_));

    QGroupBox* typeBox = Group(QStringLiteral("Type"));
    UType1_ = Choice(QStringLiteral("Foot"), QStringLiteral("UType1"), &AddUnitLogic::UType1Click);
    UType2_ = Choice(QStringLiteral("Horse"), QStringLiteral("UType2"), &AddUnitLogic::UType2Click);
    UType3_ =
        Choice(QStringLiteral("Supply"), QStringLiteral("UType3"), &AddUnitLogic::UType3Click);
    auto* types = new QHBoxLayout(typeBox);
    types->addWidget(UType1_);
    types->addWidget(UType2_);
    types->addWidget(UType3_);

    QGroupBox* commandBox = Group(QStringLiteral("Command"));
    WingLdrBtn_ = new QCheckBox(QStringLiteral("Wing Leader"), this);
    WingLdrBtn_->setObjectName(QStringLiteral("WingLdrBtn"));
    connect(WingLdrBtn_, &QCheckBox::clicked, this, [this](bool checked) {
        logic_.WingLdrBtnClick(checked);
        Refresh();
    });
    RateLbl_ = Label(QStringLiteral("RateLbl"));
    RngLbl_ = Label(QStringLiteral("RngLbl"));
    RateUD_ = Arrows(QStringLiteral("RateUD"), &AddUnitLogic::RateUDClick);
    RangeUD_ = Arrows(QStringLiteral("RangeUD"), &AddUnitLogic::RangeUDClick);
    RateUD_->setToolTip(QStringLiteral("Effectiveness Rating"));
    RangeUD_->setToolTip(QStringLiteral("Command Range in Hexes"));
    auto* command = new QVBoxLayout(commandBox);
    command->addWidget(WingLdrBtn_);
    command->addLayout(Stepper(RateLbl_, RateUD_));
    command->addLayout(Stepper(RngLbl_, RangeUD_));

    QGroupBox* classBox = Group(QStringLiteral("Class"));
    UnitRank_ = List(QStringLiteral("UnitRank"), &AddUnitLogic::UnitRankChange);
    (new QHBoxLayout(classBox))->addWidget(UnitRank_);

    QGroupBox* weaponsBox = Group(QStringLiteral("Weapons"));
    UnitCombat_ = List(QStringLiteral("UnitCombat"), &AddUnitLogic::UnitCombatChange);
    UnitMissle_ = List(QStringLiteral("UnitMissle"), &AddUnitLogic::UnitMissleChange);
    UnitArmor_ = List(QStringLiteral("UnitArmor"), &AddUnitLogic::UnitArmorChange);
    UnitShield_ = List(QStringLiteral("UnitShield"), &AddUnitLogic::UnitShieldChange);
    AmmoLbl_ = Label(QStringLiteral("AmmoLbl"));
    AmmoUpDn_ = Arrows(QStringLiteral("AmmoUpDn"), &AddUnitLogic::AmmoUpDnClick);
    auto* weapons = new QGridLayout(weaponsBox);
    weapons->addWidget(UnitCombat_, 0, 0);
    weapons->addWidget(InfoButton(QStringLiteral("ComSts"),
                                  QStringLiteral("Combat Weapon Information"),
                                  &AddUnitLogic::ComStsClick),
                       0, 1);
    weapons->addWidget(UnitMissle_, 1, 0);
    weapons->addWidget(InfoButton(QStringLiteral("MslSts"),
                                  QStringLiteral("Missle Weapon Information"),
                                  &AddUnitLogic::MslStsClick),
                       1, 1);
    weapons->addLayout(Stepper(AmmoLbl_, AmmoUpDn_), 2, 0);
    weapons->addWidget(UnitArmor_, 3, 0);
    weapons->addWidget(InfoButton(QStringLiteral("ArmSts"), QStringLiteral("Armor Information"),
                                  &AddUnitLogic::ArmStsClick),
                       3, 1);
    weapons->addWidget(UnitShield_, 4, 0);
    weapons->addWidget(InfoButton(QStringLiteral("ShlSts"), QStringLiteral("Shield Information"),
                                  &AddUnitLogic::ShlStsClick),
                       4, 1);

    strengthBox_ = Group(QStringLiteral("Raw Strength"));
    CStrLbl_ = Label(QStringLiteral("CStrLbl"));
    FStrLbl_ = Label(QStringLiteral("FStrLbl"));
    DStrLbl_ = Label(QStringLiteral("DStrLbl"));
    WgtLbl_ = Label(QStringLiteral("WgtLbl"));
    auto* strength = new QGridLayout(strengthBox_);
    strength->addWidget(CStrLbl_, 0, 0);
    strength->addWidget(FStrLbl_, 0, 1);
    strength->addWidget(DStrLbl_, 1, 0);
    strength->addWidget(WgtLbl_, 1, 1);

    groups_ = {symbolBox,  factionsBox, nameBox,    statsBox, typeBox,
               commandBox, classBox,    weaponsBox, wingBox};

    AddBtn_ = new QPushButton(QStringLiteral("Add"), this);
    AddBtn_->setObjectName(QStringLiteral("AddBtn"));
    RemBtn_ = new QPushButton(QStringLiteral("Remove"), this);
    RemBtn_->setObjectName(QStringLiteral("RemBtn"));
    ExitBtn_ = new QPushButton(QStringLiteral("Exit"), this);
    ExitBtn_->setObjectName(QStringLiteral("ExitBtn"));
    for (QPushButton* b : {AddBtn_, RemBtn_, ExitBtn_})
        b->setAutoDefault(false);
    connect(AddBtn_, &QPushButton::clicked, this, [this] {
        logic_.AddBtnClick();
        Refresh();
        OfferNameForTyping();
    });
    connect(RemBtn_, &QPushButton::clicked, this, [this] {
        logic_.RemBtnClick();
        done(kOk);
    });
    AddAnotherBtn_ = new QPushButton(QStringLiteral("Add Another"), this);
    AddAnotherBtn_->setObjectName(QStringLiteral("AddAnotherBtn"));
    AddAnotherBtn_->setAutoDefault(false);
    AddAnotherBtn_->setToolTip(
        QStringLiteral("Keep this unit; the next empty hex clicked gets one like it"));
    connect(ExitBtn_, &QPushButton::clicked, this, [this] { Leave(false); });
    connect(AddAnotherBtn_, &QPushButton::clicked, this, [this] { Leave(true); });
    NoticeLbl_ = Label(QStringLiteral("NoticeLbl"));
    NoticeLbl_->setWordWrap(true);
    SetTextColour(NoticeLbl_, QColor(255, 140, 110));

    auto* left = new QVBoxLayout;
    left->addWidget(symbolBox, 1);
    left->addWidget(nameBox);
    left->addWidget(factionsBox);
    left->addWidget(wingBox);
    auto* middle = new QVBoxLayout;
    middle->addWidget(statsBox);
    middle->addWidget(typeBox);
    middle->addWidget(commandBox);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(classBox);
    right->addWidget(weaponsBox);
    right->addWidget(strengthBox_);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NoticeLbl_, 1);
    buttons->addWidget(AddBtn_);
    buttons->addWidget(RemBtn_);
    buttons->addWidget(AddAnotherBtn_);
    buttons->addWidget(ExitBtn_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(FrmLbl_, 0, 0, 1, 3);
    grid->addLayout(left, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addLayout(right, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TAddUnit::Leave(bool addAnother) {
    // The wing is taken as the box shows it, however its text got there.
    if (UnitGroup_->currentText() != logic_.controls().wingText)
        logic_.UnitGroupEdit(UnitGroup_->currentText());
    if (addAnother ? logic_.AddAnotherBtnClick() : logic_.ExitBtnClick())
        done(kOk);
    else
        Refresh();
}

void TAddUnit::reject() {
    Leave(false);
}

void TAddUnit::showEvent(QShowEvent* event) {
    const bool addsAtOnce = logic_.addsOnOpening(); // "Add Another" before
    logic_.FormActivate();
    FillLists();
    Refresh();
    if (addsAtOnce)
        OfferNameForTyping();
    // No move here: Qt places the dialog over the main window before it is mapped, and a
    // move while the window manager places it leaves the drop-down lists behind.
    QDialog::showEvent(event);
}

// A unit just added: its name (the numbered copy's, or "New Unit") has the keyboard,
// chosen, so that the designer types the new name straight over it.
void TAddUnit::OfferNameForTyping() {
    if (logic_.shownUnit() == 0)
        return;
    SymName_->setFocus();
    SymName_->selectAll();
}

void TAddUnit::FillLists() {
    const UnitEditorControls& c = logic_.controls();
    const QSignalBlocker blockList(TerList_);
    TerList_->clear();
    TerList_->addItems(c.symbolNames);
    for (auto [box, items] :
         {std::pair{UnitRank_, &c.classNames}, std::pair{UnitCombat_, &c.combatNames},
          std::pair{UnitMissle_, &c.missileNames}, std::pair{UnitArmor_, &c.armourNames},
          std::pair{UnitShield_, &c.shieldNames}}) {
        const QSignalBlocker block(box);
        SetItems(box, *items);
    }
}

void TAddUnit::ShowCaptionColours() {
    const QColor colour = logic_.controls().groupsEnabled ? kGold : kGrey;
    for (QGroupBox* box : groups_)
        SetTextColour(box, colour);
    SetTextColour(strengthBox_, colour);
}

// Shows the rules' state with every control's signals blocked, so showing a value is
// never taken for the designer's choice.
void TAddUnit::Refresh() {
    const UnitEditorControls& c = logic_.controls();
    FrmLbl_->setText(c.heading);
    for (QGroupBox* box : groups_)
        box->setEnabled(c.groupsEnabled);
    ShowCaptionColours();
    AddBtn_->setEnabled(c.addEnabled);
    AddAnotherBtn_->setEnabled(c.removeEnabled);
    NoticeLbl_->setText(c.notice);
    RemBtn_->setEnabled(c.removeEnabled);
    AtrnUD_->setEnabled(c.activationEnabled);
    SplUD_->setEnabled(c.resupplyEnabled);
    AmmoUpDn_->setEnabled(c.ammoEnabled);

    ASideBtn_->setText(c.sideAName);
    BSideBtn_->setText(c.sideBName);
    const QSignalBlocker b1(ASideBtn_), b2(BSideBtn_), b3(UType1_), b4(UType2_), b5(UType3_),
        b6(WingLdrBtn_), b7(SymName_), b8(TerList_), b9(UnitGroup_);
    SetOn(ASideBtn_, c.sideButton == 1);
    SetOn(BSideBtn_, c.sideButton == 2);
    SetOn(UType1_, c.typeButton == 1);
    SetOn(UType2_, c.typeButton == 2);
    SetOn(UType3_, c.typeButton == 3);
    WingLdrBtn_->setChecked(c.wingLeader);
    if (SymName_->text() != c.name)
        SymName_->setText(c.name);
    // The rows follow the side chosen: its pieces first.
    if (RowTexts(TerList_) != c.symbolNames) {
        TerList_->clear();
        TerList_->addItems(c.symbolNames);
    }
    TerList_->setCurrentRow(c.symbolRow);
    Image1_->setPixmap(c.preview.isNull() ? QPixmap()
                                          : QPixmap::fromImage(c.preview.scaled(
                                                kPreviewSide, kPreviewSide, Qt::IgnoreAspectRatio,
                                                Qt::FastTransformation)));

    for (auto [box, index] :
         {std::pair{UnitRank_, c.classIndex}, std::pair{UnitCombat_, c.combatIndex},
          std::pair{UnitMissle_, c.missileIndex}, std::pair{UnitArmor_, c.armourIndex},
          std::pair{UnitShield_, c.shieldIndex}}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(index < box->count() ? index : -1);
    }
    SetItems(UnitGroup_, c.wingNames);
    UnitGroup_->setCurrentIndex(c.wingRow);
    if (UnitGroup_->currentText() != c.wingText)
        UnitGroup_->setEditText(c.wingText);

    MenLbl_->setText(logic_.menText());
    MorLbl_->setText(logic_.moraleText());
    MvpLbl_->setText(logic_.movementText());
    VptLbl_->setText(logic_.valueText());
    ActLbl_->setText(logic_.activationText());
    SplLbl_->setText(logic_.resupplyText());
    AmmoLbl_->setText(logic_.ammoText());
    RateLbl_->setText(logic_.ratingText());
    RngLbl_->setText(logic_.rangeText());
    CStrLbl_->setText(logic_.combatText());
    FStrLbl_->setText(logic_.missileText());
    DStrLbl_->setText(logic_.defenceText());
    WgtLbl_->setText(logic_.weightText());
}
