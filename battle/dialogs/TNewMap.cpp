#include "TNewMap.h"

#include "AboveToolWindows.h"
#include "ProgramFolder.h"
#include "SettingsControls.h"
#include "TypedValueEntry.h"
#include "UpDownArrows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOpenMapFile = QStringLiteral("Open Map File");

QHBoxLayout* SideStepper(QLabel* label, UpDownArrows* arrows) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(arrows);
    row->addStretch();
    return row;
}

} // namespace

TNewMap::TNewMap(EditorContext& context, MessageBoxShower showMessage, QWidget* parent)
    : QDialog(parent), context_(context), logic_(context),
      controls_(std::make_unique<SettingsControls>(this, NewMapLogic::kPreviewSide)) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("NewMap"));
    setWindowTitle(QStringLiteral("Create Battle"));
    logic_.showMessage = std::move(showMessage);
    chooseFile = OpenFileBox(this);
    SettingsControls& c = *controls_;

    QGroupBox* sizeBox = TitledGroup(QStringLiteral("Map Size"), QStringLiteral("MapSize"), this);
    MpRw_ = NamedLabel(QStringLiteral("MpRw"), sizeBox);
    MpCl_ = NamedLabel(QStringLiteral("MpCl"), sizeBox);
    TotHex_ = NamedLabel(QStringLiteral("TotHex"), sizeBox);
    MpRw_->setMinimumWidth(MpRw_->fontMetrics().horizontalAdvance(QStringLiteral("Rows: 150 ")));
    MpCl_->setMinimumWidth(MpRw_->minimumWidth());
    RowUpDn_ = new UpDownArrows(QStringLiteral("RowUpDn"), sizeBox);
    ColUpDn_ = new UpDownArrows(QStringLiteral("ColUpDn"), sizeBox);
    TypedValueEntry::Attach(MpRw_, RowUpDn_, &context.sounds);
    TypedValueEntry::Attach(MpCl_, ColUpDn_, &context.sounds);
    TypedValueEntry::Attach(c.GameTurns, c.TrnUpDn, &context.sounds);
    auto* size = new QVBoxLayout(sizeBox);
    size->addLayout(SideStepper(MpRw_, RowUpDn_));
    size->addLayout(SideStepper(MpCl_, ColUpDn_));
    size->addWidget(TotHex_);

    QGroupBox* setBox = TitledGroup(QStringLiteral("Symbol Set"), QStringLiteral("SetLbl"), this);
    Button1_ = NamedButton(QStringLiteral("Select Set"), QStringLiteral("Button1"), setBox);
    SetLbl_ = NamedLabel(QStringLiteral("SetLbl"), setBox);
    auto* set = new QVBoxLayout(setBox);
    set->addWidget(Button1_);
    set->addWidget(SetLbl_);
    set->addStretch();

    // The terrain names and figures of another battle, so they need not be typed again.
    QGroupBox* attrBox =
        TitledGroup(QStringLiteral("Terrain Attributes"), QStringLiteral("AttrLbl"), this);
    QPushButton* importAttrs =
        NamedButton(QStringLiteral("Import From..."), QStringLiteral("ImportAttrs"), attrBox);
    AttrLbl_ = NamedLabel(QStringLiteral("AttrLbl"), attrBox);
    auto* attrs = new QHBoxLayout(attrBox);
    attrs->addWidget(importAttrs);
    attrs->addWidget(AttrLbl_, 1);

    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
    QPushButton* cancel = NamedButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* names = new QVBoxLayout;
    names->addWidget(c.nameBox);
    names->addWidget(c.sideABox);
    names->addWidget(c.sideBBox);
    auto* grid = new QGridLayout(this);
    grid->addLayout(names, 0, 0, 1, 2);
    grid->addWidget(c.iconBox, 0, 2, 1, 2);
    grid->addWidget(c.historyBox, 1, 0, 1, 4);
    grid->addWidget(c.turnsBox, 2, 0);
    grid->addWidget(sizeBox, 2, 1);
    grid->addWidget(setBox, 2, 2);
    grid->addLayout(buttons, 2, 3);
    grid->addWidget(attrBox, 3, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(RowUpDn_, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.RowUpDnClick(up);
        Refresh();
    });
    connect(ColUpDn_, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.ColUpDnClick(up);
        Refresh();
    });
    connect(c.TrnUpDn, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.TrnUpDnClick(up);
        Refresh();
    });
    connect(Button1_, &QPushButton::clicked, this, &TNewMap::SelectSet);
    connect(c.Button2, &QPushButton::clicked, this, &TNewMap::SelectIcon);
    connect(importAttrs, &QPushButton::clicked, this, &TNewMap::SelectAttrs);
    connect(ok, &QPushButton::clicked, this, &TNewMap::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &TNewMap::reject);
}

TNewMap::~TNewMap() = default;

void TNewMap::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    controls_->ShowEntries(logic_.entries);
    Refresh();
    controls_->SNam->setFocus();
    QDialog::showEvent(event);
}

void TNewMap::done(int result) {
    // The side names and description carry over to the next opening, whatever the end.
    logic_.entries = controls_->Entries();
    QDialog::done(result);
}

void TNewMap::Refresh() {
    MpRw_->setText(logic_.rowsText());
    MpCl_->setText(logic_.colsText());
    TotHex_->setText(logic_.totalHexesText());
    controls_->GameTurns->setText(logic_.turnsText());
    SetLbl_->setText(logic_.symbolSetName);
    AttrLbl_->setText(logic_.attrsText());
    controls_->ShowIcon(logic_.iconName, logic_.iconPreview());
}

void TNewMap::SelectSet() {
    const QString path = chooseFile(kOpenMapFile, BattlesFolder(context_.programFolder),
                                    QStringLiteral("Fieldmark Symbol Files (*.set *.SET)"));
    if (!path.isEmpty() && logic_.Button1Click(path))
        Refresh();
}

void TNewMap::SelectIcon() {
    const QString path = chooseFile(kOpenMapFile, IconsFolder(context_.programFolder),
                                    QStringLiteral("Bitmaps (*.bmp *.BMP)"));
    if (!path.isEmpty() && logic_.Button2Click(path))
        Refresh();
}

void TNewMap::SelectAttrs() {
    const QString path = chooseFile(kOpenMapFile, BattlesFolder(context_.programFolder),
                                    QStringLiteral("Fieldmark Scenario Files (*.scn *.SCN)"));
    if (!path.isEmpty() && logic_.ImportAttrsClick(path))
        Refresh();
}

void TNewMap::OkClicked() {
    logic_.entries = controls_->Entries();
    if (logic_.OKClick())
        done(kOk);
}
