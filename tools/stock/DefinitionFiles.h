#pragma once
// The four weapon and armour definition files of the "defs" folder, as text in their fixed
// column layouts. Every line ends with CR LF; the list ends with a line starting "$".

#include <QByteArray>

// Name 1-14, weight 15-18, range 20-21, rating 23-25, overhead fire 27, shots 29.
// The first line is the entry for a unit without a missile weapon.
QByteArray MissileWeaponsFile();
// Name 1-14, weight 15-16, length 18-20, rating 22-24.
QByteArray CombatWeaponsFile();
// Name 1-18, rating 20-22, weight 24-26 (armour and shields alike).
QByteArray ArmourFile();
QByteArray ShieldsFile();

// Records in each file (lines before the "$" line).
int MissileWeaponCount();
int CombatWeaponCount();
int ArmourCount();
int ShieldCount();
