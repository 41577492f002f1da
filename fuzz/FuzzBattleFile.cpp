// The battle file reader, and everything the editor computes from a battle it accepted:
// the derived hex values, the reports, the checker, the canonical order and the writer.
#include "Battle.h"
#include "BattleCheck.h"
#include "BattleFile.h"
#include "BattleStandings.h"
#include "Definitions.h"
#include "HexValues.h"
#include "Reports.h"

#include <cstdint>
#include <cstdlib>

namespace {

Definitions SmallDefinitions() {
    Definitions d;
    d.missileWeapons = {{"None", 0, 0, 0, 0, 0}, {"Bow", 2, 12, 5, 1, 2}};
    d.combatWeapons = {{"Spear", 3, 8, 4}, {"Sword", 2, 3, 5}};
    d.armour = {{"None", 0, 0}, {"Mail", 20, 15}};
    d.shields = {{"None", 0, 0}, {"Round", 10, 6}};
    d.classes = StandardUnitClasses();
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Battle battle;
    if (DecodeBattle(bytes, battle, {}) != BattleDecodeResult::Decoded)
        return 0;
    static const Definitions defs = SmallDefinitions();
    for (int h = 0; h < battle.hexCount(); h += 1 + battle.hexCount() / 64) {
        HexMoveCost(battle, h);
        HexDefence(battle, h);
        HexHeight(battle, h);
    }
    for (int u = 1; u <= battle.unitCount(); ++u)
        FindWingLeader(battle, u);
    SideScore(battle);
    ArmyStatisticsReport(battle, defs);
    ReinforcementReport(battle, defs, 1);
    ObjectiveStatusReport(battle);
    // A set with path pieces and fewer symbols than the battle may name.
    static const SymbolSetSummary set = [] {
        SymbolSetSummary s;
        s.terrainCount = 12;
        s.unitCount = 4;
        for (const char* d : {"North", "North-East", "South-East", "South", "South-West"})
            s.terrainNames.push_back(QByteArray("Road ") + d);
        s.cellWidth = {15, 30, 45};
        s.columnStep = {11, 23, 35};
        s.rowStep = {13, 28, 43};
        return s;
    }();
    CheckBattle(battle, set, defs, QString());
    OrderOfBattleReport(battle, defs, 2);
    const QByteArray written = EncodeBattle(battle, battle.settings.saveCount, 0);
    Battle again;
    if (DecodeBattle(written, again, {}) != BattleDecodeResult::Decoded)
        std::abort(); // what the editor writes it must read
    return 0;
}
