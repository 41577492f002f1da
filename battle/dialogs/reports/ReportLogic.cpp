#include "ReportLogic.h"

void ReportLogic::FormActivate() {
    grid_ = BuildReport();
    selectedRow_ = -1;
}

void ReportLogic::GridClick(int row) {
    context_.sounds.Play(SoundClick);
    if (IsRow(row))
        selectedRow_ = row;
}

void ReportLogic::CloseBtnClick() {
    context_.sounds.Play(SoundClick);
}

ReportGrid StatsLogic::BuildReport() {
    return ArmyStatisticsReport(context_.battle(), context_.definitions);
}

ReportGrid RForceRosterLogic::BuildReport() {
    return ReinforcementReport(context_.battle(), context_.definitions, side);
}

ReportGrid VicHexesLogic::BuildReport() {
    return ObjectiveStatusReport(context_.battle());
}

ReportGrid DefStatsLogic::BuildReport() {
    return WeaponTablesReport(context_.definitions, weaponTableKind);
}
