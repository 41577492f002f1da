#include "TSelectHxMrk.h"

#include "HexDialogFrame.h"
#include "HexDialogParts.h"
#include "ListRowChoice.h"
#include "SettingsControls.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct SlotButton {
    int slot;
    const char* name;
    const char* caption;
};

constexpr SlotButton kSlotButtons[] = {
    {MarkerHotHex, "HHexBtn", "Hot Hex"},
    {MarkerCombatHex, "CHexBtn", "Combat Hex"},
    {MarkerLegalMove, "MHexBtn", "Legal Move"},
    {MarkerUnitDestroyed, "FHexBtn", "Unit Destroyed"},
    {MarkerWesternReinforcement, "WestReinf", "Western Reinforcement"},
    {MarkerEasternReinforcement, "EastReinf", "Eastern Reinforcement"},
    {MarkerObjective, "ObjSym", "Objective"},
    {MarkerMapOverlay, "OvrLayBtn", "Map OverLay"},
    {MarkerCaltrops, "CaltropBtn", "Caltrops"},
};

} // namespace

TSelectHxMrk::TSelectHxMrk(EditorContext& context, QWidget* parent)
    : QDialog(parent), logic_(context) {
    setObjectName(QStringLiteral("SelectHxMrk"));
    QVBoxLayout* column = nullptr;
    QFrame* frame = BorderlessPanel(this, QStringLiteral("Special Hex Markers"), column);

    TerList_ = TerrainListBox(frame);
    QFrame* SymPan = PreviewPanel(frame, Image1_);
    SymNamPan_ = SymbolNamePanel(frame);

    auto* markers = new QGroupBox(QStringLiteral("Markers"), frame);
    markers->setObjectName(QStringLiteral("MarkersBox"));
    auto* markerColumn = new QVBoxLayout(markers);
    for (const SlotButton& b : kSlotButtons) {
        auto* radio = new QRadioButton(QString::fromLatin1(b.caption), markers);
        radio->setObjectName(QString::fromLatin1(b.name));
        markerColumn->addWidget(radio);
        slotButtons_[size_t(b.slot)] = radio;
        const int slot = b.slot;
        connect(radio, &QRadioButton::clicked, this, [this, slot] {
            logic_.MarkerButtonClick(slot);
            Refresh();
        });
    }

    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("OkBtn"), frame);
    ok->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(SymPan, 0, Qt::AlignHCenter);
    side->addWidget(SymNamPan_);
    side->addWidget(markers);
    side->addStretch();
    side->addWidget(ok);
    auto* grid = new QGridLayout;
    grid->addWidget(TerList_, 0, 0);
    grid->addLayout(side, 0, 1);
    column->addLayout(grid);

    OnRowChosen(TerList_, [this](int row) {
        logic_.TerListClick(row);
        Refresh();
    });
    connect(ok, &QPushButton::clicked, this, [this] { done(logic_.OkBtnClick()); });
}

void TSelectHxMrk::showEvent(QShowEvent* event) {
    logic_.FormActivate();
    FillTerrainList(TerList_, logic_.rows(), logic_.row());
    Refresh();
    QDialog::showEvent(event);
}

void TSelectHxMrk::Refresh() {
    if (QRadioButton* radio = slotButtons_[size_t(logic_.slot())])
        radio->setChecked(true);
    SelectListRow(TerList_, logic_.row());
    SymNamPan_->setText(logic_.symbolName());
    ShowPreview(Image1_, logic_.preview());
}
