#include "SettingsControls.h"

#include "UpDownArrows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

QHBoxLayout* RowIn(QGroupBox* box) {
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 6);
    return layout;
}

} // namespace

QGroupBox* TitledGroup(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name + QStringLiteral("Box"));
    return box;
}

QLineEdit* NameBox(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kNameTypedChars);
    // Room for every character that may be typed, in wide letters.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(kNameTypedChars, 'N')) +
                          2 * edit->fontMetrics().averageCharWidth());
    return edit;
}

QLabel* NamedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

SettingsControls::SettingsControls(QWidget* parent, int iconSide) {
    nameBox = TitledGroup(QStringLiteral("Battle Name"), QStringLiteral("SNam"), parent);
    SNam = NameBox(QStringLiteral("SNam"), nameBox);
    RowIn(nameBox)->addWidget(SNam);

    sideABox = TitledGroup(QStringLiteral("Western Forces"), QStringLiteral("SideA"), parent);
    SideA = NameBox(QStringLiteral("SideA"), sideABox);
    RowIn(sideABox)->addWidget(SideA);

    sideBBox = TitledGroup(QStringLiteral("Eastern Forces"), QStringLiteral("SideB"), parent);
    SideB = NameBox(QStringLiteral("SideB"), sideBBox);
    RowIn(sideBBox)->addWidget(SideB);

    historyBox =
        TitledGroup(QStringLiteral("Battle Description"), QStringLiteral("History"), parent);
    History = new QPlainTextEdit(historyBox);
    History->setObjectName(QStringLiteral("History"));
    // One memo line is one description line, so lines must not wrap.
    History->setLineWrapMode(QPlainTextEdit::NoWrap);
    History->setTabChangesFocus(true);
    History->setMinimumHeight(110);
    RowIn(historyBox)->addWidget(History);

    turnsBox = TitledGroup(QStringLiteral("Game Turns"), QStringLiteral("GameTurns"), parent);
    GameTurns = NamedLabel(QStringLiteral("GameTurns"), turnsBox);
    GameTurns->setMinimumWidth(GameTurns->fontMetrics().horizontalAdvance("Max Turns: 300 "));
    TrnUpDn = new UpDownArrows(QStringLiteral("TrnUpDn"), turnsBox);
    QHBoxLayout* turns = RowIn(turnsBox);
    turns->addWidget(GameTurns);
    turns->addWidget(TrnUpDn);

    iconBox = TitledGroup(QStringLiteral("Battle Icon"), QStringLiteral("Image1"), parent);
    Button2 = NamedButton(QStringLiteral("Select Icon"), QStringLiteral("Button2"), iconBox);
    IconLbl = NamedLabel(QStringLiteral("IconLbl"), iconBox);
    Image1 = NamedLabel(QStringLiteral("Image1"), iconBox);
    Image1->setFixedSize(iconSide, iconSide);
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);
    Image1->setLineWidth(0);
    auto* iconColumn = new QVBoxLayout;
    iconColumn->addWidget(Button2);
    iconColumn->addWidget(IconLbl);
    iconColumn->addStretch();
    QHBoxLayout* icon = RowIn(iconBox);
    icon->addLayout(iconColumn);
    icon->addWidget(Image1);
}

void SettingsControls::ShowEntries(const SettingsEntries& entries) {
    // A longer name from a file is shown whole; OK cuts it only when it was changed.
    for (auto [box, text] :
         {std::pair{SNam, &entries.battleName}, std::pair{SideA, &entries.sideAName},
          std::pair{SideB, &entries.sideBName}}) {
        box->setMaxLength(std::max(kNameTypedChars, int(text->size())));
        box->setText(*text);
    }
    History->setPlainText(entries.history);
}

SettingsEntries SettingsControls::Entries() const {
    return {SNam->text(), SideA->text(), SideB->text(), History->toPlainText()};
}

void SettingsControls::ShowIcon(const QString& iconName, const QImage& preview) {
    IconLbl->setText(iconName);
    Image1->setPixmap(preview.isNull() ? QPixmap() : QPixmap::fromImage(preview));
}
