#include "TSelectTer.h"

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
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

TSelectTer::TSelectTer(EditorContext& context, QWidget* parent) : QDialog(parent), logic_(context) {
    setObjectName(QStringLiteral("SelectTer"));
    setWindowTitle(QStringLiteral("Terrain Symbols"));
    // A tool window stays above the main window and does not take its place in the task
    // bar; fixed size for the single border.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);

    TerList_ = TerrainListBox(this);
    QFrame* SymPan = PreviewPanel(this, Image1_);
    SymNamPan_ = SymbolNamePanel(this);

    const Stepper elv = MakeStepper(QStringLiteral("Elevation/Height"), QStringLiteral("ElvLbl"),
                                    QStringLiteral("ElvUpDn"), this, context.sounds);
    const Stepper cpm = MakeStepper(QStringLiteral("Cost Per Move"), QStringLiteral("CpmLbl"),
                                    QStringLiteral("CpmUpDn"), this, context.sounds);
    const Stepper def = MakeStepper(QStringLiteral("Defensive Modifier"), QStringLiteral("DefLbl"),
                                    QStringLiteral("DefUpDn"), this, context.sounds);
    ElvLbl_ = elv.label;
    CpmLbl_ = cpm.label;
    DefLbl_ = def.label;
    valueBoxes_ = {elv.box, cpm.box, def.box};

    QGroupBox* nameBox = TitledGroup(QStringLiteral("Name"), QStringLiteral("SymName"), this);
    SymName_ = new QLineEdit(nameBox);
    SymName_->setObjectName(QStringLiteral("SymName"));
    SymName_->setMaxLength(SelectTerLogic::kNameChars);
    (new QHBoxLayout(nameBox))->addWidget(SymName_);
    valueBoxes_.push_back(nameBox);

    Button1_ = NamedButton(QStringLiteral("OK"), QStringLiteral("Button1"), this);
    Button2_ = NamedButton(QStringLiteral("Cancel"), QStringLiteral("Button2"), this);
    Button3_ = NamedButton(QStringLiteral("Clear"), QStringLiteral("Button3"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    buttons->addWidget(Button3_);

    auto* values = new QVBoxLayout;
    values->addWidget(SymPan, 0, Qt::AlignHCenter);
    values->addWidget(SymNamPan_);
    values->addWidget(elv.box);
    values->addWidget(cpm.box);
    values->addWidget(def.box);
    values->addWidget(nameBox);
    values->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(TerList_, 0, 0);
    grid->addLayout(values, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    OnRowChosen(TerList_, [this](int row) { RowClicked(row); });
    connect(elv.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.ElvUpDnClick(up);
        Refresh();
    });
    connect(cpm.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.CpmUpDnClick(up);
        Refresh();
    });
    connect(def.arrows, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.DefUpDnClick(up);
        Refresh();
    });
    connect(SymName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SymNameChange(text); });
    connect(Button1_, &QPushButton::clicked, this, [this] { done(logic_.Button1Click()); });
    connect(Button2_, &QPushButton::clicked, this, [this] { done(logic_.Button2Click()); });
    connect(Button3_, &QPushButton::clicked, this, [this] { done(logic_.Button3Click()); });
}

void TSelectTer::ShowFloating(int kind) {
    logic_.kind = kind;
    logic_.modal = false;
    setModal(false);
    if (isVisible()) {
        Activate(); // no show event for a window already shown
    } else {
        if (placedAt != QPoint(-1, -1)) {
            // Where the designer left it. The frame's place (move) would be taken for the
            // contents' at a first showing, and the picker would climb by its title bar
            // at every run.
            adjustSize();
            setGeometry(QRect(placedAt, size()));
        }
        show();
    }
    raise();
}

int TSelectTer::ExecModal(int kind) {
    if (isVisible())
        hide();
    logic_.kind = kind;
    logic_.modal = true;
    return exec();
}

void TSelectTer::showEvent(QShowEvent* event) {
    Activate();
    QDialog::showEvent(event);
}

void TSelectTer::hideEvent(QHideEvent* event) {
    RememberPlace();
    QDialog::hideEvent(event);
}

void TSelectTer::RememberPlace() {
    if (logic_.modal)
        return;
    placedAt = geometry().topLeft();
    if (logic_.kind == PickerSecondary)
        secondaryTop = TerList_->verticalScrollBar()->value();
}

void TSelectTer::Activate() {
    logic_.FormActivate();
    for (QPushButton* b : {Button1_, Button2_, Button3_}) {
        b->setVisible(logic_.buttonsShown());
        b->setEnabled(logic_.buttonsShown());
    }
    FillTerrainList(TerList_, logic_.rows(), logic_.row());
    if (!logic_.modal && logic_.kind == PickerSecondary)
        TerList_->verticalScrollBar()->setValue(secondaryTop);
    {
        const QSignalBlocker quiet(SymName_);
        SymName_->setText(logic_.name());
    }
    Refresh();
    setWindowTitle(logic_.caption());
}

void TSelectTer::RowClicked(int row) {
    logic_.TerListClick(row);
    {
        const QSignalBlocker quiet(SymName_);
        SymName_->setText(logic_.name());
    }
    Refresh();
    emit selectionChanged(logic_.shownSymbol());
}

void TSelectTer::Refresh() {
    ElvLbl_->setText(logic_.elevationText());
    CpmLbl_->setText(logic_.costText());
    DefLbl_->setText(logic_.defenceText());
    // Cleared, the picker has no terrain whose values could be changed.
    for (QWidget* box : valueBoxes_)
        box->setEnabled(logic_.valuesShown());
    SymNamPan_->setText(logic_.symbolName());
    ShowPreview(Image1_, logic_.preview());
}
