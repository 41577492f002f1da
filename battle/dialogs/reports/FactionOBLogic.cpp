#include "FactionOBLogic.h"

#include "SideFirstOrder.h"
#include "UnitSelectionEdits.h"

#include <algorithm>

ReportGrid FactionOBLogic::BuildReport() {
    chosenUnit_ = 0;
    return OrderOfBattleReport(context_.battle(), context_.definitions, side);
}

int FactionOBLogic::UnitOfRow(int row) const {
    const QList<int>& units = grid().rowUnits;
    if (!IsRow(row) || row >= int(units.size()))
        return 0;
    return units[row];
}

int FactionOBLogic::GridDblClick(int row) {
    chosenUnit_ = UnitOfRow(row);
    return chosenUnit_;
}

void FactionOBLogic::ExitBtnClick() {
    CloseBtnClick();
    chosenUnit_ = 0;
}

std::vector<int> FactionOBLogic::UnitsOfRows(const std::vector<int>& rows) const {
    std::vector<int> units;
    for (int row : rows) {
        if (const int unit = UnitOfRow(row))
            units.push_back(unit);
    }
    return units;
}

namespace {

// One undo step around a change of the battle; the report is then built anew.
template <class Result, class Change>
Result AsOneStep(EditorContext& context, FactionOBLogic& report, const QString& caption,
                 Change change) {
    Result result{};
    context.Edit(caption, [&](Battle& b) { result = change(b); });
    report.FormActivate();
    return result;
}

} // namespace

bool FactionOBLogic::SetWingClick(const std::vector<int>& rows, int wingRow) {
    const std::vector<int> units = UnitsOfRows(rows);
    const std::vector<int> wings = SideFirstWings(context_.battle(), side);
    if (wingRow < 0 || wingRow >= int(wings.size()))
        return false;
    const int wing = wings[size_t(wingRow)];
    return AsOneStep<bool>(context_, *this, QStringLiteral("Set Wing"),
                           [&](Battle& b) { return SetUnitsWing(b, units, wing); });
}

bool FactionOBLogic::SetSideClick(const std::vector<int>& rows, int side) {
    const std::vector<int> units = UnitsOfRows(rows);
    return AsOneStep<bool>(context_, *this, QStringLiteral("Set Side"),
                           [&](Battle& b) { return SetUnitsSide(b, units, side); });
}

bool FactionOBLogic::SetTurnClick(const std::vector<int>& rows, int turn) {
    const std::vector<int> units = UnitsOfRows(rows);
    return AsOneStep<bool>(context_, *this, QStringLiteral("Set Reinforcement Turn"),
                           [&](Battle& b) { return SetUnitsActivationTurn(b, units, turn); });
}

int FactionOBLogic::RemoveClick(const std::vector<int>& rows) {
    const std::vector<int> units = UnitsOfRows(rows);
    return AsOneStep<int>(context_, *this, QStringLiteral("Remove Units"),
                          [&](Battle& b) { return RemoveUnits(b, units); });
}

QStringList FactionOBLogic::wingNames() const {
    const Battle& b = context_.battle();
    QStringList names;
    for (int w : SideFirstWings(b, side))
        names.append(b.wingNames()[size_t(w)].text());
    return names;
}

QString FactionOBLogic::otherSideName() const {
    const BattleSettings& s = context_.battle().settings;
    return side == 1 ? s.sideBName.text() : s.sideAName.text();
}

int FactionOBLogic::maxTurns() const {
    return std::clamp(context_.battle().settings.maxTurns, 1, 300);
}
