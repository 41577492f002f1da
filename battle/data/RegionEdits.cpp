#include "RegionEdits.h"

#include "Battle.h"
#include "PathFamilies.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>

namespace {

// The records of one kind as the paste sees them.
struct Kind {
    unsigned layer;
    int HexRecord::*link;
    int RegionCell::*cell;
    int capacity;
    const char* name; // plural, for the refusal
    int count;        // in the battle now
};

std::vector<Kind> Kinds(const Battle& b) {
    return {{LayerUnits, &HexRecord::unitNo, &RegionCell::unit, kMaxUnits, "units", b.unitCount()},
            {LayerStructures, &HexRecord::structureNo, &RegionCell::structure, kMaxStructures,
             "structures", b.structures().count()},
            {LayerObjectives, &HexRecord::objectiveNo, &RegionCell::objective, kMaxObjectives,
             "objectives", b.objectives().count()},
            {LayerMapTexts, &HexRecord::mapTextNo, &RegionCell::mapText, kMaxMapTexts, "map texts",
             b.mapTexts().count()}};
}

// The wing a pasted unit joins: its own when the name there is the same, else the first
// of that name; -1 when the battle has none of that name.
int ExistingWing(const Battle& b, const UnitRecord& u, const WingName& name) {
    const auto& wings = b.wingNames();
    if (u.wing >= 0 && u.wing < int(wings.size()) && wings[size_t(u.wing)] == name)
        return u.wing;
    const auto it = std::find(wings.begin(), wings.end(), name);
    return it == wings.end() ? -1 : int(it - wings.begin());
}

void DeleteOn(Battle& b, const std::vector<int>& hexes, const Kind& kind) {
    std::vector<int> numbers;
    for (int h : hexes)
        if (b.IsHex(h) && b.hex(h).*kind.link != 0)
            numbers.push_back(b.hex(h).*kind.link);
    // The highest number first, so that no number moves before it is deleted.
    std::sort(numbers.rbegin(), numbers.rend());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    for (int n : numbers) {
        if (kind.layer == LayerUnits)
            b.DeleteUnit(n);
        else if (kind.layer == LayerStructures)
            b.DeleteStructure(n);
        else if (kind.layer == LayerObjectives)
            b.DeleteObjective(n);
        else
            b.DeleteMapText(n);
    }
}

// Adds the region's records of one kind at their targets: at their old numbers for a
// moved region (lowest first, so each finds the ones before it in place), else at the end.
template <class Record, class Put>
void PutRecords(const HexRegion& region, const std::vector<int>& targets, int RegionCell::*index,
                const RegionRecords<Record>& list, Put put) {
    std::vector<std::pair<int, size_t>> order; // (number, cell)
    for (size_t i = 0; i < region.cells.size(); ++i)
        if (targets[i] != kNoHex && region.cells[i].*index != 0)
            order.emplace_back(list.numbers[size_t(region.cells[i].*index - 1)], i);
    if (region.moving)
        std::sort(order.begin(), order.end());
    for (const auto& [number, i] : order)
        put(list.records[size_t(region.cells[i].*index - 1)], targets[i],
            region.moving ? number : 0, region.cells[i].*index - 1);
}

} // namespace

void ClearHexes(Battle& b, const std::vector<int>& hexes, unsigned layers) {
    for (const Kind& kind : Kinds(b))
        if (layers & kind.layer)
            DeleteOn(b, hexes, kind);
    for (int h : hexes) {
        if (!b.IsHex(h))
            continue;
        if (layers & LayerPrimary)
            b.SetTerrainSlot(h, 0, kNoSymbol);
        if (layers & LayerSecondary)
            for (int slot = 1; slot <= kSecondarySlots; ++slot)
                if (IsTerrainSymbol(b.hex(h).terrainSlot(slot)))
                    b.SetTerrainSlot(h, slot, kNoSymbol);
        if ((layers & LayerCaltrops) && b.hex(h).caltropsMarker != 0)
            b.SetCaltropsMarker(h, 0);
        if ((layers & LayerUnits) && b.hex(h).reinforcementMarker != 0)
            b.SetReinforcementMarker(h, 0);
    }
}

namespace {

QString RefusalAt(const Battle& b, const HexRegion& region, Cube anchor, unsigned layers,
                  bool checkSpan = true) {
    const HexGrid grid = HexGrid::Of(b);
    if (region.empty())
        return QStringLiteral("The clipboard holds no hexes.");
    if (QString::fromLatin1(region.setName)
            .compare(b.settings.symbolSetName.text(), Qt::CaseInsensitive) != 0)
        return QStringLiteral("The hexes were copied from a battle on the symbol set \"%1\"; "
                              "this battle uses \"%2\".")
            .arg(QString::fromLatin1(region.setName), b.settings.symbolSetName.text());
    if (region.layout != grid.layout)
        return QStringLiteral("The hexes were copied from a map with another hex arrangement.");
    const ColRow span = RegionSpan(region, grid, anchor);
    if (checkSpan && (span.col > grid.cols || span.row > grid.rows))
        return QStringLiteral("The region (%1 × %2 hexes) is larger than the map (%3 × %4).")
            .arg(span.col)
            .arg(span.row)
            .arg(grid.cols)
            .arg(grid.rows);
    const std::vector<int> targets = RegionTargets(region, grid, anchor);
    if (std::all_of(targets.begin(), targets.end(), [](int t) { return t == kNoHex; }))
        return QStringLiteral("The region would lie entirely off the map.");
    const unsigned chosen = layers & region.layers;
    for (const Kind& kind : Kinds(b)) {
        if (!(chosen & kind.layer))
            continue;
        int removed = 0, added = 0;
        for (size_t i = 0; i < targets.size(); ++i) {
            if (targets[i] == kNoHex)
                continue;
            removed += b.hex(targets[i]).*kind.link != 0;
            added += region.cells[i].*kind.cell != 0;
        }
        if (kind.count - removed + added > kind.capacity)
            return QStringLiteral("The battle holds at most %1 %2: the %3 %2 of the region do not "
                                  "fit beside the %4 there are.")
                .arg(kind.capacity)
                .arg(QLatin1String(kind.name))
                .arg(added)
                .arg(kind.count - removed);
    }
    if (chosen & LayerUnits) {
        std::set<QByteArray> newWings;
        for (size_t i = 0; i < targets.size(); ++i) {
            const int u = region.cells[i].unit;
            if (targets[i] != kNoHex && u != 0 &&
                ExistingWing(b, region.units.records[size_t(u - 1)],
                             region.unitWings[size_t(u - 1)]) < 0)
                newWings.insert(region.unitWings[size_t(u - 1)].bytes());
        }
        if (int(b.wingNames().size() + newWings.size()) > kMaxWings)
            return QStringLiteral("The battle holds at most %1 wings: the region's units need %2 "
                                  "more.")
                .arg(kMaxWings)
                .arg(newWings.size());
    }
    return {};
}

RegionOutcome PasteAt(Battle& b, const HexRegion& region, Cube anchor, unsigned layers,
                      bool checkSpan = true);

} // namespace

QString PasteRefusal(const Battle& b, const HexRegion& region, int anchor, unsigned layers) {
    if (!b.IsHex(anchor))
        return region.empty() ? QStringLiteral("The clipboard holds no hexes.")
                              : QStringLiteral("Choose a hex on the map.");
    return RefusalAt(b, region, HexGrid::Of(b).CubeOf(anchor), layers);
}

RegionOutcome PasteRegion(Battle& b, const HexRegion& region, int anchor, unsigned layers) {
    if (!b.IsHex(anchor))
        return {false, PasteRefusal(b, region, anchor, layers), {}};
    return PasteAt(b, region, HexGrid::Of(b).CubeOf(anchor), layers);
}

namespace {

RegionOutcome PasteAt(Battle& b, const HexRegion& region, Cube anchor, unsigned layers,
                      bool checkSpan) {
    RegionOutcome out;
    out.message = RefusalAt(b, region, anchor, layers, checkSpan);
    if (!out.message.isEmpty())
        return out;
    const unsigned chosen = layers & region.layers;
    const std::vector<int> targets = RegionTargets(region, HexGrid::Of(b), anchor);
    std::vector<int> onMap;
    for (int t : targets)
        if (t != kNoHex)
            onMap.push_back(t);
    for (const Kind& kind : Kinds(b))
        if (chosen & kind.layer)
            DeleteOn(b, onMap, kind);
    for (size_t i = 0; i < targets.size(); ++i) {
        const int t = targets[i];
        if (t == kNoHex)
            continue;
        const RegionCell& cell = region.cells[i];
        if (chosen & LayerPrimary)
            b.SetTerrainSlot(t, 0, cell.primaryTerrain);
        if (chosen & LayerSecondary)
            for (int slot = 1; slot <= kSecondarySlots; ++slot)
                b.SetTerrainSlot(t, slot, cell.secondaryTerrain[size_t(slot - 1)]);
        if (chosen & LayerCaltrops)
            b.SetCaltropsMarker(t, cell.caltropsMarker);
        if (chosen & LayerUnits)
            b.SetReinforcementMarker(t, cell.reinforcementMarker);
    }
    if (chosen & LayerUnits) {
        std::map<QByteArray, int> added;
        PutRecords(region, targets, &RegionCell::unit, region.units,
                   [&](UnitRecord u, int hex, int number, int k) {
                       const WingName& name = region.unitWings[size_t(k)];
                       u.wing = ExistingWing(b, u, name);
                       if (u.wing < 0) {
                           if (!added.count(name.bytes()))
                               added[name.bytes()] = b.AddWingName(name.text());
                           u.wing = added[name.bytes()];
                       }
                       if (number > 0)
                           b.InsertUnit(u, hex, std::min(number, b.unitCount() + 1));
                       else
                           b.AddUnit(u, hex);
                   });
    }
    const auto put = [&b](auto insert, auto add, auto count) {
        return [&b, insert, add, count](const auto& r, int hex, int number, int) {
            if (number > 0)
                (b.*insert)(r, hex, std::min(number, (b.*count)().count() + 1));
            else
                (b.*add)(r, hex);
        };
    };
    if (chosen & LayerStructures)
        PutRecords(region, targets, &RegionCell::structure, region.structures,
                   put(&Battle::InsertStructure, &Battle::AddStructure, &Battle::structures));
    if (chosen & LayerObjectives)
        PutRecords(region, targets, &RegionCell::objective, region.objectives,
                   put(&Battle::InsertObjective, &Battle::AddObjective, &Battle::objectives));
    if (chosen & LayerMapTexts)
        PutRecords(region, targets, &RegionCell::mapText, region.mapTexts,
                   put(&Battle::InsertMapText, &Battle::AddMapText, &Battle::mapTexts));
    std::sort(onMap.begin(), onMap.end());
    out.done = true;
    out.hexes = onMap;
    out.message = QStringLiteral("Pasted %1 hexes.").arg(onMap.size());
    if (const size_t off = targets.size() - onMap.size(); off > 0)
        out.message +=
            QStringLiteral(" %1 hexes beyond the edge of the map were left out.").arg(off);
    return out;
}

// Twice the mirror lines of positions low … high (in half steps), the better first: their
// middle, or where the middle falls between two lines a hex can be mirrored on, the even
// one of them and then the other, so that mirroring the mirrored hexes finds the same line
// and brings them back (unless only the other keeps them on the map).
std::vector<int> MirrorLines2(int low, int high, bool staggered) {
    const int sum = low + high;
    if (!staggered || sum % 2 == 0)
        return {sum};
    const int below = (sum - 1) / 2; // exact: sum - 1 is even
    return below % 2 == 0 ? std::vector<int>{2 * below, 2 * below + 2}
                          : std::vector<int>{2 * below + 2, 2 * below};
}

} // namespace

RegionOutcome TurnHexes(Battle& b, const PathFamilies& families, const std::vector<int>& hexes,
                        unsigned layers, RegionTurn turn) {
    RegionOutcome out;
    HexRegion region = CopyRegion(b, hexes, layers);
    if (region.empty()) {
        out.message = QStringLiteral("No hexes are selected.");
        return out;
    }
    const HexGrid grid = HexGrid::Of(b);
    std::vector<char> chosen(size_t(grid.hexCount()), 0);
    int first = kNoHex;
    ColRow low{INT_MAX, INT_MAX}, high{INT_MIN, INT_MIN};
    for (int h : hexes) {
        if (!b.IsHex(h))
            continue;
        chosen[size_t(h)] = 1;
        first = std::min(first, h);
        const ColRow d = grid.Doubled(grid.colRow(h));
        low = {std::min(low.col, d.col), std::min(low.row, d.row)};
        high = {std::max(high.col, d.col), std::max(high.row, d.row)};
    }
    region.moving = true;
    QStringList missing;
    TurnRegion(region, turn, families, &missing);
    // Where the first hex lands, reflected across the middle of the choice; the region's
    // first cell is that hex, and the rest follow it as whole cube steps. Of the lines the
    // stagger allows, the first that keeps every hex on the map.
    const std::vector<int> cols = turn == RegionTurn::MirrorTopBottom
                                      ? std::vector<int>{0}
                                      : MirrorLines2(low.col, high.col, grid.staggered());
    const std::vector<int> rows = turn == RegionTurn::MirrorLeftRight
                                      ? std::vector<int>{0}
                                      : MirrorLines2(low.row, high.row, grid.staggered());
    Cube anchor{};
    size_t fewestOff = SIZE_MAX;
    for (int lineRow : rows)
        for (int lineCol : cols) {
            ColRow d = grid.Doubled(grid.colRow(first));
            if (turn != RegionTurn::MirrorTopBottom)
                d.col = lineCol - d.col;
            if (turn != RegionTurn::MirrorLeftRight)
                d.row = lineRow - d.row;
            const Cube at = grid.ToCube(grid.FromDoubled(d)) - region.cells.front().offset;
            const std::vector<int> targets = RegionTargets(region, grid, at);
            const size_t off = size_t(std::count(targets.begin(), targets.end(), kNoHex));
            if (off < fewestOff) {
                fewestOff = off;
                anchor = at;
            }
        }
    // Checked before anything changes: the turn is made whole or not at all. A region that
    // spans more than the map (a top-bottom mirror of every row) loses its overhang.
    out.message = RefusalAt(b, region, anchor, layers, false);
    if (!out.message.isEmpty())
        return out;
    ClearHexes(b, hexes, layers);
    out = PasteAt(b, region, anchor, layers, false);
    if (!out.done)
        return out;
    int aside = 0;
    for (int t : out.hexes)
        aside += chosen[size_t(t)] == 0;
    out.message = QStringLiteral("%1 hexes %2.")
                      .arg(out.hexes.size())
                      .arg(turn == RegionTurn::HalfTurn ? QStringLiteral("turned")
                                                        : QStringLiteral("mirrored"));
    if (aside > 0)
        out.message += QStringLiteral(" %1 of them lie one column or row aside: the stagger of the "
                                      "map allows no exact mirror in place.")
                           .arg(aside);
    if (const size_t off = region.cells.size() - out.hexes.size(); off > 0)
        out.message += QStringLiteral(" %1 hexes fell beyond the edge of the map.").arg(off);
    if (!missing.isEmpty())
        out.message +=
            QStringLiteral(" The set has no %1.").arg(missing.join(QStringLiteral(", ")));
    return out;
}
