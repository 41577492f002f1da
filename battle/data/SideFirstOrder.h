#pragma once
// The unit editor's piece and wing lists show first what the chosen side already uses,
// so the designer of one side's army does not scroll past the other side's choices. The
// lists only change order: the set's symbols and the battle's single wing table stay as
// they are.

#include <vector>

class Battle;

// symbols (in the set's display order) with the pieces the side's units use first, each
// part keeping the display order.
std::vector<int> SideFirstSymbols(const Battle& b, int side, const std::vector<int>& symbols);

// The battle's wing indices with the side's wings first, each part in table order.
std::vector<int> SideFirstWings(const Battle& b, int side);
