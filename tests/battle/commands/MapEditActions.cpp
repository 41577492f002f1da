// The map editing tools in a random session: each action one step, as the window's edit
// call records it.
#include "EditingSession.h"

#include "HexSelection.h"
#include "MapResize.h"
#include "PathLaying.h"
#include "RegionEdits.h"

namespace {

// A road whose six pieces are symbols 4 … 9 of the session's small set.
const PathFamilies& SessionFamilies() {
    static const PathFamilies families = [] {
        std::vector<QByteArray> names = {"Open", "Woods", "Hills", "Marsh"};
        for (const char* d : kDirectionNames)
            names.push_back(QByteArray("Road ") + d);
        return PathFamilies::Find(names);
    }();
    return families;
}

} // namespace

std::vector<int> EditingSession::RandomRect() {
    return HexSelection::Rect(HexGrid::Of(battle), AnyHex(), AnyHex());
}

QString EditingSession::MapEdit() {
    const HexGrid grid = HexGrid::Of(battle);
    const unsigned layers = OneIn(3) ? kAllLayers : unsigned(1 + Below(int(kAllLayers)));
    switch (Below(6)) {
    case 0: {
        std::vector<int> path;
        for (int k = 0; k < 2 + Below(3); ++k)
            ExtendPath(grid, path, AnyHex());
        const bool remove = OneIn(4);
        return Recorded(remove ? QStringLiteral("Remove Path") : QStringLiteral("Draw Path"), [&] {
            if (remove)
                RemovePath(battle, grid, SessionFamilies(), 0, path);
            else
                LayPath(battle, grid, SessionFamilies(), 0, path, -1);
        });
    }
    case 1: { // copy (or cut) to the session's clipboard; a cut empties the hexes
        const std::vector<int> hexes = RandomRect();
        regionClipboard_ = CopyRegion(battle, hexes, layers);
        regionClipboard_.moving = OneIn(2);
        if (!regionClipboard_.moving)
            return QStringLiteral("Copy Hexes, no step");
        return Recorded(QStringLiteral("Cut Hexes"), [&] { ClearHexes(battle, hexes, layers); });
    }
    case 2: {
        const int anchor = AnyHex();
        const QString caption = Recorded(QStringLiteral("Paste Hexes"), [&] {
            if (PasteRegion(battle, regionClipboard_, anchor, layers).done)
                regionClipboard_.moving = false;
        });
        return caption + QStringLiteral(", %1 hexes").arg(regionClipboard_.cells.size());
    }
    case 3:
        return Recorded(QStringLiteral("Delete Hexes"),
                        [&] { ClearHexes(battle, RandomRect(), layers); });
    case 4: {
        const RegionTurn turn = RegionTurn(Below(3));
        return Recorded(QStringLiteral("Mirror Hexes"),
                        [&] { TurnHexes(battle, SessionFamilies(), RandomRect(), layers, turn); });
    }
    default: {
        // Small changes at every edge, now and then one the map's limits refuse.
        const ResizeEdges e{Below(5) - 2, Below(5) - 2, Below(5) - 2, Below(5) - 2};
        return Recorded(QStringLiteral("Resize Map"),
                        [&] { ApplyResize(battle, PlanResize(battle, e)); });
    }
    }
}
