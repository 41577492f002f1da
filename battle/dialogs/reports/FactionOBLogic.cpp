#include "FactionOBLogic.h"

#include "UnitSelectionEdits.h"

#include <algorithm>

ReportGrid FactionOBLogic::BuildReport() {
    chosenUnit_ = 0;
    return OrderOfBattleReport(context_.battle, context_.definitions, context_.dialogValue);
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

// One undo step around a change of the battle and the report built anew, which puts the
// units into canonical order again: that belongs to the change.
template <class Change>
auto AsOneStep(EditorContext& context, FactionOBLogic& report, const QString& caption,
               Change change) {
    const HistoryStep step(context.history, caption);
    const auto result = change();
    report.FormActivate();
    return result;
}

} // namespace

bool FactionOBLogic::SetWingClick(const std::vector<int>& rows, int wing) {
    const bool changed = AsOneStep(context_, *this, QStringLiteral("Set Wing"), [&] {
        return SetUnitsWing(context_.battle, UnitsOfRows(rows), wing);
    });
    return changed;
}

bool FactionOBLogic::SetSideClick(const std::vector<int>& rows, int side) {
    const bool changed = AsOneStep(context_, *this, QStringLiteral("Set Side"), [&] {
        return SetUnitsSide(context_.battle, UnitsOfRows(rows), side);
    });
    return changed;
}

bool FactionOBLogic::SetTurnClick(const std::vector<int>& rows, int turn) {
    const bool changed = AsOneStep(context_, *this, QStringLiteral("Set Reinforcement Turn"), [&] {
        return SetUnitsActivationTurn(context_.battle, UnitsOfRows(rows), turn);
    });
    return changed;
}

int FactionOBLogic::RemoveClick(const std::vector<int>& rows) {
    const int removed = AsOneStep(context_, *this, QStringLiteral("Remove Units"),
                                  [&] { return RemoveUnits(context_.battle, UnitsOfRows(rows)); });
    return removed;
}

QStringList FactionOBLogic::wingNames() const {
    QStringList names;
    for (const WingName& w : context_.battle.wingNames())
        names.append(w.text());
    return names;
}

QString FactionOBLogic::otherSideName() const {
    const BattleSettings& s = context_.battle.settings;
    return context_.dialogValue == 1 ? s.sideBName.text() : s.sideAName.text();
}

int FactionOBLogic::maxTurns() const {
    return std::clamp(context_.battle.settings.maxTurns, 1, 300);
}
