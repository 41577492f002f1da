#pragma once
// A program folder for the crash-recovery tests: a small set "test" in Battles and the
// battle "Varnholm Ford" drawn with it, whose units stand in the order they were entered
// (side 2 first), not in the order a save would give them.

#include "Battle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Creates Battles with the set and "ford.scn" below folder; false when a file fails.
bool MakeRecoveryProgramFolder(const QString& folder);
// The battle "ford.scn" holds.
Battle FordBattle();
// The bytes of a battle on the set "test".
QByteArray BattleBytesOnTestSet(const Battle& battle);
// The files in the recovery folder below stateHome ("" for the current one), by name.
QStringList RecoveryFiles(const QString& stateHome = QString());
