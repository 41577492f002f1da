#include "SideFirstOrder.h"

#include "Battle.h"
#include "UnitSides.h"

#include <algorithm>
#include <set>

namespace {

std::set<int> UsedBySide(const Battle& b, int side, int UnitRecord::*field, int leaveOut) {
    std::set<int> used;
    for (int n = 1; n <= b.unitCount(); ++n) {
        const UnitRecord& u = b.unit(n);
        if (n != leaveOut && ReportSideOf(u) == side)
            used.insert(u.*field);
    }
    return used;
}

// The side's own first, then what no side uses yet, then what only the other side uses,
// each part in its own order: a side raised after the other finds the free pieces first.
std::vector<int> SideFirst(const Battle& b, int side, std::vector<int> items,
                           int UnitRecord::*field, int leaveOut) {
    const std::set<int> own = UsedBySide(b, side, field, leaveOut);
    const std::set<int> other = UsedBySide(b, side == 2 ? 1 : 2, field, leaveOut);
    const auto rank = [&](int v) { return own.count(v) ? 0 : other.count(v) ? 2 : 1; };
    std::stable_sort(items.begin(), items.end(), [&](int x, int y) { return rank(x) < rank(y); });
    return items;
}

} // namespace

bool SideHasUnits(const Battle& b, int side, bool reinforcementsOnly) {
    return std::any_of(b.units().begin(), b.units().end(), [&](const UnitRecord& u) {
        return ReportSideOf(u) == side && (!reinforcementsOnly || u.activationTurn >= 2);
    });
}

std::vector<int> SideFirstSymbols(const Battle& b, int side, const std::vector<int>& symbols,
                                  int leaveOut) {
    return SideFirst(b, side, symbols, &UnitRecord::symbol, leaveOut);
}

std::vector<int> SideFirstWings(const Battle& b, int side, int leaveOut) {
    std::vector<int> wings(b.wingNames().size());
    for (int i = 0; i < int(wings.size()); ++i)
        wings[size_t(i)] = i;
    return SideFirst(b, side, wings, &UnitRecord::wing, leaveOut);
}
