#include "TModifyBattle.h"

#include "AboveToolWindows.h"
#include "SettingsControls.h"
#include "TypedValueEntry.h"
#include "UpDownArrows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TModifyBattle::TModifyBattle(EditorContext& context, MessageBoxShower showMessage, QWidget* parent)
    : QDialog(parent), context_(context), logic_(context),
      controls_(std::make_unique<SettingsControls>(this, kIconPictureSide)) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("ModifyBattle"));
    setWindowTitle(QStringLiteral("Battle Settings"));
    logic_.showMessage = std::move(showMessage);
    chooseFile = OpenFileBox(this);
    SettingsControls& c = *controls_;

    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* names = new QVBoxLayout;
    names->addWidget(c.nameBox);
    names->addWidget(c.sideABox);
    names->addWidget(c.sideBBox);
    names->addWidget(c.turnsBox);
    names->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addLayout(names, 0, 0);
    grid->addWidget(c.iconBox, 0, 1);
    grid->addWidget(c.historyBox, 1, 0, 1, 2);
    grid->addLayout(buttons, 2, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    TypedValueEntry::Attach(c.GameTurns, c.TrnUpDn, &context.sounds);
    connect(c.TrnUpDn, &UpDownArrows::stepped, this, [this](bool up) {
        logic_.TrnUpDnClick(up);
        Refresh();
    });
    connect(c.Button2, &QPushButton::clicked, this, &TModifyBattle::SelectIcon);
    connect(ok, &QPushButton::clicked, this, &TModifyBattle::OkClicked);
}

TModifyBattle::~TModifyBattle() = default;

void TModifyBattle::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    controls_->ShowEntries(logic_.entries);
    Refresh();
    controls_->SNam->setFocus();
    QDialog::showEvent(event);
}

void TModifyBattle::Refresh() {
    controls_->GameTurns->setText(logic_.turnsText());
    controls_->ShowIcon(logic_.iconName, logic_.iconPreview());
}

void TModifyBattle::SelectIcon() {
    const QString path =
        chooseFile(QStringLiteral("Open Map File"), IconsFolder(context_.programFolder),
                   QStringLiteral("Bitmaps (*.bmp *.BMP)"));
    if (!path.isEmpty() && logic_.Button2Click(path))
        Refresh();
}

void TModifyBattle::OkClicked() {
    logic_.entries = controls_->Entries();
    if (logic_.OKClick())
        accept();
}
