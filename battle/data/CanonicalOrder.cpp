// The order units are saved in: a selection sort on side, then wing, then sort strength
// (the scaled combat strength, tenfold for a wing leader). Units with equal keys keep
// whatever order the exchanges leave, as they always have.

#include "Battle.h"
#include "UnitStrength.h"

#include <cstdint>
#include <vector>

void Battle::PutUnitsInCanonicalOrder(const Definitions& defs) {
    const int count = units_.count();
    std::vector<int64_t> strength(size_t(count) + 1, 0);
    for (int u = 1; u <= count; ++u) {
        strength[size_t(u)] = UnitCombatStrength(defs, units_[u], true);
        if (units_[u].wingLeader != 0)
            strength[size_t(u)] *= 10;
    }
    for (int p = 1; p < count; ++p) {
        int best = p;
        for (int q = p + 1; q <= count; ++q) {
            const UnitRecord& a = units_[q];
            const UnitRecord& b = units_[best];
            if (a.side < b.side || (a.side == b.side && a.wing < b.wing) ||
                (a.side == b.side && a.wing == b.wing &&
                 strength[size_t(q)] > strength[size_t(best)]))
                best = q;
        }
        if (best != p) {
            units_.swap(best, p);
            std::swap(strength[size_t(best)], strength[size_t(p)]);
        }
    }
    RelinkUnits();
}
