// The terrain checks: the battle's terrain attributes, symbol numbers the set lacks, a piece
// laid twice in one hex, and path pieces (roads, rivers, walls, …) that do not meet their
// neighbour's piece.

#include "Battle.h"
#include "BattleCheckParts.h"
#include "HexSteps.h"
#include "HexValues.h"

#include <QHash>

namespace {

// Directions 1 … 6 of HexNeighbour, by the words that end a path piece's name.
constexpr const char* kDirectionNames[6] = {"North", "North-East", "South-East",
                                            "South", "South-West", "North-West"};

struct PathPiece {
    int direction = 0; // 1 … 6; 0 = the symbol is no path piece
    int opposite = -1; // the family's piece pointing back, or -1 when the set has none
    QByteArray oppositeName;
};

// The set's path pieces, by symbol: every terrain symbol named "<Family> <Direction>" with
// one of the six directions. The pieces of a family meet when a piece points to a
// neighbour whose piece of the same family points back.
std::vector<PathPiece> FindPathPieces(const std::vector<QByteArray>& names) {
    std::vector<PathPiece> pieces(names.size());
    QHash<QByteArray, std::array<int, 6>> families;
    std::vector<QByteArray> familyOf(names.size());
    static const std::array<QByteArray, 6> suffixes = [] {
        std::array<QByteArray, 6> words;
        for (size_t d = 0; d < 6; ++d)
            words[d] = QByteArray(" ") + kDirectionNames[d];
        return words;
    }();
    for (size_t s = 0; s < names.size(); ++s) {
        const QByteArray name = names[s].trimmed();
        for (int d = 0; d < 6; ++d) {
            const QByteArray& suffix = suffixes[size_t(d)];
            if (name.size() > suffix.size() && name.endsWith(suffix)) {
                familyOf[s] = name.left(name.size() - suffix.size()).trimmed();
                pieces[s].direction = d + 1;
                auto it = families.find(familyOf[s]);
                if (it == families.end())
                    it = families.insert(familyOf[s], {-1, -1, -1, -1, -1, -1});
                if ((*it)[size_t(d)] < 0)
                    (*it)[size_t(d)] = int(s);
                break;
            }
        }
    }
    for (size_t s = 0; s < names.size(); ++s) {
        PathPiece& p = pieces[s];
        if (p.direction == 0)
            continue;
        const int back = (p.direction - 1 + 3) % 6;
        p.opposite = families.value(familyOf[s])[size_t(back)];
        p.oppositeName = familyOf[s] + ' ' + kDirectionNames[back];
    }
    return pieces;
}

bool HexHolds(const HexRecord& x, int symbol) {
    for (int slot = 0; slot <= kSecondarySlots; ++slot) {
        if (x.terrainSlot(slot) == symbol)
            return true;
    }
    return false;
}

QString Quoted(const QByteArray& name, int symbol) {
    return name.isEmpty() ? QStringLiteral("symbol %1").arg(symbol)
                          : QStringLiteral("\"%1\"").arg(QString::fromLatin1(name));
}

bool EveryAttributeZero(const Battle& b, int terrainCount) {
    const int n = std::min(terrainCount, kMaxTerrainAttrs);
    for (int t = 0; t < n; ++t) {
        const TerrainAttr& a = b.terrainAttrs[size_t(t)];
        if (a.costPerMove != 0 || a.elevation != 0 || a.defenceModifier != 0)
            return false;
    }
    return n > 0;
}

} // namespace

bool CheckTerrain(const Battle& b, const SymbolSetSummary& set, ProblemList& out) {
    const bool allZero = EveryAttributeZero(b, set.terrainCount);
    if (allZero)
        out.Add(CheckId::AttributesAllZero, kNoHex, QStringLiteral("Terrain attributes"),
                QStringLiteral("Every terrain attribute is 0: no hex can be entered (every hex "
                               "shows CPM:X). Import the attributes or set them in the terrain "
                               "picker."));
    const int count = set.terrainCount;
    const auto name = [&set](int symbol) {
        return Quoted(symbol >= 0 && size_t(symbol) < set.terrainNames.size()
                          ? set.terrainNames[size_t(symbol)]
                          : QByteArray(),
                      symbol);
    };
    // The path pieces point to their neighbours in the arrangement with odd columns
    // shifted down, the one every new battle has; the other two have other neighbours.
    const std::vector<PathPiece> pieces =
        b.settings.gridLayout == 1 ? FindPathPieces(set.terrainNames) : std::vector<PathPiece>{};
    const QString terrain = QStringLiteral("Terrain");
    for (int h = 0; h < b.hexCount(); ++h) {
        const HexRecord& x = b.hex(h);
        for (int slot = 0; slot <= kSecondarySlots; ++slot) {
            const int s = x.terrainSlot(slot);
            if (s >= kNoSymbol)
                continue;
            if (count > 0 && (s < 0 || s >= count)) {
                out.Add(
                    CheckId::TerrainBeyondSet, h, terrain,
                    QStringLiteral("The %1 terrain is symbol %2, but the set has only %3 "
                                   "terrain symbols.")
                        .arg(slot == 0 ? QStringLiteral("primary") : QStringLiteral("secondary"))
                        .arg(s)
                        .arg(count));
                continue;
            }
            bool earlier = false;
            for (int before = 0; before < slot && !earlier; ++before)
                earlier = x.terrainSlot(before) == s;
            if (earlier) {
                out.Add(CheckId::PieceTwice, h, terrain,
                        QStringLiteral("%1 lies twice in this hex.").arg(name(s)));
                continue;
            }
            if (size_t(s) >= pieces.size() || pieces[size_t(s)].direction == 0)
                continue;
            const PathPiece& p = pieces[size_t(s)];
            const int n = HexNeighbour(b, p.direction, h);
            if (n == kNoHex)
                out.Add(CheckId::PathOffMap, h, terrain,
                        QStringLiteral("%1 points off the map.").arg(name(s)));
            else if (p.opposite < 0)
                out.Add(CheckId::PathWithoutOpposite, h, terrain,
                        QStringLiteral("%1 points to hex %2, but the set has no \"%3\" to meet "
                                       "it.")
                            .arg(name(s), HexLabel(b, n), QString::fromLatin1(p.oppositeName)));
            else if (!HexHolds(b.hex(n), p.opposite))
                out.Add(CheckId::PathWithoutOpposite, h, terrain,
                        QStringLiteral("%1 points to hex %2, which has no %3.")
                            .arg(name(s), HexLabel(b, n), name(p.opposite)));
        }
    }
    for (int n = 1; n <= b.structures().count(); ++n) {
        const StructureRecord& r = b.structures()[n];
        if (count > 0 && (r.symbol < 0 || r.symbol >= count) && r.symbol < kNoSymbol)
            out.Add(CheckId::TerrainBeyondSet, r.hex, RecordName("Structure", n, r.name.text()),
                    QStringLiteral("The structure is drawn with symbol %1, but the set has only "
                                   "%2 terrain symbols.")
                        .arg(r.symbol)
                        .arg(count));
    }
    return allZero;
}
