#include "UnitStrength.h"

#include "Battle.h"

#include <algorithm>
#include <cstdint>

namespace {

template <class Item> Item Entry(const std::vector<Item>& table, int index) {
    if (index < 0 || index >= int(table.size()))
        return Item();
    return table[size_t(index)];
}

int ClassModifier(const Definitions& defs, const UnitRecord& u) {
    return Entry(defs.classes, u.unitClass).modifier;
}

// Strength per hundred men, cut to 30 %: ((men × v) div 100 × 30) div 100. Worked in 64
// bits, so that the largest values a battle file can hold cannot overflow.
int Scale(int men, int v) {
    const int64_t r = (int64_t(men) * v) / 100 * 30 / 100;
    return int(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

} // namespace

int UnitCombatStrength(const Definitions& defs, const UnitRecord& u, bool scaled) {
    const int v =
        Entry(defs.combatWeapons, u.combatWeapon).rating + ClassModifier(defs, u) + u.morale - 100;
    if (!scaled)
        return v;
    return std::max(Scale(u.men, v), 0);
}

int UnitMissileStrength(const Definitions& defs, const UnitRecord& u, bool scaled) {
    if (u.missileWeapon == 0 || u.missileAmmo == 0)
        return 0;
    const int v =
        Entry(defs.missileWeapons, u.missileWeapon).rating + ClassModifier(defs, u) + u.morale - 99;
    if (!scaled)
        return v;
    int r = Scale(u.men, v);
    if (r < 0 || u.morale < 10)
        r = 0;
    return std::min(r, u.men);
}

int UnitDefence(const Definitions& defs, const UnitRecord& u) {
    const int sum = Entry(defs.armour, u.armour).rating + Entry(defs.shields, u.shield).rating;
    return int(std::clamp<int64_t>(int64_t(sum) * u.morale / 100, 0, 75));
}

int UnitLoad(const Definitions& defs, const UnitRecord& u) {
    return Entry(defs.combatWeapons, u.combatWeapon).weight +
           Entry(defs.missileWeapons, u.missileWeapon).weight +
           Entry(defs.armour, u.armour).weight + Entry(defs.shields, u.shield).weight;
}

int UnitCombatStrength(const Battle& b, const Definitions& defs, int unitNo, bool scaled) {
    return b.units().valid(unitNo) ? UnitCombatStrength(defs, b.unit(unitNo), scaled) : 0;
}

int UnitMissileStrength(const Battle& b, const Definitions& defs, int unitNo, bool scaled) {
    return b.units().valid(unitNo) ? UnitMissileStrength(defs, b.unit(unitNo), scaled) : 0;
}

int UnitDefence(const Battle& b, const Definitions& defs, int unitNo) {
    return b.units().valid(unitNo) ? UnitDefence(defs, b.unit(unitNo)) : 0;
}

int UnitLoad(const Battle& b, const Definitions& defs, int unitNo) {
    return b.units().valid(unitNo) ? UnitLoad(defs, b.unit(unitNo)) : 0;
}
