#include "SelectTerLogic.h"

#include "ValueSteps.h"

namespace {

const QColor kPreviewBackground(192, 192, 192);
const QString kAttributesStep = QStringLiteral("Terrain Attributes");

} // namespace

void SelectTerLogic::FormActivate() {
    arrowPosition_ = kArrowMiddle;
    list_ = MakeTerrainList(context_.symbols);
    // A selection that is not listed (no terrain after "Clear") highlights no row, so a
    // click on any row, the first too, chooses it; the first row's values are shown and
    // the selection stays as it is until the designer picks a row.
    row_ = list_.RowOf(context_.terrainSelection);
    shown_ = row_ >= 0 ? context_.terrainSelection : list_.SymbolAt(0);
    ShowStep();
}

void SelectTerLogic::TerListClick(int row) {
    if (row < 0 || row >= list_.count())
        return;
    row_ = row;
    shown_ = list_.SymbolAt(row);
    context_.terrainSelection = shown_;
    ShowStep();
}

// Each edit is an undo step; the edits of one terrain in a row join into one.
void SelectTerLogic::ElvUpDnClick(bool up) {
    if (TerrainAttr* attr = ShownAttr()) {
        const HistoryStep step(context_.history, kAttributesStep, attr);
        Step(attr->elevation, up, 0, 10);
    }
}

void SelectTerLogic::CpmUpDnClick(bool up) {
    TerrainAttr* attr = ShownAttr();
    if (!attr)
        return;
    const HistoryStep step(context_.history, kAttributesStep, attr);
    // Compared unsigned: a negative cost from a file counts as above 13 and steps down to
    // 13 rather than further away.
    const unsigned cost = unsigned(attr->costPerMove);
    if (up && cost < 13)
        attr->costPerMove = int(cost) + 1;
    else if (!up && cost != 0)
        attr->costPerMove = cost > 13 ? 13 : int(cost) - 1;
    else
        return;
    context_.battle.modified = true;
}

void SelectTerLogic::DefUpDnClick(bool up) {
    if (TerrainAttr* attr = ShownAttr()) {
        const HistoryStep step(context_.history, kAttributesStep, attr);
        Step(attr->defenceModifier, up, -8, 8);
    }
}

void SelectTerLogic::SymNameChange(const QString& text) {
    TerrainAttr* attr = ShownAttr();
    if (!attr)
        return;
    const QString name = text.left(kNameChars);
    if (attr->name.text() == name)
        return;
    const HistoryStep step(context_.history, kAttributesStep, attr);
    attr->name.assign(name);
    context_.battle.modified = true;
}

// The attributes are saved with the battle: a change must make leaving ask to save it.
void SelectTerLogic::Step(int& value, bool up, int low, int high) {
    const int before = value;
    StepInRange(value, up, {low, high});
    if (value != before)
        context_.battle.modified = true;
}

int SelectTerLogic::Button3Click() {
    context_.terrainSelection = kNoSymbol;
    return ResultOk;
}

QString SelectTerLogic::caption() const {
    switch (kind) {
    case KindPrimary:
        return QStringLiteral("Primary Terrain");
    case KindFill:
        return QStringLiteral("Primary Terrain Fill");
    default:
        return QStringLiteral("Secondary Terrain");
    }
}

QString SelectTerLogic::name() const {
    const TerrainAttr* attr = ShownAttr();
    return attr ? attr->name.text() : QString();
}

TerrainAttr* SelectTerLogic::ShownAttr() {
    if (shown_ < 0 || shown_ >= kMaxTerrainAttrs)
        return nullptr;
    return &context_.battle.terrainAttrs[size_t(shown_)];
}

const TerrainAttr* SelectTerLogic::ShownAttr() const {
    return const_cast<SelectTerLogic*>(this)->ShownAttr();
}

QString SelectTerLogic::ValueText(int TerrainAttr::*field) const {
    const TerrainAttr* attr = ShownAttr();
    return attr ? QString::number(attr->*field) : QString();
}

QString SelectTerLogic::symbolName() const {
    return row_ >= 0 ? TerrainSymbolName(context_.symbols, shown_) : kNoTerrainName;
}

// The preview shows what the selection lays: nothing while it is cleared, though the
// first row's values stand beside it.
void SelectTerLogic::ShowStep() {
    preview_ = TerrainPreview(context_.symbols, row_ >= 0 ? shown_ : kNoSymbol, kPreviewBackground);
}
