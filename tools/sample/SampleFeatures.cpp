#include "SampleFeatures.h"

#include "MapPreview.h"
#include "SampleSites.h"
#include "VarnholmNumbers.h"

static QString AddObjectives(Battle& battle, const TerrainLayout& map) {
    const struct {
        QPoint cell;
        const char* name;
        int points;
    } objectives[] = {
        {kBridge, "Varnholm Bridge", 60},
        {kFord, "Ebbing Ford", 40},
    };
    for (const auto& o : objectives) {
        ObjectiveRecord r;
        r.name = o.name;
        r.victoryPoints = o.points;
        if (battle.AddObjective(r, map.HexOf(o.cell)) == 0)
            return QStringLiteral("objective %1 refused").arg(o.name);
    }
    return {};
}

// Structures draw a transparent symbol over their hex: the bridge itself, stretches of
// wall and palisade.
static QString AddStructures(Battle& battle, const TerrainLayout& map) {
    const struct {
        QPoint cell;
        const char* name;
        int symbol, side, supply, height, defence;
    } structures[] = {
        {kBridge, "Varnholm Bridge", VhBridgeFirst + 1, 1, 0, 0, 1},
        {kVarnholmKeep, "Varnholm Keep", VhWallFirst + 5, 1, 60, 4, 5},
        {{16, 13}, "West Gate", VhWallFirst + 4, 1, 20, 2, 3},
        {kAskelCamp, "Askeling Camp", VhPalisadeFirst + 2, 2, 80, 1, 2},
        {NeighbourCell(kFord, 5), "Ford Breastwork", VhPalisadeFirst + 1, 1, 0, 1, 2},
    };
    for (const auto& s : structures) {
        StructureRecord r;
        r.name = s.name;
        r.symbol = s.symbol;
        r.side = s.side;
        r.supplyLevel = s.supply;
        r.height = s.height;
        r.defenceModifier = s.defence;
        if (battle.AddStructure(r, map.HexOf(s.cell)) == 0)
            return QStringLiteral("structure %1 refused").arg(s.name);
    }
    return {};
}

// Colours with red in the low byte.
constexpr uint32_t Rgb(int r, int g, int b) {
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

static QString AddMapTexts(Battle& battle, const TerrainLayout& map) {
    enum Kind { Town, Village, Water, Land, Forest };
    const struct Look {
        uint32_t colour;
        std::array<uint8_t, 3> size;
        uint8_t style; // 9 plus bold 16, italic 32
    } looks[] = {
        {Rgb(24, 20, 16), {8, 11, 15}, 9 + 16},        {Rgb(40, 32, 24), {7, 9, 12}, 9 + 16},
        {Rgb(16, 48, 120), {7, 9, 12}, 9 + 32},        {Rgb(72, 40, 16), {7, 9, 12}, 9 + 32},
        {Rgb(236, 226, 170), {7, 9, 12}, 9 + 16 + 32}, // pale, to read over dark trees
    };
    // Placement per zoom level: 1 lower centre, 2 upper centre, 3 lower right, 4 upper
    // right, 5 upper left, 6 lower left, 7 centre left, 8 centre right.
    const struct {
        QPoint cell;
        const char* text;
        Kind kind;
        std::array<uint8_t, 3> placement;
    } texts[] = {
        {kVarnholmKeep, "Varnholm", Town, {7, 7, 7}},
        {{8, 13}, "Holt", Village, {2, 2, 2}},
        {{15, 23}, "Ebbing", Village, {1, 1, 1}},
        {{34, 13}, "Askel", Village, {1, 1, 1}},
        {kSorby, "Sorby", Village, {1, 1, 1}},
        {{22, 4}, "River Varn", Water, {8, 8, 8}},
        {{33, 6}, "Morr Mere", Water, {1, 1, 1}},
        {{23, 23}, "Ebbing Ford", Water, {1, 1, 1}},
        {{3, 1}, "Holtwood", Forest, {1, 1, 1}},
        {{35, 24}, "Ebbing Forest", Forest, {2, 2, 2}},
        {{30, 17}, "Askel Ridge", Land, {8, 8, 8}},
        {{11, 20}, "Gallows Hill", Land, {1, 1, 1}},
    };
    for (const auto& t : texts) {
        const Look& look = looks[t.kind];
        MapTextRecord r;
        r.text = t.text;
        r.fontName = "DejaVu Serif";
        r.colour = look.colour;
        r.fontSize = look.size;
        r.orientation = t.placement;
        r.style = look.style;
        if (battle.AddMapText(r, map.HexOf(t.cell)) == 0)
            return QStringLiteral("map text %1 refused").arg(t.text);
    }
    return {};
}

// Caltrops sown on the western approach to the ford.
static void SowCaltrops(Battle& battle, const TerrainLayout& map) {
    const int marker = battle.markerTable[MarkerCaltrops];
    const QPoint west = NeighbourCell(kFord, 5);
    for (QPoint cell : {NeighbourCell(west, 0), NeighbourCell(west, 4), NeighbourCell(kFord, 4)})
        battle.SetCaltropsMarker(map.HexOf(cell), marker);
}

QString AddSampleFeatures(Battle& battle, const TerrainLayout& map) {
    if (QString fault = AddObjectives(battle, map); !fault.isEmpty())
        return fault;
    if (QString fault = AddStructures(battle, map); !fault.isEmpty())
        return fault;
    if (QString fault = AddMapTexts(battle, map); !fault.isEmpty())
        return fault;
    SowCaltrops(battle, map);
    return {};
}
