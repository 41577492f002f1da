#pragma once
// Opening a battle: the battle file, then the symbol set it names, looked for beside the
// battle file first and then in the other folders that hold sets (the program folder's
// "Battles", the installed stock), so a battle opened from anywhere finds the stock set.

#include "MessageSink.h"

#include <QString>
#include <QStringList>

class Battle;
struct LoadedSymbolSet;

enum class OpenOutcome {
    ReadFailed, // nothing changed: the editor keeps showing what it showed
    SetFailed,  // the battle was read but its set is missing or unreadable: no battle shown
    Opened,     // battle and set are loaded: show the battle
};

// The folders a battle's set is looked for in after the battle's own: "Battles" of the
// current directory (the program folder once the program has started) and of the stock
// data installed beside the program.
QStringList OtherSetFolders();

// currentPath becomes path only when the battle file was read, so a later save never
// writes over a file that failed to open. A set found in none of the folders is reported
// with its name and every folder looked in.
OpenOutcome OpenBattle(const QString& path, Battle& battle, LoadedSymbolSet& set,
                       QString& currentPath, const MessageSink& sink,
                       const QStringList& otherSetFolders = OtherSetFolders());
