#include "SampleForces.h"

#include "HexValues.h"
#include "VarnholmNumbers.h"

#include <algorithm>
#include <utility>

// What a kind of unit is and carries; the symbol is the western one, eastern units use
// the same arm in their own colour.
struct Arm {
    int symbol;
    int type; // 1 foot, 2 horse, 3 supply
    int unitClass;
    int men;
    int movement;
    const char* combat;
    const char* missile; // "None" for units without a missile weapon
    const char* armour;
    const char* shield;
};

// Classes: 0 peasant, 1 militia, 2 veteran, 3 elite, 4 noble, 5 hero.
static const Arm kLord{VhLeader,       2, 4, 15, 10, "Arming Sword", "None", "Full Plate",
                       "Heater Shield"};
static const Arm kWarlord{VhLeader,     2, 5, 20, 10, "Dane Axe", "None", "Long Mail Hauberk",
                          "Kite Shield"};
static const Arm kHousehold{VhMenAtArms,     1,     3, 30, 5, "Two-Hand Sword", "None",
                            "Partial Plate", "None"};
static const Arm kHuscarls{VhMenAtArms,   1, 3, 30, 5, "Dane Axe", "None", "Long Mail Hauberk",
                           "Round Shield"};
static const Arm kDismounted{VhMenAtArms,    1, 3, 25, 5, "War Hammer", "None", "Mail and Coat",
                             "Heater Shield"};
static const Arm kBillmen{VhFoot, 1, 2, 40, 6, "Bill", "None", "Mail Shirt", "None"};
static const Arm kSpearmen{VhFoot, 1, 1, 45, 6, "Spear", "None", "Padded Jack", "Round Shield"};
static const Arm kPikes{VhFoot, 1, 2, 45, 5, "Pike", "None", "Hardened Leather", "None"};
static const Arm kAxemen{VhFoot,        1, 2, 40, 6, "Hand Axe", "Throwing Axes", "Scale Shirt",
                         "Round Shield"};
static const Arm kLevy{VhFoot, 1, 0, 50, 6, "Boar Spear", "Sling", "None", "Wicker Shield"};
static const Arm kLongbows{VhArchers, 1, 2, 35, 6, "Short Sword", "Longbow", "Padded Jack", "None"};
static const Arm kHuntingBows{VhArchers,        1,     1, 30, 6, "Dagger", "Hunting Bow",
                              "Leather Jerkin", "None"};
static const Arm kCompositeBows{VhArchers,        1,        2, 35, 6, "Hand Axe", "Composite Bow",
                                "Leather Jerkin", "Buckler"};
static const Arm kShortBows{VhArchers, 1, 1, 30, 6, "Dagger", "Short Bow", "Padded Jack", "None"};
static const Arm kHeavyCrossbows{VhCrossbowmen, 1,       1, 30, 5, "Falchion", "Heavy Crossbow",
                                 "Mail Shirt",  "Pavise"};
static const Arm kLightCrossbows{VhCrossbowmen, 1,       2, 30, 6, "Short Sword", "Light Crossbow",
                                 "Scale Shirt", "Pavise"};
static const Arm kKnights{VhHeavyHorse,   2, 4, 25, 9, "Heavy Lance", "None", "Partial Plate",
                          "Heater Shield"};
static const Arm kLances{VhHeavyHorse, 2, 3, 25, 9, "Light Lance", "None", "Mail and Coat",
                         "Kite Shield"};
static const Arm kRiders{VhLightHorse,  2, 2, 25, 11, "Light Lance", "Javelins", "Leather Jerkin",
                         "Round Shield"};
static const Arm kHorseArchers{VhLightHorse, 2,           2,          25,       12,
                               "Scimitar",   "Horse Bow", "Lamellar", "Buckler"};
static const Arm kWagons{VhSupplyWagon, 3, 0, 15, 4, "Club", "None", "None", "None"};

struct Soldier {
    const char* name;
    const Arm* arm;
    int wing; // index into kWings
    QPoint cell;
    int turn = 1;         // 2 or later: a reinforcement
    int commandRange = 0; // a wing leader has a range and a rating
    int leaderRating = 0;
};

// Wing 0 is the new battle's "Main": the Duke's own battle.
static const char* const kWings[] = {"Main",          "Ford Guard",    "Holt Horse",
                                     "Relief Column", "Jarl's Battle", "Ridge Van",
                                     "Eastern Horse", "Rear Guard"};
constexpr int kFirstEasternWing = 4;

static const Soldier kDuchy[] = {
    {"Duke Aldric", &kLord, 0, {17, 14}, 1, 6, 3},
    {"Ducal Household", &kHousehold, 0, {19, 13}},
    {"Varnholm Billmen", &kBillmen, 0, {19, 11}},
    {"Town Spearmen", &kSpearmen, 0, {19, 15}},
    {"Varnholm Crossbows", &kHeavyCrossbows, 0, {18, 10}},
    {"Keep Garrison", &kLightCrossbows, 0, {17, 12}},
    {"Ducal Baggage", &kWagons, 0, {15, 15}},
    {"Sir Edric Vane", &kLord, 1, {19, 21}, 1, 5, 2},
    {"Holt Longbows", &kLongbows, 1, {20, 20}},
    {"Ebbing Bowmen", &kHuntingBows, 1, {20, 23}},
    {"Ebbing Levy", &kLevy, 1, {17, 22}},
    {"Ford Spearmen", &kSpearmen, 1, {20, 19}},
    {"Dismounted Knights", &kDismounted, 1, {20, 22}},
    {"Lady Maren Holt", &kLord, 2, {15, 16}, 1, 4, 1},
    {"Ducal Knights", &kKnights, 2, {16, 16}},
    {"Holt Lances", &kLances, 2, {15, 17}},
    {"Border Riders", &kRiders, 2, {16, 18}},
    {"Count Berold", &kLord, 3, {0, 15}, 6, 5, 2},
    {"Westmark Pikes", &kPikes, 3, {0, 14}, 6},
    {"Westmark Archers", &kShortBows, 3, {0, 16}, 6},
    {"Westmark Riders", &kRiders, 3, {0, 12}, 4},
};

static const Soldier kHost[] = {
    {"Jarl Osric", &kWarlord, 4, {25, 13}, 1, 7, 4},
    {"Jarl's Huscarls", &kHuscarls, 4, {22, 12}},
    {"Askel Spearmen", &kSpearmen, 4, {22, 14}},
    {"Askel Pikes", &kPikes, 4, {23, 13}},
    {"Eastern Crossbows", &kLightCrossbows, 4, {22, 10}},
    {"Askel Levy", &kLevy, 4, {24, 12}},
    {"Host Baggage", &kWagons, 4, {35, 16}},
    {"Thane Hakon", &kLord, 5, {28, 11}, 1, 5, 2},
    {"Ridge Bowmen", &kCompositeBows, 5, {28, 13}},
    {"Hill Archers", &kShortBows, 5, {27, 14}},
    {"Ridge Axemen", &kAxemen, 5, {27, 15}},
    {"Mere Levy", &kLevy, 5, {27, 9}},
    {"Sworn Axes", &kHuscarls, 5, {27, 12}},
    {"Thane Ulfar", &kLord, 6, {26, 21}, 1, 6, 3},
    {"Askeling Knights", &kKnights, 6, {25, 20}},
    {"Steppe Riders", &kHorseArchers, 6, {25, 22}},
    {"Outriders", &kRiders, 6, {26, 23}},
    {"Thane Brand", &kLord, 7, {39, 11}, 3, 5, 1},
    {"Rear Guard Spears", &kSpearmen, 7, {39, 12}, 3},
    {"Rear Guard Bows", &kShortBows, 7, {39, 10}, 5},
    {"Mounted Archers", &kHorseArchers, 7, {39, 17}, 5},
};

// The index of the entry called name, or -1.
template <class Table> static int IndexOf(const Table& table, const char* name) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].name == QLatin1String(name))
            return int(i);
    return -1;
}

static QString MakeUnit(const Soldier& s, int side, const Definitions& defs, UnitRecord& u) {
    const Arm& a = *s.arm;
    u = UnitRecord{};
    u.name = s.name;
    u.symbol = a.symbol + (side == 2 ? VhEasternFirst : 0);
    u.activationTurn = s.turn;
    u.side = side;
    u.unitType = a.type;
    u.unitClass = a.unitClass;
    u.men = a.men;
    static constexpr int kClassMorale[] = {50, 70, 80, 90, 100, 120};
    u.morale = kClassMorale[a.unitClass];
    u.combatWeapon = IndexOf(defs.combatWeapons, a.combat);
    u.missileWeapon = IndexOf(defs.missileWeapons, a.missile);
    u.armour = IndexOf(defs.armour, a.armour);
    u.shield = IndexOf(defs.shields, a.shield);
    for (const auto& [index, item] : {std::pair{u.combatWeapon, a.combat},
                                      {u.missileWeapon, a.missile},
                                      {u.armour, a.armour},
                                      {u.shield, a.shield}})
        if (index < 0)
            return QStringLiteral("the definition files lack \"%1\"").arg(item);
    // Bows and crossbows start with full quivers, javelins and axes with a few.
    if (u.missileWeapon > 0)
        u.missileAmmo = defs.missileWeapons[size_t(u.missileWeapon)].range > 1 ? 3 : 2;
    u.movementPoints = a.movement;
    u.wingLeader = s.commandRange > 0 ? 1 : 0;
    u.commandRange = s.commandRange;
    u.leaderRating = s.leaderRating;
    u.wing = s.wing;
    if (a.type == 3)
        u.resupplyLevel = 20;
    // Victory points as the unit editor reckons them, a leader worth more.
    const int reckoned = a.type == 1 ? u.men / 10 : a.type == 2 ? u.men / 5 : u.resupplyLevel;
    u.value = std::min(25, u.wingLeader ? 2 * reckoned + 6 : reckoned);
    return {};
}

QString AddSampleForces(Battle& battle, const TerrainLayout& map, const Definitions& defs,
                        int unitSymbolCount) {
    for (size_t w = 1; w < std::size(kWings); ++w)
        if (battle.AddWingName(QLatin1String(kWings[w])) != int(w))
            return QStringLiteral("wing %1 refused").arg(kWings[w]);
    for (int side : {1, 2}) {
        const auto& roster = side == 1 ? kDuchy : kHost;
        for (const Soldier& s : roster) {
            if ((s.wing >= kFirstEasternWing) != (side == 2))
                return QStringLiteral("%1 serves in the other side's wing").arg(s.name);
            UnitRecord u;
            if (QString fault = MakeUnit(s, side, defs, u); !fault.isEmpty())
                return fault;
            if (u.symbol >= unitSymbolCount)
                return QStringLiteral("%1 has no symbol in the set").arg(s.name);
            if (!map.OnMap(s.cell))
                return QStringLiteral("%1 stands off the map").arg(s.name);
            const int hex = map.HexOf(s.cell);
            if (HexMoveCost(battle, hex) == 0)
                return QStringLiteral("%1 stands where no unit can go").arg(s.name);
            if (battle.AddUnit(u, hex) == 0)
                return QStringLiteral("%1 stands on a taken hex").arg(s.name);
            if (s.turn > 1)
                battle.SetReinforcementMarker(
                    hex, battle.markerTable[side == 1 ? MarkerWesternReinforcement
                                                      : MarkerEasternReinforcement]);
        }
    }
    return {};
}
