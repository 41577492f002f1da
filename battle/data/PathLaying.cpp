#include "PathLaying.h"

#include "Battle.h"
#include "HexValues.h"

#include <algorithm>
#include <set>

void ExtendPath(const HexGrid& grid, std::vector<int>& path, int hex) {
    if (hex < 0 || hex >= grid.hexCount())
        return;
    if (path.empty()) {
        path.push_back(hex);
        return;
    }
    if (path.back() == hex)
        return;
    const std::vector<int> line = grid.Line(path.back(), hex);
    path.insert(path.end(), line.begin() + std::min<size_t>(1, line.size()), line.end());
}

namespace {

bool HasSecondary(const HexRecord& x, int symbol) {
    return std::find(x.secondaryTerrain.begin(), x.secondaryTerrain.end(), symbol) !=
           x.secondaryTerrain.end();
}

void Note(QStringList& list, const QString& text) {
    if (!list.contains(text))
        list.append(text);
}

class PieceWriter {
public:
    PieceWriter(Battle& battle, PathOutcome& out) : battle_(battle), out_(out) {}

    // Puts the symbol into the hex's first free secondary slot unless it is there.
    void Put(int hex, int symbol, const QString& name) {
        if (symbol == kNoSymbol) {
            Note(out_.missingPieces, name);
            return;
        }
        const HexRecord& x = battle_.hex(hex);
        if (HasSecondary(x, symbol))
            return;
        for (int slot = 1; slot <= kSecondarySlots; ++slot)
            if (!IsTerrainSymbol(x.terrainSlot(slot))) {
                battle_.SetTerrainSlot(hex, slot, symbol);
                ++out_.piecesLaid;
                changed_.insert(hex);
                return;
            }
        Note(out_.fullHexes, QStringLiteral("Hex:") + HexLabel(battle_, hex));
    }

    // Empties every slot of the hex for which `match` holds; the directions it held.
    template <class Match> void Take(int hex, Match match) {
        for (int slot = 1; slot <= kSecondarySlots; ++slot)
            if (match(battle_.hex(hex).terrainSlot(slot))) {
                battle_.SetTerrainSlot(hex, slot, kNoSymbol);
                ++out_.piecesRemoved;
                changed_.insert(hex);
            }
    }

    void Finish() { out_.changedHexes.assign(changed_.begin(), changed_.end()); }

private:
    Battle& battle_;
    PathOutcome& out_;
    std::set<int> changed_;
};

// The crossing's axis where the way runs from edge `in` to edge `out`: straight through
// along their axis, at a bend along the leg that does not run with the water; -1 where
// the way runs with the water.
int CrossingAxis(int in, int out, const HexRecord& x, const PathFamilies& families) {
    for (int axis : {out % 3, in % 3}) {
        bool alongWater = false;
        for (int s : x.secondaryTerrain) {
            const PieceRef ref = families.PieceOf(s);
            alongWater = alongWater || (ref.kind == PieceRef::Path &&
                                        families.families()[size_t(ref.family)].water &&
                                        ref.direction % 3 == axis);
        }
        if (!alongWater)
            return axis;
    }
    return -1;
}

bool HoldsWater(const HexRecord& x, const PathFamilies& families) {
    return std::any_of(x.secondaryTerrain.begin(), x.secondaryTerrain.end(), [&](int s) {
        const PieceRef ref = families.PieceOf(s);
        return ref.kind == PieceRef::Path && families.families()[size_t(ref.family)].water;
    });
}

} // namespace

QString PathOutcome::Summary(const QString& family) const {
    QString text;
    if (piecesRemoved > 0)
        text = QStringLiteral("%1: %2 pieces removed.").arg(family).arg(piecesRemoved);
    else
        text = QStringLiteral("%1: %2 pieces laid.").arg(family).arg(piecesLaid);
    if (!fullHexes.isEmpty())
        text += QStringLiteral(" Skipped full hexes (six secondary terrains): %1.")
                    .arg(fullHexes.join(QStringLiteral(", ")));
    if (!missingPieces.isEmpty())
        text += QStringLiteral(" The set has no %1.").arg(missingPieces.join(QStringLiteral(", ")));
    return text;
}

PathOutcome LayPath(Battle& battle, const HexGrid& grid, const PathFamilies& families, int family,
                    const std::vector<int>& path, int crossing) {
    PathOutcome out;
    if (family < 0 || family >= int(families.families().size()))
        return out;
    const PathFamily& f = families.families()[size_t(family)];
    PieceWriter writer(battle, out);
    const auto piece = [&](int hex, int d) {
        writer.Put(hex, f.pieces[size_t(d)], f.name + ' ' + kDirectionNames[size_t(d)]);
    };
    std::set<int> crossed;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const int d = grid.DirectionTo(path[i], path[i + 1]);
        if (d < 0)
            continue;
        piece(path[i], d);
        piece(path[i + 1], OppositeDirection(d));
        if (i == 0 || crossing < 0 || crossing >= int(families.crossings().size()))
            continue;
        // The way passes through path[i]: a crossing where it holds water.
        const int at = path[i];
        const HexRecord& x = battle.hex(at);
        const int in = grid.DirectionTo(at, path[i - 1]);
        if (in < 0 || !HoldsWater(x, families) || !crossed.insert(at).second)
            continue;
        const CrossingFamily& c = families.crossings()[size_t(crossing)];
        const bool hasCrossing = std::any_of(c.pieces.begin(), c.pieces.end(), [&](int s) {
            return s != kNoSymbol && HasSecondary(x, s);
        });
        const int axis = CrossingAxis(in, d, x, families);
        if (!hasCrossing && axis >= 0)
            writer.Put(at, c.pieces[size_t(axis)], c.name + ' ' + kAxisNames[size_t(axis)]);
    }
    writer.Finish();
    return out;
}

PathOutcome RemovePath(Battle& battle, const HexGrid& grid, const PathFamilies& families,
                       int family, const std::vector<int>& path) {
    PathOutcome out;
    if (family < 0 || family >= int(families.families().size()))
        return out;
    const PathFamily& f = families.families()[size_t(family)];
    PieceWriter writer(battle, out);
    const std::set<int> on(path.begin(), path.end());
    const auto ofFamily = [&](int s) {
        const PieceRef ref = families.PieceOf(s);
        return (ref.kind == PieceRef::Path && ref.family == family) ||
               (ref.kind == PieceRef::Crossing && ref.family == f.crossing);
    };
    for (int hex : on) {
        if (!battle.IsHex(hex))
            continue;
        for (int d = 0; d < kDirections; ++d) {
            const int n = grid.Neighbour(hex, d);
            const int towards = f.pieces[size_t(d)];
            if (n == kNoHex || on.count(n) || towards == kNoSymbol ||
                !HasSecondary(battle.hex(hex), towards))
                continue;
            const int back = f.pieces[size_t(OppositeDirection(d))];
            writer.Take(n, [back](int s) { return s == back; });
        }
        writer.Take(hex, ofFamily);
    }
    writer.Finish();
    return out;
}
