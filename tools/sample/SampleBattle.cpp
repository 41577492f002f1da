#include "SampleBattle.h"

#include "SampleFeatures.h"
#include "SampleForces.h"
#include "SampleSites.h"
#include "SampleTerrain.h"
#include "VarnholmAttributes.h"

static const char* const kHistory[] = {
    "Summer, in the ninth year of the Border War. The Askeling host has come over",
    "the eastern passes and means to force the River Varn before the harvest.",
    "",
    "Duke Aldric holds the west bank with his household, the town levy of Varnholm",
    "and the archers of Holt. The stone bridge at Varnholm and the ford below",
    "Ebbing are the only ways over the river for an army with horse and wagons.",
    "Caltrops have been sown on the western approach to the ford.",
    "",
    "Jarl Osric's van stands behind Askel Ridge; his horse waits by the camp",
    "south of Askel. More men are on the road behind both armies.",
    "",
    "The Askelings win by holding the bridge or the ford at the end of the battle.",
    "The Duchy wins by holding both, or by breaking the Askeling host.",
};

static void SetUpSettings(Battle& battle) {
    BattleSettings& s = battle.settings;
    s = BattleSettings{};
    s.battleName = "Varnholm Ford";
    s.iconName = "sword";
    s.maxTurns = 20;
    s.sideAName = "Duchy of Varnholm";
    s.sideBName = "Askeling Host";
    size_t line = 0;
    for (const char* text : kHistory)
        s.history[line++] = text;
    s.symbolSetName = "varnholm";
    s.mapCols = kSampleCols;
    s.mapRows = kSampleRows;
    s.gridLayout = 1;
    s.headerWord = 25;
    s.headerByte = 1;
    s.tableColour = 0;
}

QString BuildSampleBattle(Battle& battle, const Definitions& defs, const LoadedSymbolSet& set) {
    SetUpSettings(battle);
    if (!battle.InitNewBattle(nullptr))
        return QStringLiteral("no hex array");
    if (QString fault = SetVarnholmTerrainAttributes(battle, set); !fault.isEmpty())
        return fault;
    TerrainLayout map(battle);
    if (QString fault = LaySampleTerrain(map); !fault.isEmpty())
        return fault;
    if (QString fault = AddSampleFeatures(battle, map); !fault.isEmpty())
        return fault;
    if (QString fault = AddSampleForces(battle, map, defs, set.unitCount()); !fault.isEmpty())
        return fault;
    return {};
}
