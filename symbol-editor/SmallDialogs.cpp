#include "SmallDialogs.h"

#include "DialogPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

#include <Latin1Text.h>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ButtonChoiceDialog::ButtonChoiceDialog(QWidget* parent, const QString& caption, const QString& text,
                                       const std::vector<Choice>& choices, int closeValue)
    : QDialog(parent), answer_(closeValue) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    if (!text.isEmpty()) {
        auto* label = new QLabel(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        layout->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    for (const Choice& choice : choices) {
        auto* button = new QPushButton(choice.label);
        const int value = choice.value;
        connect(button, &QPushButton::clicked, this, [this, value] {
            answer_ = value;
            accept();
        });
        row->addWidget(button);
    }
    layout->addLayout(row);
}

int ButtonChoiceDialog::Ask() {
    ExecAbove(*this);
    return answer_;
}

int TGetUsr(QWidget* parent, const QString& caption, const QString& question) {
    ButtonChoiceDialog dialog(parent, caption, question, {{"Yes", 1}, {"No", 2}, {"Cancel", 3}}, 3);
    dialog.setObjectName("TGetUsr");
    return dialog.Ask();
}

int TGetChoice(QWidget* parent) {
    ButtonChoiceDialog dialog(parent, "Edit/Create Symbols", QString(),
                              {{"Map/Board Symbols", 1}, {"Game Pieces", 2}, {"Cancel", -1}}, -1);
    dialog.setObjectName("TGetChoice");
    return dialog.Ask();
}

int TGetNewSet(QWidget* parent) {
    ButtonChoiceDialog dialog(
        parent, "New Symbol Set", QString(),
        {{"Create a New Set", 1}, {"Copy an Existing Set", 2}, {"Cancel", -1}}, -1);
    dialog.setObjectName("TGetNewSet");
    return dialog.Ask();
}

int AskDuplicateName(QWidget* parent) {
    return TGetUsr(parent, "Symbol name already exists.",
                   "That symbol name already exists, use it anyway? ");
}

QWidget* MakeSpin(QWidget* parent, const std::function<void()>& up,
                  const std::function<void()>& down) {
    auto* spin = new QWidget(parent);
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* upButton = new QToolButton(spin);
    upButton->setArrowType(Qt::UpArrow);
    upButton->setFixedSize(18, 12);
    auto* downButton = new QToolButton(spin);
    downButton->setArrowType(Qt::DownArrow);
    downButton->setFixedSize(18, 12);
    QObject::connect(upButton, &QToolButton::clicked, spin, up);
    QObject::connect(downButton, &QToolButton::clicked, spin, down);
    layout->addWidget(upButton);
    layout->addWidget(downButton);
    return spin;
}

const std::array<QRgb, 8> TGetColor::kSwatches{
    qRgb(255, 255, 128), qRgb(128, 128, 0), qRgb(192, 192, 192), qRgb(255, 0, 0),
    qRgb(128, 0, 0),     qRgb(0, 255, 128), qRgb(128, 0, 255),   qRgb(0, 0, 255)};

namespace {
QString SwatchStyle(QRgb colour) {
    return QStringLiteral("background-color: %1; border: 1px solid black;")
        .arg(QColor::fromRgb(colour).name());
}
} // namespace

TGetColor::TGetColor(QWidget* parent, QRgb current) : QDialog(parent), colour_(current) {
    setWindowTitle("Set X-Color");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Transparent Color:"));
    current_ = new QLabel;
    current_->setFixedSize(48, 24);
    top->addWidget(current_);
    layout->addLayout(top);
    auto* grid = new QGridLayout;
    for (int i = 0; i < int(kSwatches.size()); ++i) {
        auto* swatch = new QPushButton;
        swatch->setFixedSize(32, 24);
        swatch->setStyleSheet(SwatchStyle(kSwatches[i]));
        const QRgb colour = kSwatches[i];
        connect(swatch, &QPushButton::clicked, this, [this, colour] {
            colour_ = colour;
            ShowColour();
        });
        grid->addWidget(swatch, i / 4, i % 4);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    auto* cancel = new QPushButton("Cancel");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    ShowColour();
}

void TGetColor::ShowColour() {
    current_->setStyleSheet(SwatchStyle(colour_));
}

QLineEdit* MakeValueField(QWidget* parent, const std::function<void(int)>& typed) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QIntValidator(0, 999, field));
    field->setMaxLength(3);
    field->setFixedWidth(44);
    QObject::connect(field, &QLineEdit::editingFinished, field,
                     [field, typed] { typed(field->text().toInt()); });
    return field;
}

QLabel* RefuseOutsideLatin1(QLineEdit* edit) {
    auto* reason = new QLabel;
    reason->setObjectName("RefusalReason");
    reason->setWordWrap(true);
    reason->setStyleSheet("color: #a00000");
    reason->hide();
    edit->setValidator(new Latin1Validator(
        [reason](const QString& why) {
            reason->setText(why);
            reason->show();
        },
        edit));
    QObject::connect(edit, &QLineEdit::textEdited, reason, &QLabel::hide);
    return reason;
}

TGetTxt::TGetTxt(QWidget* parent, NamePromptLogic& logic) : QDialog(parent), logic_(logic) {
    setWindowTitle("Enter Symbol Name:");
    auto* layout = new QVBoxLayout(this);
    name_ = new QLineEdit(logic.buffer);
    // A stored name may fill all 25 bytes; it stays whole unless it is edited.
    name_->setMaxLength(std::max<int>(NamePromptLogic::kMaxLength, logic.buffer.size()));
    name_->setMinimumWidth(220);
    layout->addWidget(name_);
    layout->addWidget(RefuseOutsideLatin1(name_));
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    connect(ok, &QPushButton::clicked, this, &TGetTxt::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, [this] {
        logic_.CancelBtnClick();
        reject();
    });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void TGetTxt::OKBtnClick() {
    if (logic_.OKBtnClick(name_->text(), [this] { return AskDuplicateName(this); }))
        accept();
}

TAirBrshSet::TAirBrshSet(QWidget* parent, const AirBrushSettings& current)
    : QDialog(parent), logic_(current) {
    setWindowTitle("Airbrush Settings");
    auto* layout = new QGridLayout(this);
    size_ = new QLabel;
    flow_ = new QLabel;
    layout->addWidget(size_, 0, 0);
    layout->addWidget(MakeSpin(
                          this,
                          [this] {
                              logic_.SizeUp();
                              Refresh();
                          },
                          [this] {
                              logic_.SizeDown();
                              Refresh();
                          }),
                      0, 1);
    layout->addWidget(flow_, 1, 0);
    layout->addWidget(MakeSpin(
                          this,
                          [this] {
                              logic_.FlowUp();
                              Refresh();
                          },
                          [this] {
                              logic_.FlowDown();
                              Refresh();
                          }),
                      1, 1);
    auto* ok = new QPushButton("OK");
    auto* cancel = new QPushButton("Cancel");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(ok, 2, 0);
    layout->addWidget(cancel, 2, 1);
    Refresh();
}

void TAirBrshSet::Refresh() {
    size_->setText(logic_.sizeText());
    flow_->setText(logic_.flowText());
}
