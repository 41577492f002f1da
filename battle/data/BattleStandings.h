#pragma once
// Who commands a unit, and what each side scores.

#include <array>

class Battle;

// The unit that commands unit u: u itself when it leads its wing, else the nearest
// leader in command range among the side's units on the map from the start that lead
// u's wing or the first wing (higher rating wins a tie, then the lower number); 0 = none.
int FindWingLeader(const Battle& b, int u);

struct SideScores {
    int sideA = 0;
    int sideB = 0;
};

// The value of each side's units; the side holding objective 1 also gets its points.
// Any side other than 1 counts as side 2.
SideScores SideScore(const Battle& b);
