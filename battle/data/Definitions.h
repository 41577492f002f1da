#pragma once
// The weapon, armour and shield tables read from the definition files in "defs", and
// the fixed table of unit classes. Units refer to their entries by index from 0.

#include "MessageSink.h"

#include <QString>

#include <vector>

constexpr int kMaxDefinitionRecords = 50;
constexpr int kMaxDefinitionLine = 79;

struct MissileWeapon {
    QString name;
    int weight = 0;
    int range = 0;
    int rating = 0;
    int overheadFire = 0;
    int shotsPerTurn = 0;
};

struct CombatWeapon {
    QString name;
    int weight = 0;
    int length = 0;
    int rating = 0;
};

struct ArmourItem {
    QString name;
    int rating = 0;
    int weight = 0;
};
using ShieldItem = ArmourItem;

struct UnitClassInfo {
    QString name;
    int modifier = 0;
};

struct Definitions {
    std::vector<MissileWeapon> missileWeapons; // entry 0 stands for no missile weapon
    std::vector<CombatWeapon> combatWeapons;
    std::vector<ArmourItem> armour;
    std::vector<ShieldItem> shields;
    std::vector<UnitClassInfo> classes; // filled once the combat weapons were read
};

// Reads "MWEAP.DEF", "CWEAP.DEF", "UARMOR.DEF" and "USHIELD.DEF" from the "defs" folder
// of the program folder (names found whatever their letter case). A missing file is
// reported with caption "Error" and stops the reading; the tables read so far stay.
bool LoadDefinitions(const QString& programFolder, Definitions& defs, const MessageSink& sink);

// One line of each file, parsed by its fixed columns.
MissileWeapon ParseMissileWeapon(const QString& line);
CombatWeapon ParseCombatWeapon(const QString& line);
ArmourItem ParseArmourItem(const QString& line);

// The fixed class table: Peasant, Militia, Veteran, Elite, Nobel, Hero.
std::vector<UnitClassInfo> StandardUnitClasses();
