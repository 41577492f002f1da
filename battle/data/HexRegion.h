#pragma once
// A part of the map taken out as a whole: the chosen layers of some hexes with the records
// that stand on them. Positions are kept as cube steps from the region's anchor (the top
// left of the hexes it was taken from), so the region can be put down anywhere, mirrored
// or turned, and still lands on hexes of the same shape: a road in it stays connected.

#include "BattleRecords.h"
#include "HexGrid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class Battle;
class PathFamilies;

enum RegionLayer : unsigned {
    LayerPrimary = 1,
    LayerSecondary = 2,
    LayerCaltrops = 4,
    LayerStructures = 8,
    LayerObjectives = 16,
    LayerMapTexts = 32,
    LayerUnits = 64, // with the reinforcement markers of their hexes
    kAllLayers = 127,
};
constexpr int kRegionLayerCount = 7;
// "Primary Terrain", "Secondary Terrain", ... for layer bit i.
QString RegionLayerName(int bit);

// The records of one kind in a region, with the numbers they had in the battle they came
// from: put back after a cut, they take those numbers again.
template <class Record> struct RegionRecords {
    std::vector<Record> records;
    std::vector<int> numbers;
    int size() const { return int(records.size()); }
    void add(const Record& r, int number) {
        records.push_back(r);
        numbers.push_back(number);
    }
    bool operator==(const RegionRecords&) const = default;
};

struct RegionCell {
    Cube offset; // from the anchor
    int primaryTerrain = 0;
    std::array<int, kSecondarySlots> secondaryTerrain{};
    int caltropsMarker = 0;
    int reinforcementMarker = 0;
    // Positions in the region's record lists plus one; 0 = none.
    int unit = 0;
    int structure = 0;
    int objective = 0;
    int mapText = 0;
    bool operator==(const RegionCell&) const = default;
};

struct HexRegion {
    QByteArray setName; // the symbol set of the battle it was taken from
    int layout = LayoutVertical;
    unsigned layers = 0; // the layers it holds
    bool moving = false; // taken by a cut: its records keep their numbers when put back
    std::vector<RegionCell> cells;
    RegionRecords<UnitRecord> units;
    std::vector<WingName> unitWings; // the name of each unit's wing
    RegionRecords<StructureRecord> structures;
    RegionRecords<ObjectiveRecord> objectives;
    RegionRecords<MapTextRecord> mapTexts;

    bool empty() const { return cells.empty(); }
    bool operator==(const HexRegion&) const = default;
};

// The given hexes of the battle with the chosen layers.
HexRegion CopyRegion(const Battle& battle, const std::vector<int>& hexes, unsigned layers);

// Where each cell lands when the anchor is put on `anchor` (kNoHex: off the map). The
// anchor may lie off the map as a position, so that a region can hang over any edge.
std::vector<int> RegionTargets(const HexRegion& region, const HexGrid& grid, Cube anchor);
std::vector<int> RegionTargets(const HexRegion& region, const HexGrid& grid, int anchor);
// Columns and rows the region spans when its anchor is at `anchor`.
ColRow RegionSpan(const HexRegion& region, const HexGrid& grid, Cube anchor);

// Mirrors or turns the region. Direction pieces (secondary terrain and structure symbols)
// become the pieces of the mirrored directions, map texts change sides; the anchor moves
// to the new top left. The pieces the set lacks are named in `missing`.
void TurnRegion(HexRegion& region, RegionTurn turn, const PathFamilies& families,
                QStringList* missing = nullptr);
