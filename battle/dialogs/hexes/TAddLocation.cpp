#include "TAddLocation.h"

#include "HexDialogFrame.h"
#include "SettingsControls.h"
#include "TypedValueEntry.h"
#include "UpDownArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct PositionButton {
    int code;
    const char* name;
    const char* caption;
};

constexpr PositionButton kPositions[] = {
    {1, "TPosLC", "Lower Center"}, {2, "TPosUC", "Upper Center"}, {3, "TPosLR", "Lower Right"},
    {4, "TPosUR", "Upper Right"},  {5, "TPosUL", "Upper Left"},   {6, "TPosLL", "Lower Left"},
    {7, "TPosCL", "Center Left"},  {8, "TPosCR", "Center Right"},
};

struct NamedColour {
    const char* name;
    QRgb rgb;
};

constexpr NamedColour kColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xc0c0c0}, {"Red", 0xff0000},     {"Lime", 0x00ff00},  {"Yellow", 0xffff00},
    {"Blue", 0x0000ff},   {"Fuchsia", 0xff00ff}, {"Aqua", 0x00ffff},  {"White", 0xffffff},
};

QIcon Swatch(QColor colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

// Scalable fonts whose names a map text can hold.
QStringList StorableFonts() {
    QStringList out;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) &&
            family.toLatin1().size() <= AddLocationLogic::kFontChars)
            out.append(family);
    }
    return out;
}

QGroupBox* Group(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TAddLocation::TAddLocation(EditorContext& context, QWidget* parent)
    : QDialog(parent), logic_(context) {
    setObjectName(QStringLiteral("AddLocation"));
    QVBoxLayout* column = nullptr;
    QFrame* panel = BorderlessPanel(this, QStringLiteral("Map Text"), column);

    fontBox_ = Group(QStringLiteral("Font"), QStringLiteral("FontGroup"), panel);
    FontBox_ = new QComboBox(fontBox_);
    FontBox_->setObjectName(QStringLiteral("FontBox"));
    FontBox_->addItems(StorableFonts());
    FontBox_->setMaxVisibleItems(16);
    ColorBox_ = new QComboBox(fontBox_);
    ColorBox_->setObjectName(QStringLiteral("ColorBox"));
    for (const NamedColour& c : kColours)
        ColorBox_->addItem(Swatch(QColor(c.rgb)), QString::fromLatin1(c.name),
                           MapTextColourValue(QColor(c.rgb)));
    auto* font = new QVBoxLayout(fontBox_);
    font->addWidget(FontBox_);
    font->addWidget(ColorBox_);

    sizeBox_ = Group(QStringLiteral("Size"), QStringLiteral("SizeBox"), panel);
    auto* sizes = new QGridLayout(sizeBox_);
    for (int k = 0; k < 3; ++k) {
        const int level = k + 1;
        auto* panelButton = new QToolButton(sizeBox_);
        panelButton->setObjectName(QStringLiteral("FSzePan%1").arg(level));
        panelButton->setText(QStringLiteral("Level %1").arg(level));
        panelButton->setCheckable(true);
        auto* label = new QLabel(sizeBox_);
        label->setObjectName(QStringLiteral("TSze%1").arg(level));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("255 ")));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* arrows = new UpDownArrows(QStringLiteral("UpDown%1").arg(level), sizeBox_);
        sizes->addWidget(panelButton, k, 0);
        sizes->addWidget(label, k, 1);
        sizes->addWidget(arrows, k, 2);
        levelPanels_[size_t(k)] = panelButton;
        sizeLabels_[size_t(k)] = label;
        connect(panelButton, &QToolButton::clicked, this, [this, level] {
            logic_.FSzePanClick(level);
            Refresh();
        });
        TypedValueEntry::Attach(label, arrows, &context.sounds);
        connect(arrows, &UpDownArrows::stepped, this, [this, level](bool up) {
            logic_.UpDownClick(level, up);
            Refresh();
        });
    }

    OriBox_ = Group(QString(), QStringLiteral("OriBox"), panel);
    auto* positions = new QGridLayout(OriBox_);
    int index = 0;
    for (const PositionButton& p : kPositions) {
        auto* radio = new QRadioButton(QString::fromLatin1(p.caption), OriBox_);
        radio->setObjectName(QString::fromLatin1(p.name));
        positions->addWidget(radio, index / 2, index % 2);
        positionButtons_[size_t(p.code)] = radio;
        const int code = p.code;
        connect(radio, &QRadioButton::clicked, this, [this, code] {
            logic_.TPosClick(code);
            Refresh();
        });
        ++index;
    }

    styleBox_ = Group(QStringLiteral("Style"), QStringLiteral("StyleBox"), panel);
    TxtBld_ = new QCheckBox(QStringLiteral("Bold"), styleBox_);
    TxtBld_->setObjectName(QStringLiteral("TxtBld"));
    TxtItl_ = new QCheckBox(QStringLiteral("Italic"), styleBox_);
    TxtItl_->setObjectName(QStringLiteral("TxtItl"));
    TxtUnd_ = new QCheckBox(QStringLiteral("Underline"), styleBox_);
    TxtUnd_->setObjectName(QStringLiteral("TxtUnd"));
    auto* style = new QVBoxLayout(styleBox_);
    style->addWidget(TxtBld_);
    style->addWidget(TxtItl_);
    style->addWidget(TxtUnd_);

    textBox_ = Group(QStringLiteral("Text"), QStringLiteral("TextBox"), panel);
    LocText_ = new QLineEdit(textBox_);
    LocText_->setObjectName(QStringLiteral("LocText"));
    LocText_->setMaxLength(AddLocationLogic::kTextChars);
    (new QHBoxLayout(textBox_))->addWidget(LocText_);

    TxtSample_ = NamedLabel(QStringLiteral("TxtSample"), panel);
    TxtSample_->setFrameShape(QFrame::Panel);
    TxtSample_->setFrameShadow(QFrame::Sunken);
    TxtSample_->setAlignment(Qt::AlignCenter);
    TxtSample_->setFixedSize(300, 90);
    TxtSample_->setAutoFillBackground(true);
    QPalette white = TxtSample_->palette();
    white.setColor(QPalette::Window, Qt::white);
    TxtSample_->setPalette(white);

    NewBtn_ = NamedButton(QStringLiteral("Add"), QStringLiteral("NewBtn"), panel);
    RemveBtn_ = NamedButton(QStringLiteral("Remove"), QStringLiteral("RemveBtn"), panel);
    QPushButton* exit = NamedButton(QStringLiteral("Exit"), QStringLiteral("ExitBtn"), panel);
    exit->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewBtn_);
    buttons->addWidget(RemveBtn_);
    buttons->addStretch();
    buttons->addWidget(exit);

    auto* grid = new QGridLayout;
    grid->addWidget(fontBox_, 0, 0);
    grid->addWidget(styleBox_, 0, 1);
    grid->addWidget(sizeBox_, 1, 0);
    grid->addWidget(OriBox_, 1, 1);
    grid->addWidget(textBox_, 2, 0, 1, 2);
    grid->addWidget(TxtSample_, 3, 0, 1, 2, Qt::AlignHCenter);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(FontBox_, &QComboBox::activated, this, [this](int) {
        if (!logic_.FontBoxChange(FontBox_->currentText()))
            ShowFont();
        ShowSample();
    });
    connect(ColorBox_, &QComboBox::activated, this, [this](int i) {
        logic_.ColourBoxChange(ColorBox_->itemData(i).toUInt());
        ShowSample();
    });
    connect(TxtBld_, &QCheckBox::toggled, this, [this] {
        logic_.TxtBldClick();
        ShowSample();
    });
    connect(TxtItl_, &QCheckBox::toggled, this, [this] {
        logic_.TxtItlClick();
        ShowSample();
    });
    connect(TxtUnd_, &QCheckBox::toggled, this, [this] {
        logic_.TxtUndClick();
        ShowSample();
    });
    connect(LocText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        logic_.LocTextChange(text);
        ShowSample();
    });
    connect(NewBtn_, &QPushButton::clicked, this, [this] {
        logic_.NewBtnClick();
        Refresh();
        LocText_->setFocus();
    });
    connect(RemveBtn_, &QPushButton::clicked, this, [this] { done(logic_.RemveBtnClick()); });
    connect(exit, &QPushButton::clicked, this, [this] { done(logic_.ExitBtnClick()); });
}

void TAddLocation::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    Refresh();
    QDialog::showEvent(event);
}

void TAddLocation::Refresh() {
    const MapTextDraft& d = logic_.draft();
    for (QGroupBox* box : {fontBox_, styleBox_, sizeBox_, OriBox_, textBox_})
        box->setEnabled(logic_.groupsEnabled());
    NewBtn_->setEnabled(logic_.addEnabled());
    RemveBtn_->setEnabled(logic_.removeEnabled());
    if (LocText_->text() != d.text)
        LocText_->setText(d.text);
    for (int k = 0; k < 3; ++k) {
        levelPanels_[size_t(k)]->setChecked(logic_.level() == k + 1);
        sizeLabels_[size_t(k)]->setText(QString::number(d.sizes[size_t(k)]));
    }
    OriBox_->setTitle(logic_.orientationHeading());
    const int code = logic_.selectedPosition();
    for (int c = 1; c <= 8; ++c)
        positionButtons_[size_t(c)]->setAutoExclusive(false);
    for (int c = 1; c <= 8; ++c)
        positionButtons_[size_t(c)]->setChecked(c == code);
    for (int c = 1; c <= 8; ++c)
        positionButtons_[size_t(c)]->setAutoExclusive(true);
    logic_.filling = true;
    TxtBld_->setChecked(d.bold);
    TxtItl_->setChecked(d.italic);
    TxtUnd_->setChecked(d.underline);
    logic_.filling = false;
    ShowFont();
    ShowColour();
    ShowSample();
}

void TAddLocation::ShowFont() {
    const QString name = logic_.draft().fontName;
    int i = FontBox_->findText(name);
    if (i < 0) { // a font this machine lacks still shows its name
        FontBox_->insertItem(0, name);
        i = 0;
    }
    FontBox_->setCurrentIndex(i);
}

void TAddLocation::ShowColour() {
    const uint32_t value = logic_.draft().colour;
    int i = ColorBox_->findData(value);
    if (i < 0) {
        ColorBox_->addItem(Swatch(MapTextColour(value)), QStringLiteral("Custom"), value);
        i = ColorBox_->count() - 1;
    }
    ColorBox_->setCurrentIndex(i);
}

void TAddLocation::ShowSample() {
    const MapTextDraft& d = logic_.draft();
    QFont font(logic_.sampleFontName());
    if (logic_.sampleSize() > 0)
        font.setPointSize(logic_.sampleSize());
    font.setBold(d.bold);
    font.setItalic(d.italic);
    font.setUnderline(d.underline);
    TxtSample_->setFont(font);
    QPalette colours = TxtSample_->palette();
    colours.setColor(QPalette::WindowText, logic_.sampleColour());
    TxtSample_->setPalette(colours);
    // A size of 0 has nothing to show, as on the map.
    TxtSample_->setText(logic_.sampleSize() > 0 ? d.text : QString());
}
