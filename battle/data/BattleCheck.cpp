#include "BattleCheck.h"

#include "Battle.h"
#include "BattleCheckParts.h"
#include "HexValues.h"
#include "LoadedSymbolSet.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

const std::vector<CheckInfo>& BattleChecks() {
    using enum CheckId;
    constexpr Severity E = Severity::Error, W = Severity::Warning;
    static const std::vector<CheckInfo> checks = {
        {NoTurns, E, "no-turns", "Battle", "The maximum number of turns is 0."},
        {NoBattleName, E, "no-battle-name", "Battle", "The battle has no name."},
        {NoSideName, E, "no-side-name", "Battle", "A side has no name."},
        {SameSideNames, E, "same-side-names", "Battle", "Both sides have the same name."},
        {SideWithoutUnits, E, "side-without-units", "Battle",
         "A side has no units, neither on the map nor as reinforcements."},
        {IconMissing, W, "icon-missing", "Battle",
         "The battle's icon file is missing from the icons folder."},
        {AttributesAllZero, E, "attributes-all-zero", "Terrain",
         "Every terrain attribute is 0 (movement costs, elevations and defences), so no hex "
         "can be entered."},
        {TerrainBeyondSet, E, "terrain-beyond-set", "Terrain",
         "A primary or secondary terrain, or a structure, names a symbol the symbol set does "
         "not have."},
        {PieceTwice, W, "piece-twice", "Terrain", "The same terrain piece lies twice in one hex."},
        {PathWithoutOpposite, W, "path-without-opposite", "Terrain",
         "A road, track, river, stream, wall or palisade piece points to a neighbour that lacks "
         "the matching opposite piece."},
        {PathOffMap, W, "path-off-map", "Terrain",
         "A road, track, river, stream, wall or palisade piece points off the map."},
        {UnitOnImpassableHex, E, "unit-on-impassable-hex", "Units",
         "A unit stands on a hex whose movement cost is 0 (shown as CPM:X)."},
        {UnitWithoutMen, E, "unit-without-men", "Units", "A unit has 0 men."},
        {MissileWithoutAmmo, W, "missile-without-ammo", "Units",
         "A unit with a missile weapon has no ammunition, so its missile strength is 0."},
        {UnitPieceBeyondSet, E, "unit-piece-beyond-set", "Units",
         "A unit's piece is a symbol the symbol set does not have."},
        {UnitWingUnknown, E, "unit-wing-unknown", "Units",
         "A unit belongs to a wing that is not in the list of wings."},
        {EquipmentUnknown, E, "equipment-unknown", "Units",
         "A unit's class, weapon, armour or shield is not in the definitions."},
        {WingWithoutLeader, W, "wing-without-leader", "Units",
         "A side's wing has no leader, and its first wing has none either."},
        {WingWithLeaders, W, "wing-with-leaders", "Units",
         "A side's wing has more than one leader."},
        {WingOnBothSides, W, "wing-on-both-sides", "Units", "Both sides use the same wing."},
        {ArrivalAfterLastTurn, E, "arrival-after-last-turn", "Reinforcements",
         "A reinforcement arrives after the battle's last turn."},
        {ArrivalOnTurnZero, E, "arrival-on-turn-zero", "Reinforcements",
         "A unit's arrival turn is 0 or below."},
        {ArrivalWithoutMarker, W, "arrival-without-marker", "Reinforcements",
         "A reinforcement's arrival hex has no reinforcement marker."},
        {ArrivalOnStructure, E, "arrival-on-structure", "Reinforcements",
         "A reinforcement arrives on a hex that holds a structure."},
        {NoObjective, W, "no-objective", "Objectives and structures",
         "The battle has no victory objective."},
        {ObjectiveWithoutPoints, W, "objective-without-points", "Objectives and structures",
         "A victory objective is worth 0 points."},
        {ObjectiveNotCounted, W, "objective-not-counted", "Objectives and structures",
         "A victory objective beyond the first: only the first counts in the reports."},
        {ObjectiveOnImpassableHex, E, "objective-on-impassable-hex", "Objectives and structures",
         "A victory objective lies on a hex whose movement cost is 0, so no unit can take it."},
        {StructureOnImpassableHex, W, "structure-on-impassable-hex", "Objectives and structures",
         "A structure stands on a hex whose movement cost is 0."},
        {StructureWithoutFigures, W, "structure-without-figures", "Objectives and structures",
         "A structure's supply, height and defence are all 0."},
        {MapTextEmpty, W, "map-text-empty", "Map texts", "A map text is empty."},
        {MapTextNeverOnMap, W, "map-text-never-on-map", "Map texts",
         "A map text lies wholly outside the map at every zoom level it is drawn at, or is "
         "drawn at none."},
    };
    return checks;
}

const CheckInfo& CheckInfoOf(CheckId id) {
    return BattleChecks()[size_t(id)];
}

SymbolSetSummary SummaryOf(const LoadedSymbolSet& set) {
    SymbolSetSummary s;
    s.terrainCount = set.terrainCount();
    s.unitCount = set.unitCount();
    for (const SymbolRecord& r : set.table(SymbolKind::Terrain))
        s.terrainNames.push_back(r.name);
    s.layout = set.layout;
    s.cellWidth = set.cellWidth;
    s.columnStep = set.columnStep;
    s.rowStep = set.rowStep;
    return s;
}

void ProblemList::Add(CheckId check, int hex, const QString& record, const QString& message) {
    BattleProblem p;
    p.check = check;
    p.severity = CheckInfoOf(check).severity;
    if (battle_.IsHex(hex)) {
        p.hex = hex;
        p.hexLabel = HexLabel(battle_, hex);
    }
    p.record = record;
    p.message = message;
    problems_.push_back(std::move(p));
}

QString RecordName(const char* kind, int number, const QString& name) {
    return QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(kind)).arg(number).arg(name);
}

void CheckSettings(const Battle& b, const QString& programFolder, ProblemList& out) {
    const BattleSettings& s = b.settings;
    const QString battle = QStringLiteral("Battle");
    if (s.maxTurns <= 0)
        out.Add(CheckId::NoTurns, kNoHex, battle,
                QStringLiteral("The maximum number of turns is %1: the battle ends before it "
                               "starts.")
                    .arg(s.maxTurns));
    if (s.battleName.text().trimmed().isEmpty())
        out.Add(CheckId::NoBattleName, kNoHex, battle, QStringLiteral("The battle has no name."));
    const QString names[2] = {s.sideAName.text(), s.sideBName.text()};
    for (int side = 0; side < 2; ++side) {
        if (names[side].trimmed().isEmpty())
            out.Add(CheckId::NoSideName, kNoHex, battle,
                    QStringLiteral("Side %1 has no name.").arg(side + 1));
    }
    if (!names[0].trimmed().isEmpty() &&
        names[0].trimmed().compare(names[1].trimmed(), Qt::CaseInsensitive) == 0)
        out.Add(CheckId::SameSideNames, kNoHex, battle,
                QStringLiteral("Both sides are called \"%1\": the players cannot tell them "
                               "apart.")
                    .arg(names[0]));
    int units[2] = {0, 0};
    for (const UnitRecord& u : b.units())
        ++units[u.side == 1 ? 0 : 1];
    for (int side = 0; side < 2; ++side) {
        if (units[side] == 0)
            out.Add(CheckId::SideWithoutUnits, kNoHex, battle,
                    QStringLiteral("Side %1 \"%2\" has no units, neither on the map nor as "
                                   "reinforcements.")
                        .arg(side + 1)
                        .arg(names[side]));
    }
    if (programFolder.isEmpty())
        return;
    const QString icon = s.iconName.text();
    const QString icons = FindEntry(programFolder, QStringLiteral("icons"));
    if (icon.isEmpty())
        out.Add(CheckId::IconMissing, kNoHex, battle, QStringLiteral("The battle has no icon."));
    else if (!QFileInfo(FindEntry(icons, icon + QStringLiteral(".bmp"))).isFile())
        out.Add(CheckId::IconMissing, kNoHex, battle,
                QStringLiteral("The icon \"%1.bmp\" is not in the icons folder %2.")
                    .arg(icon, QDir::toNativeSeparators(icons)));
}

std::vector<BattleProblem> CheckBattle(const Battle& battle, const SymbolSetSummary& set,
                                       const Definitions& defs, const QString& programFolder) {
    ProblemList out(battle);
    CheckSettings(battle, programFolder, out);
    const bool nothingPassable = CheckTerrain(battle, set, out);
    CheckUnits(battle, set, defs, !nothingPassable, out);
    CheckPlaces(battle, set, !nothingPassable, out);
    std::vector<BattleProblem>& problems = out.problems();
    std::stable_sort(problems.begin(), problems.end(),
                     [](const BattleProblem& a, const BattleProblem& b) {
                         return std::pair(a.severity, a.check) < std::pair(b.severity, b.check);
                     });
    return std::move(problems);
}

ProblemCount CountProblems(const std::vector<BattleProblem>& problems) {
    ProblemCount count;
    for (const BattleProblem& p : problems)
        ++(p.severity == Severity::Error ? count.errors : count.warnings);
    return count;
}

QString ProblemCountText(ProblemCount count) {
    if (count.errors == 0 && count.warnings == 0)
        return QStringLiteral("No problems");
    const auto part = [](int n, const char* one, const char* many) {
        return n == 0 ? QStringLiteral("no %1").arg(QLatin1String(many))
                      : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return part(count.errors, "error", "errors") + QStringLiteral(", ") +
           part(count.warnings, "warning", "warnings");
}
