#include "UnitSelectionEdits.h"

#include "Battle.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int kLastTurn = 300;

// The marker a unit's hex carries: its side's reinforcement marker while it arrives later.
int MarkerFor(const Battle& b, const UnitRecord& u) {
    if (u.activationTurn < 2)
        return 0;
    return b
        .markerTable[size_t(u.side == 2 ? MarkerEasternReinforcement : MarkerWesternReinforcement)];
}

bool EditUnits(Battle& b, const std::vector<int>& units,
               const std::function<void(UnitRecord&)>& change, bool markers) {
    bool changed = false;
    for (int n : units) {
        if (!b.units().valid(n))
            continue;
        UnitRecord u = b.unit(n);
        change(u);
        if (!(u == b.unit(n))) {
            b.UpdateUnit(n, u);
            changed = true;
        }
        if (!markers || !b.IsHex(u.hex))
            continue;
        const int marker = MarkerFor(b, u);
        if (b.hex(u.hex).reinforcementMarker != marker) {
            b.SetReinforcementMarker(u.hex, marker);
            changed = true;
        }
    }
    return changed;
}

} // namespace

bool SetUnitsWing(Battle& b, const std::vector<int>& units, int wing) {
    if (wing < 0 || wing >= int(b.wingNames().size()))
        return false;
    return EditUnits(
        b, units, [wing](UnitRecord& u) { u.wing = wing; }, false);
}

bool SetUnitsSide(Battle& b, const std::vector<int>& units, int side) {
    if (side != 1 && side != 2)
        return false;
    return EditUnits(
        b, units, [side](UnitRecord& u) { u.side = side; }, true);
}

bool SetUnitsActivationTurn(Battle& b, const std::vector<int>& units, int turn) {
    const int last = std::clamp(b.settings.maxTurns, 1, kLastTurn);
    const int kept = std::clamp(turn, 1, last);
    return EditUnits(
        b, units, [kept](UnitRecord& u) { u.activationTurn = kept; }, true);
}

int RemoveUnits(Battle& b, std::vector<int> units) {
    // From the highest number down, so the numbers still to remove keep their units.
    std::sort(units.begin(), units.end(), std::greater<int>());
    units.erase(std::unique(units.begin(), units.end()), units.end());
    int removed = 0;
    for (int n : units) {
        if (!b.units().valid(n))
            continue;
        const int h = b.unit(n).hex;
        b.DeleteUnit(n);
        if (b.IsHex(h))
            b.SetReinforcementMarker(h, 0);
        ++removed;
    }
    return removed;
}
