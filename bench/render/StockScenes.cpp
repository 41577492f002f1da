#include "StockScenes.h"

#include "VarnholmBuilder.h"
#include "VarnholmNumbers.h"

#include <QTemporaryDir>

#include <cstdio>

bool LoadStockSet(LoadedSymbolSet& set) {
    QTemporaryDir folder;
    const SetResult built = BuildVarnholmSet(folder.path() + "/varnholm.set");
    if (!built) {
        std::fprintf(stderr, "varnholm: %s\n", qPrintable(built.message));
        return false;
    }
    const auto report = [](const QString& caption, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    };
    return LoadSymbolSet(folder.path(), QStringLiteral("varnholm"), set, report);
}

namespace {

// A fixed scatter of whole numbers, the same on every run.
unsigned Scatter(unsigned h, unsigned salt) {
    unsigned x = h * 2654435761u + salt * 40503u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

constexpr int kGrounds[] = {VhOpenGround, VhFields, VhWoods,  VhForest,  VhHills,
                            VhMarsh,      VhScrub,  VhMeadow, VhOrchard, VhRockyGround};
constexpr int kFeatures[] = {VhVillage, VhChurch, VhWindmill, VhCamp, VhFarmstead, VhRuins};

int Piece(unsigned pick) {
    // A river, stream, road, track, wall or palisade piece towards one edge.
    constexpr int kFirst[] = {VhRiverFirst, VhStreamFirst, VhRoadFirst,
                              VhTrackFirst, VhWallFirst,   VhPalisadeFirst};
    return kFirst[pick % 6] + int(pick / 6 % 6);
}

} // namespace

void MakeStockBattle(Battle& battle, int cols, int rows, SceneDensity density) {
    battle.settings.mapCols = cols;
    battle.settings.mapRows = rows;
    battle.settings.symbolSetName = "varnholm";
    battle.InitNewBattle({});
    const int hexes = battle.hexCount();
    for (int h = 0; h < hexes; ++h) {
        const unsigned u = unsigned(h);
        battle.SetTerrainSlot(h, 0, kGrounds[Scatter(u, 1) % std::size(kGrounds)]);
        if (density == SceneDensity::Sample) {
            if (Scatter(u, 2) % 3 == 0)
                battle.SetTerrainSlot(h, 1, Piece(Scatter(u, 3)));
            continue;
        }
        for (int slot = 1; slot <= 6; ++slot)
            battle.SetTerrainSlot(h, slot,
                                  slot == 6 ? kFeatures[Scatter(u, 9) % std::size(kFeatures)]
                                            : Piece(Scatter(u, unsigned(slot) + 3)));
        battle.SetCaltropsMarker(h, VhCaltrops);
    }
    const int unitCount = density == SceneDensity::Sample ? hexes / 45 : kMaxUnits;
    const int unitStep = std::max(1, hexes / std::max(unitCount, 1));
    for (int i = 0; i < unitCount && i < kMaxUnits; ++i) {
        UnitRecord unit;
        unit.side = 1 + i % 2;
        unit.symbol = int(Scatter(unsigned(i), 5) % VhUnitCount);
        battle.AddUnit(unit,
                       (i * unitStep + int(Scatter(unsigned(i), 6) % unsigned(unitStep))) % hexes);
    }
    if (density == SceneDensity::EveryLayer) {
        for (int i = 0; i < kMaxObjectives; ++i)
            battle.AddObjective(ObjectiveRecord(), (i * (hexes / kMaxObjectives) + 17) % hexes);
        for (int i = 0; i < kMaxStructures; ++i) {
            StructureRecord structure;
            structure.symbol = kFeatures[i % std::size(kFeatures)];
            battle.AddStructure(structure, (i * (hexes / kMaxStructures) + 29) % hexes);
        }
    }
}
