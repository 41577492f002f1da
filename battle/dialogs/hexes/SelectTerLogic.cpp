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
    // click on any row, the first too, chooses it; no terrain's values are shown (OK lays
    // none) and the selection stays as it is until the designer picks a row.
    row_ = list_.RowOf(context_.terrainSelection);
    shown_ = row_ >= 0 ? context_.terrainSelection : kNoSymbol;
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

void SelectTerLogic::EditShown(const std::function<void(TerrainAttr&)>& change) {
    const TerrainAttr* attr = ShownAttr();
    if (!attr)
        return;
    const size_t symbol = size_t(shown_);
    context_.Edit(
        kAttributesStep, [&](Battle& b) { change(b.terrainAttrs[symbol]); }, attr);
}

void SelectTerLogic::ElvUpDnClick(bool up) {
    EditShown([&](TerrainAttr& a) { StepInRange(a.elevation, up, {0, 10}); });
}

void SelectTerLogic::CpmUpDnClick(bool up) {
    EditShown([&](TerrainAttr& a) {
        // Compared unsigned: a negative cost from a file counts as above 13 and steps down
        // to 13 rather than further away.
        const unsigned cost = unsigned(a.costPerMove);
        if (up && cost < 13)
            a.costPerMove = int(cost) + 1;
        else if (!up && cost != 0)
            a.costPerMove = cost > 13 ? 13 : int(cost) - 1;
    });
}

void SelectTerLogic::DefUpDnClick(bool up) {
    EditShown([&](TerrainAttr& a) { StepInRange(a.defenceModifier, up, {-8, 8}); });
}

void SelectTerLogic::SymNameChange(const QString& text) {
    const TerrainAttr* attr = ShownAttr();
    const QString name = text.left(kNameChars);
    if (!attr || attr->name.text() == name)
        return;
    EditShown([&](TerrainAttr& a) { a.name.assign(name); });
}

int SelectTerLogic::Button3Click() {
    context_.terrainSelection = kNoSymbol;
    return ResultOk;
}

QString SelectTerLogic::caption() const {
    switch (kind) {
    case PickerPrimary:
        return QStringLiteral("Primary Terrain");
    case PickerFill:
        return QStringLiteral("Primary Terrain Fill");
    default:
        return QStringLiteral("Secondary Terrain");
    }
}

QString SelectTerLogic::name() const {
    const TerrainAttr* attr = ShownAttr();
    return attr ? attr->name.text() : QString();
}

const TerrainAttr* SelectTerLogic::ShownAttr() const {
    if (shown_ < 0 || shown_ >= kMaxTerrainAttrs)
        return nullptr;
    return &context_.battle().terrainAttrs[size_t(shown_)];
}

QString SelectTerLogic::ValueText(int TerrainAttr::*field) const {
    const TerrainAttr* attr = ShownAttr();
    return attr ? QString::number(attr->*field) : QString();
}

QString SelectTerLogic::symbolName() const {
    return row_ >= 0 ? TerrainSymbolName(context_.symbols, shown_) : kNoTerrainName;
}

// The preview shows what the selection lays: nothing while it is cleared.
void SelectTerLogic::ShowStep() {
    preview_ = TerrainPreview(context_.symbols, row_ >= 0 ? shown_ : kNoSymbol, kPreviewBackground);
}
