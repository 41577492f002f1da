#include "UnitSteps.h"

#include "UnitStrength.h"

#include <algorithm>
#include <array>

int SteppedActivationTurn(int turn, bool up, bool reinforcement, int maxTurns) {
    int next = turn;
    if (up && turn < kMaxActivationTurn)
        ++next;
    else if (!up && turn > 1)
        --next;
    if (reinforcement && next < kFirstReinforcementTurn)
        next = kFirstReinforcementTurn;
    // A battle shortened after its units were set keeps them inside its turns.
    const int last = std::clamp(maxTurns, 1, kMaxActivationTurn);
    if (next > last)
        next = last;
    // Lowering to a battle of one turn must not make a reinforcement a unit of turn 1,
    // which would stand on the map with a reinforcement marker.
    if (reinforcement && next < kFirstReinforcementTurn)
        next = kFirstReinforcementTurn;
    return next;
}

int NewUnitActivationTurn(bool reinforcement, int maxTurns) {
    if (!reinforcement)
        return 1;
    return std::clamp(maxTurns / 2, kFirstReinforcementTurn, kMaxActivationTurn);
}

UnitRecord NewUnitRecord(int symbol, int activationTurn, int h) {
    UnitRecord u;
    u.name = "New Unit";
    u.symbol = symbol;
    u.activationTurn = activationTurn;
    u.side = 1;
    u.hex = h;
    u.unitType = UnitFoot;
    u.unitClass = 0;
    u.men = kNewUnitMen;
    u.morale = kNewUnitMorale;
    u.movementPoints = kNewUnitMovement;
    u.value = kNewUnitValue;
    return u;
}

int MovementForType(int unitType) {
    switch (unitType) {
    case UnitHorse:
        return 10;
    case UnitSupply:
        return 4;
    default:
        return 6;
    }
}

int MoraleForClass(int classIndex) {
    static constexpr std::array<int, 6> kMorale{50, 70, 80, 90, 100, 120};
    return kMorale[size_t(std::clamp(classIndex, 0, 5))];
}

int RecomputedValue(const UnitRecord& u) {
    int value = 0;
    switch (u.unitType) {
    case UnitHorse:
        value = u.men / 5;
        break;
    case UnitSupply:
        value = u.resupplyLevel;
        break;
    default:
        value = u.men / 10;
        break;
    }
    return std::min(value, kValueBounds.high);
}

QString AmmoText(int ammo) {
    switch (ammo) {
    case 0:
        return QStringLiteral("X");
    case 1:
        return QStringLiteral("1 Shot");
    case 2:
        return QStringLiteral("Low");
    default:
        return QStringLiteral("Hi");
    }
}

QString CombatText(const Definitions& defs, const UnitRecord& u) {
    return QStringLiteral("Combat: %1").arg(UnitCombatStrength(defs, u, true));
}

QString MissileText(const Definitions& defs, const UnitRecord& u) {
    return QStringLiteral("Missile: %1").arg(UnitMissileStrength(defs, u, true));
}

QString DefenceText(const Definitions& defs, const UnitRecord& u) {
    return QStringLiteral("Defense: %1%").arg(UnitDefence(defs, u));
}

QString WeightText(const Definitions& defs, const UnitRecord& u) {
    if (u.unitType == UnitSupply)
        return QStringLiteral("Wgt: N/A");
    const int total = UnitLoad(defs, u);
    if (total < 30)
        return QStringLiteral("Wgt: Lt");
    if (total < 60)
        return QStringLiteral("Wgt: Mod");
    return QStringLiteral("Wgt: Hvy");
}
