#pragma once
// Tests build their battles and sets in place, as a file reader would, and then take the
// battle as it is for the state opened from disk. No program code has this access: it
// changes the battle only through the document's Edit.

#include "BattleDocument.h"

struct BattleDocumentTestAccess {
    static Battle& Writable(BattleDocument& document) { return document.battle_; }
    static LoadedSymbolSet& Symbols(BattleDocument& document) { return document.symbols_; }
    // The file the battle is saved to, as an open or a save sets it.
    static void SetPath(BattleDocument& document, const QString& path, bool untitled = false) {
        document.path_ = path;
        document.untitled_ = untitled;
    }
    // An unsaved change, as any edit makes: one step that changes the maximum turns.
    static void MakeUnsaved(BattleDocument& document) {
        document.Edit(QStringLiteral("Battle Settings"),
                      [](Battle& b) { b.settings.maxTurns = b.settings.maxTurns == 1 ? 2 : 1; });
    }
    // The battle as it is now becomes the state on disk: shown, no steps, not modified.
    static void TakeAsOpened(BattleDocument& document, bool shown = true) {
        document.shown_ = shown;
        document.history_.Reset(true);
    }
};
