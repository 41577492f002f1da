#pragma once
// The canonical order of the units: side 1 before side 2, wing by wing, leaders and then
// the strongest first. The save stores the units in it; the order of battle lists them in
// it without changing the battle.

#include <vector>

class Battle;
struct Definitions;

// The unit numbers of the battle in canonical order.
std::vector<int> CanonicalUnitOrder(const Battle& battle, const Definitions& defs);
