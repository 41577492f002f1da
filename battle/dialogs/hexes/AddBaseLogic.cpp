#include "AddBaseLogic.h"

#include "ValueSteps.h"

namespace {
const QString kStructureStep = QStringLiteral("Structure Changes");
} // namespace

void AddBaseLogic::FormActivate() {
    arrowPosition_ = kArrowMiddle;
    const HexRecord* hex = CurrentHex();
    shown_ = hex ? hex->structureNo : 0;
    if (!context_.battle().structures().valid(shown_))
        shown_ = 0;
    new_ = false;
    list_ = MakeTerrainList(context_.symbols);
    row_ = 0;
    // Opening on a hex makes the first terrain the selection of the terrain commands too.
    context_.terrainSelection = list_.SymbolAt(0);
    Draw();
    groupsEnabled_ = shown_ != 0;
    removeEnabled_ = shown_ != 0;
    addEnabled_ = shown_ == 0;
    sideAEnabled_ = sideBEnabled_ = true;
    if (shown_ != 0)
        Load(context_.battle().structures()[shown_]);
}

void AddBaseLogic::AddBtnClick() {
    if (context_.battle().structures().full()) {
        context_.Refuse(QStringLiteral("The battle holds the most structures it has room for."));
        return;
    }
    groupsEnabled_ = true;
    removeEnabled_ = true;
    addEnabled_ = false;
    sideAEnabled_ = sideBEnabled_ = true;
    new_ = true;
    shown_ = 0;
    name_ = QStringLiteral("New Structure");
    const int unitSide = UnitSideOnHex();
    sideA_ = unitSide != 2;
    // A structure on a unit's hex belongs to the unit's side.
    if (unitSide == 1)
        sideBEnabled_ = false;
    else if (unitSide == 2)
        sideAEnabled_ = false;
    defence_ = 0;
    supply_ = 1;
    height_ = 1;
}

int AddBaseLogic::Button1Click() {
    if (new_) {
        if (!context_.battle().structures().full()) {
            int n = 0;
            context_.Edit(kStructureStep,
                          [&](Battle& b) { n = b.AddStructure(Record(), context_.currentHex); });
            if (n != 0) {
                shown_ = n;
                new_ = false;
            }
        }
    } else if (shown_ != 0) {
        context_.Edit(kStructureStep, [&](Battle& b) { b.UpdateStructure(shown_, Record()); });
    }
    return 1;
}

int AddBaseLogic::RemBtnClick() {
    // A structure prepared by "Add" and never stored is only dropped: there is no record
    // to take out, and no later record may move into its place.
    if (!new_ && shown_ != 0)
        context_.Edit(kStructureStep, [&](Battle& b) { b.DeleteStructure(shown_); });
    new_ = false;
    shown_ = 0;
    return 1;
}

void AddBaseLogic::TerListClick(int row) {
    if (row < 0 || row >= list_.count())
        return;
    row_ = row;
    context_.terrainSelection = list_.SymbolAt(row);
    Draw();
}

void AddBaseLogic::DefUDClick(bool up) {
    StepInRange(defence_, up, {-8, 8});
}

void AddBaseLogic::RSplUDClick(bool up) {
    StepInRange(supply_, up, {0, 100});
}

void AddBaseLogic::ElvUDClick(bool up) {
    StepInRange(height_, up, {0, 10});
}

void AddBaseLogic::ASideBtnClick() {
    if (sideAEnabled_)
        sideA_ = true;
}

void AddBaseLogic::BSideBtnClick() {
    if (sideBEnabled_)
        sideA_ = false;
}

const HexRecord* AddBaseLogic::CurrentHex() const {
    const Battle& battle = context_.battle();
    return battle.IsHex(context_.currentHex) ? &battle.hex(context_.currentHex) : nullptr;
}

int AddBaseLogic::UnitSideOnHex() const {
    const HexRecord* hex = CurrentHex();
    if (!hex || !context_.battle().units().valid(hex->unitNo))
        return 0;
    return context_.battle().unit(hex->unitNo).side;
}

void AddBaseLogic::Load(const StructureRecord& r) {
    name_ = r.name.text();
    sideA_ = r.side == 1;
    // While a unit stands on the hex the structure keeps its side and cannot be removed.
    if (UnitSideOnHex() != 0) {
        (sideA_ ? sideBEnabled_ : sideAEnabled_) = false;
        removeEnabled_ = false;
    }
    defence_ = r.defenceModifier;
    supply_ = r.supplyLevel;
    height_ = r.height;
    const int found = list_.RowOf(r.symbol);
    row_ = found >= 0 ? found : 0;
    Draw();
}

StructureRecord AddBaseLogic::Record() const {
    StructureRecord r;
    if (!new_ && shown_ != 0)
        r = context_.battle().structures()[shown_]; // keeps reserved1
    else
        r.reserved1 = 0;
    r.hex = context_.currentHex;
    r.name.assign(name_);
    r.side = sideA_ ? 1 : 2;
    r.symbol = list_.SymbolAt(row_);
    r.defenceModifier = defence_;
    r.supplyLevel = supply_;
    r.height = height_;
    r.reserved3 = 1;
    r.reserved2 = 0;
    return r;
}

void AddBaseLogic::Draw() {
    preview_ = TerrainPreview(context_.symbols, list_.SymbolAt(row_), QColor(Qt::black));
}
