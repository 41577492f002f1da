#pragma once
// The unit editor's piece and wing lists show first what the chosen side already uses,
// then what no side uses yet, and last what only the other side uses, so the designer of
// one side's army does not scroll past the other side's choices. The lists only change
// order: the set's symbols and the battle's single wing table stay as they are.

#include <vector>

class Battle;

// symbols (in the set's display order): the side's pieces, the free ones, the other
// side's, each part keeping the display order. Unit leaveOut (the one being edited, whose
// side and piece are still being chosen) counts for no side.
std::vector<int> SideFirstSymbols(const Battle& b, int side, const std::vector<int>& symbols,
                                  int leaveOut = 0);

// The battle's wing indices in the same three parts, each in table order.
std::vector<int> SideFirstWings(const Battle& b, int side, int leaveOut = 0);
