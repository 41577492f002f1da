#pragma once
// Taking in a symbol set that changed on disk while its battle is shown: the new set
// replaces the loaded one only when it loads whole and still has every terrain and unit
// symbol the battle uses; the battle itself, its view and its history are not touched.

#include "Battle.h"
#include "LoadedSymbolSet.h"

// Loads the set `setName` from `folder` into `set`. False, with the messages shown and
// `set` unchanged, when the set cannot be loaded or lacks a symbol the battle uses.
bool ReloadSymbolSet(const QString& folder, const QString& setName, const Battle& battle,
                     LoadedSymbolSet& set, const MessageSink& sink);

// The highest terrain and unit symbol numbers (zero-based) the battle uses; -1 for none.
struct SymbolsInUse {
    int terrain = -1;
    int unit = -1;
};
SymbolsInUse FindSymbolsInUse(const Battle& battle);
