#include "FactionOBLogic.h"

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
