#include "VarnholmAttributes.h"

#include "VarnholmNumbers.h"

TerrainFigures VarnholmTerrainFigures(int symbol) {
    // Pieces along edges and crossings share the figures of their family. A lake costs
    // more than any unit can pay (13 reads as no entry); the river likewise, except at
    // the bridge and the ford drawn over it.
    const auto in = [symbol](int first, int count) {
        return symbol >= first && symbol < first + count;
    };
    if (in(VhRiverFirst, 6))
        return {0, 13, -3};
    if (in(VhStreamFirst, 6))
        return {0, 3, -1};
    if (in(VhRoadFirst, 6))
        return {0, 1, 0};
    if (in(VhTrackFirst, 6))
        return {0, 1, 0};
    if (in(VhBridgeFirst, 3))
        return {0, 1, -1};
    if (in(VhFordFirst, 3))
        return {0, 4, -2};
    if (in(VhWallFirst, 6))
        return {1, 3, 4};
    if (in(VhPalisadeFirst, 6))
        return {1, 2, 3};
    switch (symbol) {
    case VhOpenGround:
        return {0, 1, 0};
    case VhFields:
        return {0, 2, 0};
    case VhWoods:
        return {0, 3, 2};
    case VhForest:
        return {0, 5, 3};
    case VhHills:
        return {2, 3, 2};
    case VhHighHills:
        return {4, 5, 3};
    case VhMarsh:
        return {0, 5, -2};
    case VhLake:
        return {0, 13, 0};
    case VhScrub:
        return {0, 2, 1};
    case VhMeadow:
        return {0, 1, 0};
    case VhVillage:
        return {0, 2, 3};
    case VhTown:
        return {0, 2, 4};
    case VhChurch:
        return {1, 2, 4};
    case VhCastle:
        return {2, 4, 6};
    case VhRuins:
        return {0, 3, 2};
    case VhOrchard:
        return {0, 2, 1};
    case VhWindmill:
        return {1, 2, 2};
    case VhCamp:
        return {0, 1, 1};
    case VhShallows:
        return {0, 4, -2};
    case VhRockyGround:
        return {1, 3, 1};
    case VhFarmstead:
        return {0, 2, 2};
    case VhBurntGround:
        return {0, 1, 0};
    default:
        return {}; // the special markers: drawn only
    }
}

QString SetVarnholmTerrainAttributes(Battle& battle, const LoadedSymbolSet& set) {
    if (set.terrainCount() != VhTerrainCount)
        return QStringLiteral("the set has %1 terrain symbols, not %2")
            .arg(set.terrainCount())
            .arg(VhTerrainCount);
    battle.terrainAttrs.fill(TerrainAttr{});
    for (int s = 0; s < VhTerrainCount; ++s) {
        const TerrainFigures f = VarnholmTerrainFigures(s);
        TerrainAttr& a = battle.terrainAttrs[size_t(s)];
        a.name.assign(QByteArrayView(set.table(SymbolKind::Terrain)[size_t(s)].name));
        a.elevation = f.elevation;
        a.costPerMove = f.costPerMove;
        a.defenceModifier = f.defenceModifier;
    }
    return {};
}
