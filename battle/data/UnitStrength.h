#pragma once
// A unit's strength figures from its men, morale, class and equipment. Scaled figures
// are those shown to the designer and used to order the units. An index outside its
// table counts as an item with every figure 0.

#include "BattleRecords.h"
#include "Definitions.h"

class Battle;

int UnitCombatStrength(const Definitions& defs, const UnitRecord& u, bool scaled);
int UnitMissileStrength(const Definitions& defs, const UnitRecord& u, bool scaled);
int UnitDefence(const Definitions& defs, const UnitRecord& u); // percentage 0 … 75
int UnitLoad(const Definitions& defs, const UnitRecord& u);

// The same by unit number.
int UnitCombatStrength(const Battle& b, const Definitions& defs, int unitNo, bool scaled);
int UnitMissileStrength(const Battle& b, const Definitions& defs, int unitNo, bool scaled);
int UnitDefence(const Battle& b, const Definitions& defs, int unitNo);
int UnitLoad(const Battle& b, const Definitions& defs, int unitNo);
