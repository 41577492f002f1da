#include "HexRegion.h"

#include "Battle.h"
#include "PathFamilies.h"

#include <algorithm>
#include <climits>

QString RegionLayerName(int bit) {
    static const char* const kNames[kRegionLayerCount] = {
        "Primary Terrain", "Secondary Terrain", "Caltrops", "Structures",
        "Objectives",      "Map Texts",         "Units"};
    return bit >= 0 && bit < kRegionLayerCount ? QString::fromLatin1(kNames[bit]) : QString();
}

HexRegion CopyRegion(const Battle& battle, const std::vector<int>& chosen, unsigned layers) {
    std::vector<int> hexes = chosen;
    std::sort(hexes.begin(), hexes.end());
    hexes.erase(std::unique(hexes.begin(), hexes.end()), hexes.end());
    HexRegion region;
    region.setName = battle.settings.symbolSetName.bytes();
    const HexGrid grid = HexGrid::Of(battle);
    region.layout = grid.layout;
    region.layers = layers & kAllLayers;
    ColRow anchor{INT_MAX, INT_MAX};
    for (int h : hexes) {
        if (!battle.IsHex(h))
            continue;
        anchor.col = std::min(anchor.col, grid.colRow(h).col);
        anchor.row = std::min(anchor.row, grid.colRow(h).row);
    }
    const Cube origin = grid.ToCube(anchor);
    for (int h : hexes) {
        if (!battle.IsHex(h))
            continue;
        const HexRecord& x = battle.hex(h);
        RegionCell cell;
        cell.offset = grid.CubeOf(h) - origin;
        cell.primaryTerrain = layers & LayerPrimary ? x.primaryTerrain : kNoSymbol;
        cell.secondaryTerrain.fill(kNoSymbol);
        if (layers & LayerSecondary)
            cell.secondaryTerrain = x.secondaryTerrain;
        if (layers & LayerCaltrops)
            cell.caltropsMarker = x.caltropsMarker;
        if (layers & LayerUnits) {
            cell.reinforcementMarker = x.reinforcementMarker;
            if (x.unitNo != 0) {
                const UnitRecord& u = battle.unit(x.unitNo);
                region.units.add(u, x.unitNo);
                const auto& wings = battle.wingNames();
                region.unitWings.push_back(
                    u.wing >= 0 && u.wing < int(wings.size()) ? wings[size_t(u.wing)] : WingName());
                cell.unit = region.units.size();
            }
        }
        if ((layers & LayerStructures) && x.structureNo != 0) {
            region.structures.add(battle.structures()[x.structureNo], x.structureNo);
            cell.structure = region.structures.size();
        }
        if ((layers & LayerObjectives) && x.objectiveNo != 0) {
            region.objectives.add(battle.objectives()[x.objectiveNo], x.objectiveNo);
            cell.objective = region.objectives.size();
        }
        if ((layers & LayerMapTexts) && x.mapTextNo != 0) {
            region.mapTexts.add(battle.mapTexts()[x.mapTextNo], x.mapTextNo);
            cell.mapText = region.mapTexts.size();
        }
        region.cells.push_back(cell);
    }
    return region;
}

std::vector<int> RegionTargets(const HexRegion& region, const HexGrid& grid, Cube anchor) {
    std::vector<int> targets;
    targets.reserve(region.cells.size());
    for (const RegionCell& cell : region.cells)
        targets.push_back(grid.HexOfCube(anchor + cell.offset));
    return targets;
}

std::vector<int> RegionTargets(const HexRegion& region, const HexGrid& grid, int anchor) {
    if (anchor < 0 || anchor >= grid.hexCount())
        return std::vector<int>(region.cells.size(), kNoHex);
    return RegionTargets(region, grid, grid.CubeOf(anchor));
}

ColRow RegionSpan(const HexRegion& region, const HexGrid& grid, Cube origin) {
    if (region.cells.empty())
        return {};
    ColRow low{INT_MAX, INT_MAX}, high{INT_MIN, INT_MIN};
    for (const RegionCell& cell : region.cells) {
        const ColRow p = grid.FromCube(origin + cell.offset);
        low = {std::min(low.col, p.col), std::min(low.row, p.row)};
        high = {std::max(high.col, p.col), std::max(high.row, p.row)};
    }
    return {high.col - low.col + 1, high.row - low.row + 1};
}

namespace {

// Map text places (below centred, above centred, below right, above right, above left,
// below left, left centred, right centred) after each turn.
int TurnedTextPlace(RegionTurn turn, int place) {
    static constexpr int kLeftRight[9] = {0, 1, 2, 6, 5, 4, 3, 8, 7};
    static constexpr int kTopBottom[9] = {0, 2, 1, 4, 3, 6, 5, 7, 8};
    static constexpr int kHalf[9] = {0, 2, 1, 5, 6, 3, 4, 8, 7};
    if (place < 1 || place > 8)
        return place;
    switch (turn) {
    case RegionTurn::MirrorLeftRight:
        return kLeftRight[place];
    case RegionTurn::MirrorTopBottom:
        return kTopBottom[place];
    default:
        return kHalf[place];
    }
}

} // namespace

void TurnRegion(HexRegion& region, RegionTurn turn, const PathFamilies& families,
                QStringList* missing) {
    const auto turnPiece = [&](int symbol) {
        const PieceRef ref = families.PieceOf(symbol);
        if (ref.kind == PieceRef::None)
            return symbol;
        const int d = ref.kind == PieceRef::Path
                          ? TurnedDirection(region.layout, turn, ref.direction)
                          : TurnedAxis(region.layout, turn, ref.direction);
        const int turned = families.WithDirection(symbol, d);
        if (turned == kNoSymbol && missing) {
            const QString name =
                ref.kind == PieceRef::Path
                    ? families.families()[size_t(ref.family)].name + ' ' +
                          kDirectionNames[size_t(d)]
                    : families.crossings()[size_t(ref.family)].name + ' ' + kAxisNames[size_t(d)];
            if (!missing->contains(name))
                missing->append(name);
        }
        return turned;
    };
    // The new top left, as the region would lie with its anchor on the map's first hex.
    const HexGrid grid{kMaxMapSide, kMaxMapSide, region.layout};
    ColRow low{INT_MAX, INT_MAX};
    for (RegionCell& cell : region.cells) {
        cell.offset = Turned(region.layout, turn, cell.offset);
        for (int& s : cell.secondaryTerrain)
            s = turnPiece(s);
        const ColRow p = grid.FromCube(cell.offset);
        low = {std::min(low.col, p.col), std::min(low.row, p.row)};
    }
    const Cube anchor = grid.ToCube(low);
    for (RegionCell& cell : region.cells)
        cell.offset = cell.offset - anchor;
    // A structure keeps its picture when the set has no mirrored one.
    for (StructureRecord& s : region.structures.records)
        if (const int turned = turnPiece(s.symbol); turned != kNoSymbol)
            s.symbol = turned;
    for (MapTextRecord& t : region.mapTexts.records)
        for (uint8_t& place : t.orientation)
            place = uint8_t(TurnedTextPlace(turn, place));
}
