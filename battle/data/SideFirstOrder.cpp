#include "SideFirstOrder.h"

#include "Battle.h"
#include "UnitSides.h"

#include <algorithm>
#include <set>

namespace {

std::vector<int> UsedFirst(const std::vector<int>& items, const std::set<int>& used) {
    std::vector<int> out = items;
    std::stable_partition(out.begin(), out.end(), [&](int v) { return used.count(v) != 0; });
    return out;
}

std::set<int> UsedBySide(const Battle& b, int side, int UnitRecord::*field) {
    std::set<int> used;
    for (const UnitRecord& u : b.units()) {
        if (ReportSideOf(u) == side)
            used.insert(u.*field);
    }
    return used;
}

} // namespace

bool SideHasUnits(const Battle& b, int side, bool reinforcementsOnly) {
    return std::any_of(b.units().begin(), b.units().end(), [&](const UnitRecord& u) {
        return ReportSideOf(u) == side && (!reinforcementsOnly || u.activationTurn >= 2);
    });
}

std::vector<int> SideFirstSymbols(const Battle& b, int side, const std::vector<int>& symbols) {
    return UsedFirst(symbols, UsedBySide(b, side, &UnitRecord::symbol));
}

std::vector<int> SideFirstWings(const Battle& b, int side) {
    std::vector<int> wings(b.wingNames().size());
    for (int i = 0; i < int(wings.size()); ++i)
        wings[size_t(i)] = i;
    return UsedFirst(wings, UsedBySide(b, side, &UnitRecord::wing));
}
