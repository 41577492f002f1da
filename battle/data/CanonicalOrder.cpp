// The order units are saved in: a selection sort on side, then wing, then sort strength
// (the scaled combat strength, tenfold for a wing leader). Units with equal keys keep
// whatever order the exchanges leave, as they always have.

#include "CanonicalOrder.h"

#include "Battle.h"
#include "UnitStrength.h"

#include <cstdint>

std::vector<int> CanonicalUnitOrder(const Battle& battle, const Definitions& defs) {
    const int count = battle.unitCount();
    std::vector<int> order(size_t(count) + 1, 0);
    std::vector<int64_t> strength(size_t(count) + 1, 0);
    for (int u = 1; u <= count; ++u) {
        order[size_t(u)] = u;
        strength[size_t(u)] = UnitCombatStrength(defs, battle.unit(u), true);
        if (battle.unit(u).wingLeader != 0)
            strength[size_t(u)] *= 10;
    }
    // The same exchanges the save has always made, on unit numbers instead of records.
    for (int p = 1; p < count; ++p) {
        int best = p;
        for (int q = p + 1; q <= count; ++q) {
            const UnitRecord& a = battle.unit(order[size_t(q)]);
            const UnitRecord& b = battle.unit(order[size_t(best)]);
            if (a.side < b.side || (a.side == b.side && a.wing < b.wing) ||
                (a.side == b.side && a.wing == b.wing &&
                 strength[size_t(q)] > strength[size_t(best)]))
                best = q;
        }
        if (best != p) {
            std::swap(order[size_t(best)], order[size_t(p)]);
            std::swap(strength[size_t(best)], strength[size_t(p)]);
        }
    }
    order.erase(order.begin());
    return order;
}

void Battle::PutUnitsInCanonicalOrder(const Definitions& defs) {
    const std::vector<int> order = CanonicalUnitOrder(*this, defs);
    UnitTable sorted;
    for (const int n : order)
        sorted.append(units_[n]);
    units_ = std::move(sorted);
    RelinkUnits();
}
