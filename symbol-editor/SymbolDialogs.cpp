#include "SymbolDialogs.h"

#include "DialogPlacement.h"
#include "SmallDialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton* AddButton(QBoxLayout* row, const QString& text) {
    auto* button = new QPushButton(text);
    row->addWidget(button);
    return button;
}

QLabel* PreviewLabel(int size) {
    auto* label = new QLabel;
    label->setFixedSize(size, size);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("background-color: #c0c0c0;");
    return label;
}

} // namespace

// Create New Unit Symbol ---------------------------------------------------------------

TGetSze::TGetSze(QWidget* parent, UnitSizeLogic& logic) : QDialog(parent), logic_(logic) {
    setWindowTitle("Create New Unit Symbol");
    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Name:"));
    name_ = new QLineEdit(logic.names.buffer);
    name_->setMaxLength(NamePromptLogic::kMaxLength);
    nameRow->addWidget(name_);
    layout->addLayout(nameRow);
    layout->addWidget(RefuseOutsideLatin1(name_));
    auto* levels = new QHBoxLayout;
    for (int level = 1; level <= kLevelCount; ++level) {
        auto* box = new QGroupBox(QStringLiteral("Level %1").arg(level));
        auto* grid = new QGridLayout(box);
        widths_[level - 1] = MakeValueField(box, [this, level](int v) {
            logic_.TypeWidth(level, v);
            Refresh();
        });
        heights_[level - 1] = MakeValueField(box, [this, level](int v) {
            logic_.TypeHeight(level, v);
            Refresh();
        });
        grid->addWidget(new QLabel("Width"), 0, 0);
        grid->addWidget(widths_[level - 1], 0, 1);
        grid->addWidget(MakeSpin(
                            box,
                            [this, level] {
                                logic_.WidthUp(level);
                                Refresh();
                            },
                            [this, level] {
                                logic_.WidthDown(level);
                                Refresh();
                            }),
                        0, 2);
        grid->addWidget(new QLabel("Height"), 1, 0);
        grid->addWidget(heights_[level - 1], 1, 1);
        grid->addWidget(MakeSpin(
                            box,
                            [this, level] {
                                logic_.HeightUp(level);
                                Refresh();
                            },
                            [this, level] {
                                logic_.HeightDown(level);
                                Refresh();
                            }),
                        1, 2);
        previews_[level - 1] = PreviewLabel(UnitSizeLogic::kPreviewSize);
        grid->addWidget(previews_[level - 1], 2, 0, 1, 3);
        levels->addWidget(box);
    }
    layout->addLayout(levels);
    auto* buttons = new QHBoxLayout;
    connect(AddButton(buttons, "OK"), &QPushButton::clicked, this, &TGetSze::OKBtnClick);
    connect(AddButton(buttons, "Cancel"), &QPushButton::clicked, this, [this] {
        logic_.names.CancelBtnClick();
        reject();
    });
    layout->addLayout(buttons);
    Refresh();
}

void TGetSze::Refresh() {
    for (int level = 1; level <= kLevelCount; ++level) {
        widths_[level - 1]->setText(logic_.sizeText(logic_.sizes[level - 1].width()));
        heights_[level - 1]->setText(logic_.sizeText(logic_.sizes[level - 1].height()));
        previews_[level - 1]->setPixmap(QPixmap::fromImage(logic_.Preview(level)));
    }
}

void TGetSze::OKBtnClick() {
    if (logic_.names.OKBtnClick(name_->text(), [this] { return AskDuplicateName(this); }))
        accept();
}

void TGetSze::keyPressEvent(QKeyEvent* event) {
    // Enter accepts like "OK", with the same name checks.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Create New Image Set ----------------------------------------------------------------

TNewImg::TNewImg(QWidget* parent, NewSetLogic& logic) : QDialog(parent), logic_(logic) {
    setWindowTitle("Create New Image Set");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* style = new QGroupBox("Map Style");
    auto* styleLayout = new QVBoxLayout(style);
    realHex_ = new QRadioButton("Real Hex");
    grid_ = new QRadioButton("Grid");
    styleLayout->addWidget(realHex_);
    styleLayout->addWidget(grid_);
    orientation_ = new QGroupBox("Real Hex Orientation");
    auto* orientationLayout = new QVBoxLayout(orientation_);
    vertical_ = new QRadioButton("Vertical");
    horiz_ = new QRadioButton("Horiz");
    orientationLayout->addWidget(vertical_);
    orientationLayout->addWidget(horiz_);
    top->addWidget(style);
    top->addWidget(orientation_);
    layout->addLayout(top);
    connect(realHex_, &QRadioButton::clicked, this, [this] {
        logic_.RealHexClick();
        Refresh();
    });
    connect(grid_, &QRadioButton::clicked, this, [this] {
        logic_.GridClick();
        Refresh();
    });
    connect(vertical_, &QRadioButton::clicked, this, [this] {
        logic_.VerticalClick();
        Refresh();
    });
    connect(horiz_, &QRadioButton::clicked, this, [this] {
        logic_.HorizClick();
        Refresh();
    });

    auto* sizes = new QGroupBox("Hex Size");
    auto* sizesLayout = new QGridLayout(sizes);
    auto* actual = new QGroupBox("Actual Hex Sizes");
    auto* actualLayout = new QHBoxLayout(actual);
    for (int level = 1; level <= kLevelCount; ++level) {
        sizesLayout->addWidget(new QLabel(QStringLiteral("Zoom Level %1").arg(level)), level, 0);
        sizes_[level - 1] = MakeValueField(this, [this, level](int v) {
            logic_.TypeSize(level, v);
            Refresh();
        });
        sizesLayout->addWidget(sizes_[level - 1], level, 1);
        sizesLayout->addWidget(MakeSpin(
                                   sizes,
                                   [this, level] {
                                       logic_.SizeUp(level);
                                       Refresh();
                                   },
                                   [this, level] {
                                       logic_.SizeDown(level);
                                       Refresh();
                                   }),
                               level, 2);
        hexes_[level - 1] = new QLabel;
        sizesLayout->addWidget(hexes_[level - 1], level, 3);
        previews_[level - 1] = PreviewLabel(124);
        actualLayout->addWidget(previews_[level - 1]);
    }
    layout->addWidget(sizes);
    layout->addWidget(actual);
    auto* buttons = new QHBoxLayout;
    connect(AddButton(buttons, "OK"), &QPushButton::clicked, this, &QDialog::accept);
    connect(AddButton(buttons, "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    Refresh();
}

void TNewImg::reject() {
    // "Cancel", Escape and the close box all put the sizes back.
    logic_.CancelBtnClick();
    QDialog::reject();
}

void TNewImg::Refresh() {
    realHex_->setChecked(logic_.realHex());
    grid_->setChecked(!logic_.realHex());
    orientation_->setEnabled(logic_.orientationEnabled());
    vertical_->setChecked(logic_.layout() == LayoutVertical);
    horiz_->setChecked(logic_.layout() == LayoutHoriz);
    for (int level = 1; level <= kLevelCount; ++level) {
        sizes_[level - 1]->setText(logic_.sizeText(level));
        hexes_[level - 1]->setText(logic_.hexesText(level));
        previews_[level - 1]->setPixmap(QPixmap::fromImage(logic_.Preview(level)));
    }
}

// Symbol Text ---------------------------------------------------------------------------

TImgTxt::TImgTxt(QWidget* parent, SymbolTextLogic& logic) : QDialog(parent), logic_(logic) {
    setWindowTitle("Symbol Text");
    auto* layout = new QHBoxLayout(this);
    preview_ = PreviewLabel(SymbolTextLogic::kPreviewBox);
    layout->addWidget(preview_);
    auto* controls = new QVBoxLayout;
    auto* text = new QLineEdit;
    text->setMaxLength(SymbolTextLogic::kMaxLength);
    text->setToolTip("Enter Symbol Text");
    controls->addWidget(text);
    connect(text, &QLineEdit::textChanged, this, [this](const QString& t) {
        logic_.SetText(t);
        Refresh();
    });
    auto* font = new QPushButton("Set Font Attributes");
    controls->addWidget(font);
    connect(font, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont chosen = AskFont(this, ok, logic_.font().font, "Set Font Attributes");
        if (!ok)
            return;
        const QColor colour = AskColour(this, QColor::fromRgb(logic_.font().colour), "Font Color");
        // A cancelled colour dialog keeps the colour the text had.
        logic_.SetFont(chosen, colour.isValid() ? std::optional<QRgb>(colour.rgb()) : std::nullopt);
        Refresh();
    });
    auto* arrows = new QGridLayout;
    const auto arrow = [&](Qt::ArrowType type, const QString& hint, int row, int column,
                           void (SymbolTextLogic::*move)()) {
        auto* button = new QToolButton;
        button->setArrowType(type);
        button->setToolTip(hint);
        connect(button, &QToolButton::clicked, this, [this, move] {
            (logic_.*move)();
            Refresh();
        });
        arrows->addWidget(button, row, column);
    };
    arrow(Qt::LeftArrow, "Set Horizontal Position", 1, 0, &SymbolTextLogic::LeftClick);
    arrow(Qt::RightArrow, "Set Horizontal Position", 1, 2, &SymbolTextLogic::RightClick);
    arrow(Qt::UpArrow, "Set Vertical Position", 0, 1, &SymbolTextLogic::UpClick);
    arrow(Qt::DownArrow, "Set Vertical Position", 2, 1, &SymbolTextLogic::DownClick);
    controls->addLayout(arrows);
    auto* buttons = new QHBoxLayout;
    connect(AddButton(buttons, "OK"), &QPushButton::clicked, this, &QDialog::accept);
    connect(AddButton(buttons, "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
    controls->addLayout(buttons);
    layout->addLayout(controls);
    Refresh();
}

void TImgTxt::Refresh() {
    preview_->setPixmap(QPixmap::fromImage(logic_.Preview()));
}
