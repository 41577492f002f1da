#include "DefinitionFiles.h"

#include <cstdio>
#include <iterator>

struct MissileDef {
    const char* name;
    int weight, range, rating, overhead, shots;
};
struct CombatDef {
    const char* name;
    int weight, length, rating;
};
struct ProtectionDef {
    const char* name;
    int rating, weight;
};

// Weights in pounds carried, ranges in hexes, ratings on the same scale as the unit's
// morale (a rating near 30 is an ordinary weapon in ordinary hands).
static const MissileDef kMissile[] = {
    {"None", 0, 0, 0, 0, 0},
    {"Sling", 1, 4, 22, 1, 2},
    {"Staff Sling", 3, 5, 26, 1, 1},
    {"Javelins", 6, 1, 30, 0, 1},
    {"Darts", 3, 2, 20, 0, 2},
    {"Short Bow", 3, 5, 28, 1, 2},
    {"Hunting Bow", 3, 6, 30, 1, 2},
    {"Composite Bow", 4, 7, 38, 1, 2},
    {"Horse Bow", 4, 5, 34, 1, 2},
    {"Longbow", 4, 9, 44, 1, 2},
    {"Light Crossbow", 7, 7, 40, 0, 1},
    {"Heavy Crossbow", 14, 9, 52, 0, 1},
    {"Arbalest", 18, 10, 58, 0, 1},
    {"Throwing Axes", 5, 1, 32, 0, 1},
};

static const CombatDef kCombat[] = {
    {"Unarmed", 0, 0, 5},        {"Club", 4, 3, 15},           {"Dagger", 1, 1, 14},
    {"Hand Axe", 4, 2, 22},      {"Short Sword", 3, 3, 26},    {"Falchion", 4, 3, 30},
    {"Arming Sword", 3, 4, 32},  {"Mace", 6, 3, 34},           {"Flail", 7, 4, 36},
    {"War Hammer", 5, 3, 36},    {"Spear", 5, 8, 30},          {"Boar Spear", 7, 7, 34},
    {"Bill", 9, 8, 38},          {"Halberd", 10, 9, 42},       {"Pike", 13, 16, 40},
    {"Dane Axe", 8, 6, 44},      {"Two-Hand Sword", 9, 6, 46}, {"Light Lance", 7, 10, 40},
    {"Heavy Lance", 12, 12, 52}, {"Scimitar", 4, 4, 32},
};

static const ProtectionDef kArmour[] = {
    {"None", 0, 0},
    {"Padded Jack", 8, 6},
    {"Leather Jerkin", 10, 10},
    {"Hardened Leather", 14, 14},
    {"Scale Shirt", 18, 22},
    {"Lamellar", 20, 24},
    {"Mail Shirt", 22, 20},
    {"Long Mail Hauberk", 26, 28},
    {"Mail and Coat", 30, 34},
    {"Brigandine", 32, 32},
    {"Partial Plate", 38, 42},
    {"Full Plate", 46, 55},
};

static const ProtectionDef kShields[] = {
    {"None", 0, 0},          {"Buckler", 4, 3},        {"Wicker Shield", 6, 4},
    {"Round Shield", 10, 9}, {"Targe", 9, 7},          {"Heater Shield", 12, 8},
    {"Kite Shield", 14, 12}, {"Tower Shield", 18, 20}, {"Pavise", 22, 28},
};

// A file is its records, each line ended by CR LF, and the closing "$" line.
template <size_t N, typename Row, typename Format>
static QByteArray Lines(const Row (&rows)[N], Format format) {
    QByteArray out;
    char line[80];
    for (const Row& r : rows) {
        format(line, r);
        out.append(line);
        out.append("\r\n");
    }
    out.append("$ end of list\r\n");
    return out;
}

QByteArray MissileWeaponsFile() {
    return Lines(kMissile, [](char* line, const MissileDef& d) {
        std::snprintf(line, 80, "%-14.14s%4d %2d %3d %1d %1d", d.name, d.weight, d.range, d.rating,
                      d.overhead, d.shots);
    });
}

QByteArray CombatWeaponsFile() {
    return Lines(kCombat, [](char* line, const CombatDef& d) {
        std::snprintf(line, 80, "%-14.14s%2d %3d %3d", d.name, d.weight, d.length, d.rating);
    });
}

static void ProtectionLine(char* line, const ProtectionDef& d) {
    std::snprintf(line, 80, "%-18.18s %3d %3d", d.name, d.rating, d.weight);
}

QByteArray ArmourFile() {
    return Lines(kArmour, ProtectionLine);
}
QByteArray ShieldsFile() {
    return Lines(kShields, ProtectionLine);
}

int MissileWeaponCount() {
    return int(std::size(kMissile));
}
int CombatWeaponCount() {
    return int(std::size(kCombat));
}
int ArmourCount() {
    return int(std::size(kArmour));
}
int ShieldCount() {
    return int(std::size(kShields));
}
