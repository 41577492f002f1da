#pragma once
// The battle being edited, with everything that belongs to it: the battle itself, its undo
// history, its symbol set, its file and whether it was ever saved. This is the one door
// for edits: everyone reads the battle through battle(); a writable battle exists only
// inside Edit, which records exactly one undo step, and a Visit groups the edits of one
// modal dialog into one step. The modified flag is the history's: never written by hand.
//
// The path of an edit: a click or a dialog button calls Edit(caption, change); Edit opens
// a step in the history, runs change on the battle, and closes the step, which compares
// the battle's state before and after and stores the difference; `changed` then tells the
// window to refresh its menus.

#include "Battle.h"
#include "BattleFileGuard.h"
#include "BattleHistory.h"
#include "LoadedSymbolSet.h"
#include "MessageSink.h"
#include "OpenBattle.h"

#include <QString>

#include <functional>

struct Definitions;

class BattleDocument {
public:
    BattleDocument();
    BattleDocument(const BattleDocument&) = delete;
    BattleDocument& operator=(const BattleDocument&) = delete;

    const Battle& battle() const { return battle_; }
    const LoadedSymbolSet& symbols() const { return symbols_; }
    // A battle is shown: opened, created or restored, and not closed since.
    bool shown() const { return shown_; }
    // The file the battle was opened from or last saved to; empty for a new battle.
    const QString& path() const { return path_; }
    // Never saved: Save must ask for a name first.
    bool untitled() const { return untitled_; }
    // The battle differs from the file (or was never saved).
    bool modified() const { return history_.modified(); }
    // The save question is due before the battle is replaced or the window closes.
    bool NeedsSaveQuestion() const { return shown_ && modified(); }

    // Edits ---------------------------------------------------------------------------
    // Runs change on the battle as one undo step named caption; consecutive edits with the
    // same non-null joinKey become one step (the keystrokes of a typed name). Inside a
    // Visit the edit joins the visit's step. True when the battle changed.
    bool Edit(const QString& caption, const std::function<void(Battle&)>& change,
              const void* joinKey = nullptr);

    // One step for the lifetime of the object: a modal dialog's visit, or a drag stroke.
    // Edits made meanwhile nest into it; a visit that changed nothing leaves no step.
    class Visit {
    public:
        Visit(BattleDocument& document, const QString& caption);
        ~Visit();
        Visit(const Visit&) = delete;
        Visit& operator=(const Visit&) = delete;
        // Ends the visit early; true when it recorded a step.
        bool End();

    private:
        BattleDocument* document_;
    };

    // Files ---------------------------------------------------------------------------
    // Reads the battle file and the set beside it. The battle and the history change only
    // when the file was read; a set that fails leaves no battle shown.
    OpenOutcome Open(const QString& path, const MessageSink& sink);
    // A battle made by the new-battle dialog, with its set: shown, untitled, modified.
    void New(Battle battle, LoadedSymbolSet set);
    // Writes the battle in canonical unit order with its save count raised. On success the
    // battle in memory takes that order and count, the path becomes path and the history
    // marks the state saved; on failure nothing changes.
    bool SaveTo(const QString& path, const Definitions& defs, const MessageSink& sink);
    // A battle restored from a recovery copy: shown, modified, with a fresh history whose
    // first state is the restored battle; Save writes to originalPath (untitled when empty).
    void Adopt(Battle battle, LoadedSymbolSet set, const QString& originalPath);
    // The view's zoom level and origin hex: saved with the battle, but no edit of it (the
    // history leaves them alone), so no step.
    void SetView(int zoomLevel, int originHex);
    // The set was read again from disk (the same name); the battle is kept.
    void ReplaceSymbols(LoadedSymbolSet set);
    // No battle shown any more (a set that failed to load, the window closing).
    void Close();
    // What the editor starts with before any battle: settings the new-battle dialog and
    // the first open take over (set name, icon, terrain attributes). No step.
    void SetUpEmpty(const std::function<void(Battle&)>& defaults);

    // The file on disk ------------------------------------------------------------------
    // True when path is the file this battle was last read from or written to, and another
    // program has changed, replaced or removed it since: a save there would lose that.
    bool ChangedOnDisk(const QString& path) const;
    // While a battle with a file is shown, a lock beside the file tells other editors; this
    // is told when another running editor shows the file already (who: "process … on …").
    std::function<void(const QString& path, const QString& holder)> heldElsewhere;

    // History -------------------------------------------------------------------------
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    QString UndoCaption() const { return history_.UndoCaption(); }
    QString RedoCaption() const { return history_.RedoCaption(); }
    bool Undo() { return history_.Undo(); }
    bool Redo() { return history_.Redo(); }
    const BattleHistory& history() const { return history_; }

    // Called after every change of the battle, the history or the file state.
    std::function<void()> changed;

private:
    // Tests prepare battles through it; no program code does.
    friend struct BattleDocumentTestAccess;

    void Replace(Battle battle, bool onDisk);
    void Changed();
    // The battle's file from now on: its stamp, and the lock beside it.
    void TakeFile(const QString& path);
    void LetFileGo();

    Battle battle_;
    BattleHistory history_{battle_};
    LoadedSymbolSet symbols_;
    QString path_;
    bool untitled_ = false;
    bool shown_ = false;
    BattleFileStamp stamp_; // the file as last read or written here
    QString stampedPath_;   // and where it is
    BattleLock lock_;
};
