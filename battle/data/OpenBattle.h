#pragma once
// Opening a battle: the battle file, then the symbol set it names, which must lie in the
// battle file's folder.

#include "MessageSink.h"

#include <QString>

class Battle;
struct LoadedSymbolSet;

enum class OpenOutcome {
    ReadFailed, // nothing changed: the editor keeps showing what it showed
    SetFailed,  // the battle was read but its set is missing or unreadable: no battle shown
    Opened,     // battle and set are loaded: show the battle
};

// currentPath becomes path only when the battle file was read, so a later save never
// writes over a file that failed to open.
OpenOutcome OpenBattle(const QString& path, Battle& battle, LoadedSymbolSet& set,
                       QString& currentPath, const MessageSink& sink);
