#pragma once
// The battle checker: the mistakes a designer easily leaves in a battle (a map nobody can
// move on, a unit with no men, a reinforcement that never comes, a road that ends in the
// middle of a field) found by reading the battle alone. Nothing is changed or written;
// the editor's list and the fmcheck command show what it finds.

#include "BattleRecords.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

class Battle;
struct Definitions;
struct LoadedSymbolSet;

enum class Severity { Error, Warning };

// Every check, in the order the problems are listed within a severity.
enum class CheckId {
    NoTurns,
    NoBattleName,
    NoSideName,
    SameSideNames,
    SideWithoutUnits,
    IconMissing,
    AttributesAllZero,
    TerrainBeyondSet,
    PieceTwice,
    PathWithoutOpposite,
    PathOffMap,
    UnitOnImpassableHex,
    UnitWithoutMen,
    MissileWithoutAmmo,
    UnitPieceBeyondSet,
    UnitWingUnknown,
    EquipmentUnknown,
    WingWithoutLeader,
    WingWithLeaders,
    WingOnBothSides,
    ArrivalAfterLastTurn,
    ArrivalOnTurnZero,
    ArrivalWithoutMarker,
    ArrivalOnStructure,
    NoObjective,
    ObjectiveWithoutPoints,
    ObjectiveNotCounted,
    ObjectiveOnImpassableHex,
    StructureOnImpassableHex,
    StructureWithoutFigures,
    MapTextEmpty,
    MapTextNeverOnMap,
};

// What the help page and the JSON output name each check by.
struct CheckInfo {
    CheckId id;
    Severity severity;
    const char* key;   // short stable name, e.g. "unit-without-men"
    const char* topic; // "Battle", "Terrain", "Units", "Reinforcements", …
    const char* title; // one line, as the help page lists it
};
const std::vector<CheckInfo>& BattleChecks();
const CheckInfo& CheckInfoOf(CheckId id);

struct BattleProblem {
    CheckId check = CheckId::NoTurns;
    Severity severity = Severity::Error;
    int hex = kNoHex; // the hex to show; kNoHex when the problem has no place on the map
    QString hexLabel; // the hex as the editor shows it (row then column, "512"), or empty
    QString record;   // "Battle", "Unit 12 \"Archers\"", "Objective 2 \"Ebbing Ford\"", …
    QString message;  // one line in plain words
};

// What the checker needs of the battle's symbol set: how many symbols each category has,
// the terrain symbols' names (path pieces are found by name) and the cell sizes of the
// three zoom levels (whether a map text lands on the map).
struct SymbolSetSummary {
    int terrainCount = 0;
    int unitCount = 0;
    std::vector<QByteArray> terrainNames;
    int layout = 1; // the set's own arrangement; the battle's gridLayout decides the map's
    std::array<int, 3> cellWidth{};
    std::array<int, 3> columnStep{};
    std::array<int, 3> rowStep{};
};
SymbolSetSummary SummaryOf(const LoadedSymbolSet& set);

// Every problem of the battle, errors first, each group in the order of BattleChecks().
// `programFolder` is where the battle icon is looked for in "icons"; an empty folder skips
// that check.
std::vector<BattleProblem> CheckBattle(const Battle& battle, const SymbolSetSummary& set,
                                       const Definitions& defs, const QString& programFolder);

struct ProblemCount {
    int errors = 0;
    int warnings = 0;
};
ProblemCount CountProblems(const std::vector<BattleProblem>& problems);
// "3 errors, 5 warnings", "1 error, no warnings", "No problems".
QString ProblemCountText(ProblemCount count);
