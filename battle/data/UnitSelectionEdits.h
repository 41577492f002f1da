#pragma once
// Changes to several units at once, chosen in an order of battle: each is one change of
// the battle (one undo step for the caller). Units are given by number; numbers that name
// no unit are skipped. Reinforcement markers follow the units: a unit arriving on turn 2
// or later carries its side's marker on its hex, a unit on the map from the start none.

#include <vector>

class Battle;

// True when a unit changed.
bool SetUnitsWing(Battle& b, const std::vector<int>& units, int wing);
bool SetUnitsSide(Battle& b, const std::vector<int>& units, int side);
// turn is kept within 1 and the battle's last turn (never above 300).
bool SetUnitsActivationTurn(Battle& b, const std::vector<int>& units, int turn);
// Removes the units and their hexes' reinforcement markers; the number removed.
int RemoveUnits(Battle& b, std::vector<int> units);
