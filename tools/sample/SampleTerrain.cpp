#include "SampleTerrain.h"

#include "MapPreview.h"
#include "SampleSites.h"
#include "VarnholmNumbers.h"

#include <initializer_list>

using Cells = std::vector<QPoint>;

static Cells Join(std::initializer_list<Cells> parts) {
    Cells all;
    for (const Cells& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

static QPoint Step(QPoint cell, int side) {
    return NeighbourCell(cell, side);
}

static void LayGround(TerrainLayout& map) {
    // Farmland around the villages and the town, water meadows and scrub between.
    map.SetGround(Join({Patch({6, 11}, 2), Patch({11, 12}, 1), Patch({5, 17}, 2)}), VhFields);
    map.SetGround(Join({Patch({13, 25}, 2), Patch({17, 26}, 1), Patch({14, 9}, 1)}), VhFields);
    map.SetGround(Join({Patch({35, 14}, 1), Patch({31, 9}, 1), Patch({26, 27}, 1)}), VhFields);
    map.SetGround(Join({Patch({24, 6}, 1), Patch({17, 18}, 1), Patch({25, 17}, 1)}), VhMeadow);
    map.SetGround({{9, 21}, {8, 22}, {24, 2}, {25, 2}, {37, 19}, {38, 19}, {3, 26}}, VhScrub);
    map.SetGround(Join({Patch({12, 7}, 1), Patch({36, 9}, 1)}), VhOrchard);

    // Two forests as masses, woods as smaller stands.
    map.SetGround(Join({Patch(kHoltwood, 3), Patch({7, 2}, 2), Patch({1, 8}, 2)}), VhForest);
    map.SetGround(Join({Patch(kEbbingForest, 3), Patch({32, 28}, 2), Patch({39, 22}, 2)}),
                  VhForest);
    map.SetGround(Join({Patch({13, 4}, 1), Patch({10, 3}, 1), Patch({25, 25}, 1)}), VhWoods);
    map.SetGround(Join({Patch({6, 24}, 1), Patch({37, 3}, 1), Patch({26, 10}, 1)}), VhWoods);
    map.SetGround({{2, 28}, {3, 29}, {22, 28}, {23, 28}, {8, 7}}, VhWoods);

    // Askel Ridge shields the eastern village; Gallows Hill rises south of Holt.
    map.SetGround(Join({Patch(kAskelRidge, 2), Patch({29, 19}, 1)}), VhHills);
    map.SetGround({{29, 14}, {30, 14}, {29, 15}}, VhHighHills);
    map.SetGround(Patch(kGallowsHill, 1), VhHills);
    map.SetGround({{11, 19}}, VhHighHills);
    map.SetGround(Join({Patch({36, 1}, 1), Patch({38, 2}, 1)}), VhHills);
    map.SetGround({{37, 1}}, VhHighHills);
    map.SetGround({{27, 19}, {28, 20}, {35, 20}, {36, 20}}, VhRockyGround);

    // Morr Mere with its marshy shore; fens where the stream meets the river and south
    // of the ford on the west bank.
    map.SetGround(Join({Patch({30, 6}, 2), Patch({25, 9}, 1), Patch({18, 24}, 1)}), VhMarsh);
    map.SetGround(Join({Patch(kMorrMere, 1), Patch({34, 5}, 1), {{33, 3}, {33, 6}}}), VhLake);
    map.SetGround({{30, 5}, {31, 7}}, VhShallows);

    // Settlements.
    map.SetGround({{17, 13}, {18, 12}, {18, 13}, {19, 12}, {19, 13}, {19, 14}, {16, 13}}, VhTown);
    map.SetGround(kVarnholmKeep, VhCastle);
    map.SetGround(kVarnholmChurch, VhChurch);
    map.SetGround({kHolt, {9, 14}, {8, 15}}, VhVillage);
    map.SetGround({kEbbing, {16, 22}, {15, 23}}, VhVillage);
    map.SetGround({kAskel, {34, 12}, {34, 13}}, VhVillage);
    map.SetGround(kAskelChurch, VhChurch);
    map.SetGround({kSorby, {5, 20}, {36, 7}}, VhFarmstead);
    map.SetGround(kHoltMill, VhWindmill);
    map.SetGround(kAskelCamp, VhCamp);
    map.SetGround({{24, 15}, {23, 16}}, VhRuins);
    map.SetGround({{31, 18}}, VhBurntGround);
}

// A crossing: the river passes it from north to south; the way across passes it along
// the given side and its opposite.
struct Crossing {
    QPoint cell;
    int wayIn; // the side the road or track enters from
};

static Cells RiverPath(const Crossing& bridge, const Crossing& ford) {
    return Route({{21, -1},
                  {21, 2},
                  {19, 6},
                  {20, 9},
                  Step(bridge.cell, 0),
                  bridge.cell,
                  Step(bridge.cell, 3),
                  {21, 17},
                  Step(ford.cell, 0),
                  ford.cell,
                  Step(ford.cell, 3),
                  {21, 25},
                  {19, 28},
                  {19, 30}});
}

static QString CheckCrossing(TerrainLayout& map, const Crossing& crossing, const char* what) {
    if (!map.HasPiece(crossing.cell, VhRiverFirst + 0) ||
        !map.HasPiece(crossing.cell, VhRiverFirst + 3))
        return QStringLiteral("the %1 is not on the river").arg(what);
    if (map.HasPieceOf(crossing.cell, VhRiverFirst + crossing.wayIn % 3, 1) ||
        map.HasPieceOf(crossing.cell, VhRiverFirst + crossing.wayIn % 3 + 3, 1))
        return QStringLiteral("the way across the %1 runs along the river").arg(what);
    return {};
}

QString LaySampleTerrain(TerrainLayout& map) {
    LayGround(map);

    const Crossing bridge{kBridge, 4}; // the high road, south-west to north-east
    const Crossing ford{kFord, 5};     // the ford track, north-west to south-east
    const QPoint bridgeWest = Step(bridge.cell, bridge.wayIn);
    const QPoint bridgeEast = Step(bridge.cell, (bridge.wayIn + 3) % 6);
    const QPoint fordWest = Step(ford.cell, ford.wayIn);
    const QPoint fordEast = Step(ford.cell, (ford.wayIn + 3) % 6);

    const Cells river = RiverPath(bridge, ford);
    if (!VisitsEachCellOnce(river))
        return QStringLiteral("the river crosses itself");
    for (QPoint cell : river)
        if (map.Ground(cell) != VhMarsh && map.Ground(cell) != VhTown)
            map.SetGround(cell, VhMeadow);
    map.Link(river, VhRiverFirst);

    // Morr Brook rises in the mere and joins the river above the town.
    const Cells brook = Route({{32, 6}, {28, 8}, {24, 9}, {21, 8}, {20, 9}});
    if (!map.HasPieceOf(brook.back(), VhRiverFirst, 6))
        return QStringLiteral("the brook does not reach the river");
    if (!VisitsEachCellOnce(brook))
        return QStringLiteral("the brook crosses itself");
    map.Link(brook, VhStreamFirst, VhLake);

    // The high road from the west edge through Holt and Varnholm, over the bridge, north
    // of the ridge to Askel and on to the east edge; roads north and south from the town.
    const Cells highRoad = Route({{-1, 15},
                                  kHolt,
                                  {14, 14},
                                  bridgeWest,
                                  bridge.cell,
                                  bridgeEast,
                                  {26, 12},
                                  kAskel,
                                  {40, 11}});
    const Cells northRoad = Route({bridgeWest, {18, 12}, {17, 8}, {16, 3}, {16, -1}});
    const Cells southRoad = Route({bridgeWest, {18, 15}, {17, 19}, kEbbing, {14, 26}, {13, 30}});
    for (const Cells* road : {&highRoad, &northRoad, &southRoad})
        if (!VisitsEachCellOnce(*road))
            return QStringLiteral("a road crosses itself");

    // Tracks: Ebbing over the ford to Sorby and up to Askel; Holt to the mill and to the
    // woods; Askel to the farm by the mere.
    const Cells fordTrack =
        Route({{16, 22}, fordWest, ford.cell, fordEast, kSorby, {32, 20}, {34, 13}});
    const Cells millTrack = Route({{8, 15}, {10, 16}, kHoltMill});
    const Cells woodTrack = Route({kHolt, {7, 9}, {6, 6}});
    const Cells mereTrack = Route({kAskelChurch, {35, 8}, {36, 7}});
    const Cells campTrack = Route({{34, 13}, kAskelCamp, {39, 17}, {40, 17}});
    for (const Cells* track : {&fordTrack, &millTrack, &woodTrack, &mereTrack, &campTrack})
        if (!VisitsEachCellOnce(*track))
            return QStringLiteral("a track crosses itself");

    for (const Cells* road : {&highRoad, &northRoad, &southRoad})
        map.Link(*road, VhRoadFirst);
    for (const Cells* track : {&fordTrack, &millTrack, &woodTrack, &mereTrack, &campTrack})
        map.Link(*track, VhTrackFirst);

    if (QString e = CheckCrossing(map, bridge, "bridge"); !e.isEmpty())
        return e;
    if (QString e = CheckCrossing(map, ford, "ford"); !e.isEmpty())
        return e;
    map.AddPiece(bridge.cell, VhBridgeFirst + bridge.wayIn % 3);
    map.AddPiece(ford.cell, VhFordFirst + ford.wayIn % 3);

    // The keep's curtain wall on its outer sides, a wall around the town's west, and the
    // eastern camp's palisade.
    for (int side : {0, 4, 5})
        map.AddPiece(kVarnholmKeep, VhWallFirst + side);
    map.AddPiece({16, 13}, VhWallFirst + 4);
    map.AddPiece({16, 13}, VhWallFirst + 3);
    map.AddPiece({17, 13}, VhWallFirst + 3);
    for (int side : {1, 2, 3, 4})
        map.AddPiece(kAskelCamp, VhPalisadeFirst + side);

    if (map.refusals() > 0)
        return QStringLiteral("%1 pieces found no free slot").arg(map.refusals());
    return {};
}
