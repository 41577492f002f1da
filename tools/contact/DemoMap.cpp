// Draws a small battlefield from the standard set at one level, to judge how the pieces
// join across hexes: a river with a bridge and a ford, roads, a walled town, woods and
// hills, both sides' pieces and the special markers.
// Usage: fm_map_preview <varnholm.set> <level 1-3> <out.png> [enlargement]

#include "MapPreview.h"
#include "ToolFiles.h"
#include "VarnholmNumbers.h"

#include <QGuiApplication>

#include <cstdio>

// The cells from `start` stepping across the given edges.
static std::vector<QPoint> Walk(QPoint start, std::initializer_list<int> sides) {
    std::vector<QPoint> cells{start};
    for (int side : sides)
        cells.push_back(NeighbourCell(cells.back(), side));
    return cells;
}

static PreviewMap DemoBattlefield() {
    PreviewMap map(14, 10);
    map.overlay = VhMapOverlay;
    const auto put = [&](int c, int r, int terrain) { map.at({c, r}).primary = terrain; };
    for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {0, 2}})
        put(c, r, VhForest);
    for (auto [c, r] : {std::pair{2, 1}, {3, 0}, {1, 2}, {3, 1}})
        put(c, r, VhWoods);
    for (auto [c, r] : {std::pair{10, 1}, {11, 1}, {11, 2}, {12, 1}})
        put(c, r, VhHills);
    put(11, 0, VhHighHills);
    put(12, 0, VhHighHills);
    for (auto [c, r] : {std::pair{1, 7}, {2, 7}, {1, 8}, {2, 8}, {3, 8}})
        put(c, r, VhFields);
    for (auto [c, r] : {std::pair{8, 7}, {9, 8}, {8, 8}})
        put(c, r, VhMarsh);
    put(9, 9, VhLake);
    put(10, 9, VhLake);
    put(10, 8, VhShallows);
    put(4, 5, VhVillage);
    put(3, 6, VhChurch);
    put(11, 4, VhTown);
    put(12, 5, VhTown);
    put(11, 5, VhCastle);
    put(6, 1, VhRuins);
    put(13, 8, VhWindmill);
    put(5, 8, VhOrchard);
    put(4, 2, VhMeadow);
    put(8, 1, VhScrub);
    put(0, 6, VhCamp);
    put(12, 8, VhFarmstead);
    put(9, 0, VhRockyGround);
    put(5, 3, VhBurntGround);

    // The river from the north edge to the lake, a stream joining it, a road west to east
    // over two bridges, and a track from the village to a ford.
    LinkPath(map, Walk({6, -1}, {3, 3, 2, 3, 3, 2, 3, 2, 3, 3, 3}), VhRiverFirst);
    map.at({9, 8}).secondary.push_back(VhRiverFirst + 3);
    LinkPath(map, Walk({13, 1}, {4, 4, 3, 4, 4, 4}), VhStreamFirst);
    LinkPath(map, Walk({-1, 5}, {1, 2, 1, 2, 1, 1, 1, 1, 1, 2, 2, 2, 2, 1, 1}), VhRoadFirst);
    LinkPath(map, Walk({4, 5}, {3, 2, 2, 2, 2, 1, 1}), VhTrackFirst);
    map.at({7, 3}).secondary.push_back(VhBridgeFirst + 1);
    map.at({10, 4}).secondary.push_back(VhBridgeFirst + 2);
    map.at({9, 7}).secondary.push_back(VhFordFirst + 1);
    for (int side : {0, 5})
        map.at({11, 4}).secondary.push_back(VhWallFirst + side);
    for (int side : {0, 1, 2})
        map.at({12, 5}).secondary.push_back(VhWallFirst + side);
    for (int side : {3, 4, 5})
        map.at({0, 6}).secondary.push_back(VhPalisadeFirst + side);
    map.at({6, 6}).secondary.push_back(VhCaltrops);
    map.at({5, 4}).secondary.push_back(VhObjective);
    map.at({1, 3}).secondary.push_back(VhWesternReinforcement);
    map.at({13, 3}).secondary.push_back(VhEasternReinforcement);

    const int west[8] = {VhFoot,       VhArchers,    VhCrossbowmen, VhMenAtArms,
                         VhLightHorse, VhHeavyHorse, VhLeader,      VhSupplyWagon};
    const QPoint westAt[8] = {{4, 4}, {3, 4}, {3, 3}, {5, 4}, {4, 3}, {2, 5}, {3, 5}, {1, 6}};
    const QPoint eastAt[8] = {{9, 3}, {10, 3}, {9, 2}, {10, 5}, {10, 2}, {10, 6}, {11, 3}, {12, 4}};
    for (int i = 0; i < 8; ++i) {
        map.at(westAt[i]).unit = west[i];
        map.at(eastAt[i]).unit = west[i] + VhEasternFirst;
    }
    return map;
}

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <set file> <level 1-3> <out.png> [enlargement]\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    SetPictures pictures;
    if (SetResult r = LoadSetPictures(QString::fromLocal8Bit(argv[1]), pictures); !r) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(r.message));
        return 1;
    }
    const int level = std::clamp(std::atoi(argv[2]), 1, 3);
    const int enlargement = argc == 5 ? std::clamp(std::atoi(argv[4]), 1, 8) : 1;
    QImage map = RenderPreview(pictures, DemoBattlefield(), level, qRgb(40, 44, 36));
    map = map.scaled(map.size() * enlargement); // pixel replication, to see single pixels
    return SavePngFile(QString::fromLocal8Bit(argv[3]), map) ? 0 : 1;
}
