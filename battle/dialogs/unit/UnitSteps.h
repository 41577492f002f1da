#pragma once
// The unit editor's fixed rules: the bounds its arrows keep, the values a choice sets
// and the texts of its labels. Plain functions, so every rule is checked on its own.

#include "BattleRecords.h"
#include "Definitions.h"
#include "ValueSteps.h"

#include <QString>

// Unit types.
enum UnitType { UnitFoot = 1, UnitHorse = 2, UnitSupply = 3 };

// The bounds the arrows keep (stepped by StepInRange).
constexpr StepBounds kMenBounds{10, 50};
constexpr StepBounds kMoraleBounds{1, 125};
constexpr StepBounds kAmmoBounds{0, 3};
constexpr StepBounds kMovementBounds{0, 12};
constexpr StepBounds kRangeBounds{3, 10};
constexpr StepBounds kRatingBounds{-5, 5};
constexpr StepBounds kValueBounds{0, 25};
constexpr StepBounds kResupplyBounds{0, 20};
constexpr int kMaxActivationTurn = 300;
constexpr int kFirstReinforcementTurn = 2;

// What a new unit gets.
constexpr int kNewUnitMen = 25;
constexpr int kNewUnitMorale = 80;
constexpr int kNewUnitMovement = 8;
constexpr int kNewUnitValue = 2;
constexpr int kNewLeaderRange = 4;
constexpr int kSupplyResupplyLevel = 20;

// The activation turn after one arrow step in a battle of maxTurns turns. Reinforcements
// never come on turn 1, whatever the battle's length.
int SteppedActivationTurn(int turn, bool up, bool reinforcement, int maxTurns);

// The activation turn of a new unit: 1 on the map, the middle of the battle for a
// reinforcement (never before turn 2).
int NewUnitActivationTurn(bool reinforcement, int maxTurns);

// The unit record a new unit on hex h starts from; symbol is its picture.
UnitRecord NewUnitRecord(int symbol, int activationTurn, int h);

// Movement points a type choice sets: 6 Foot, 10 Horse, 4 Supply.
int MovementForType(int unitType);
// Morale a class choice sets: 50, 70, 80, 90, 100, 120 for class 0 … 5.
int MoraleForClass(int classIndex);
// Victory-point value from men and type: Foot men ÷ 10, Horse men ÷ 5, Supply the
// resupply level; never above 25.
int RecomputedValue(const UnitRecord& u);

// Label texts.
QString AmmoText(int ammo); // "X", "1 Shot", "Low", "Hi"
QString CombatText(const Definitions& defs, const UnitRecord& u);
QString MissileText(const Definitions& defs, const UnitRecord& u);
QString DefenceText(const Definitions& defs, const UnitRecord& u);
QString WeightText(const Definitions& defs, const UnitRecord& u);
