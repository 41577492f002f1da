#pragma once
// Undo and redo for the battle. Every change is recorded the same way, whatever made it:
// the battle document brackets an edit with BeginStep and EndStep, and the history
// compares the battle's whole state before and after. A new command is therefore undoable without
// code of its own, and the hex ↔ record links come back exactly as they were.
//
// The state is the battle's serialised form (BattleState.h), kept for the current state;
// a step stores only the bytes that changed, so a one-hex edit costs a few bytes. The
// view position and zoom, the save count, the clipboard and the modified flag are not
// part of the state: undo leaves the view and the clipboard alone.
//
// The modified flag follows the history: it is clear exactly when the current state is
// the one last opened or saved (MarkSaved), so undoing back to it clears the flag and
// redoing away from it sets it again. A change of the battle outside a step is a
// programming error, caught by an assertion in debug builds.

#include "BattleState.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

class Battle;

class BattleHistory {
public:
    // Oldest steps are dropped beyond either limit.
    static constexpr int kMaxSteps = 10000;
    static constexpr size_t kMaxBytes = size_t(64) << 20;

    explicit BattleHistory(Battle& battle);

    // A battle was opened or created: no steps. The current state counts as saved when it
    // is on disk (an opened battle); a new battle stays modified until it is saved.
    void Reset(bool onDisk = true);

    // Remembers the state before an action. Steps may nest: only the outermost pair
    // records, with the outermost caption. Consecutive steps with the same non-null
    // joinKey become one (the keystrokes of a name typed into a field, say), unless the
    // state between them was saved.
    void BeginStep(const QString& caption, const void* joinKey = nullptr);
    // Records one step when the state changed and drops the steps that could be redone;
    // false, and no step, when nothing changed (the modified flag then says whether the
    // battle differs from the saved state, whatever the action set it to).
    bool EndStep();

    bool CanUndo() const;
    bool CanRedo() const;
    // "Place Primary Terrain", "Unit Changes", …; empty when there is nothing to do.
    QString UndoCaption() const;
    QString RedoCaption() const;
    // Restore the state before (after) the step exactly.
    bool Undo();
    bool Redo();

    // The current state is the one on disk (after a successful save). A save reorders
    // the units; that reordering becomes part of the neighbouring steps, so undo and
    // redo keep working across it. It is the only change taken outside a step.
    void MarkSaved();
    bool AtSavedState() const;
    // The battle differs from the one last opened or saved.
    bool modified() const { return !AtSavedState(); }
    // True when the battle is still the state the history last recorded; what the
    // assertion on stray changes checks.
    bool MatchesBattle() const;

    // Called after every change of the steps or the position (to refresh menus).
    std::function<void()> changed;

    // Limits other than the standard ones (tests of the bound).
    void SetLimits(int maxSteps, size_t maxBytes);

    int stepCount() const { return int(steps_.size()); }
    int position() const { return position_; } // steps done; the rest can be redone
    size_t historyBytes() const { return bytes_; }

private:
    struct Step {
        BattleStateDiff diff; // from the state before the step to the state after it
        int caption = 0;      // in captions_: steps share their few captions
        const void* joinKey = nullptr;
    };

    // Folds the save's reordering into the neighbouring steps, so that the stored steps
    // always lead to and from the battle as it is.
    void FoldSavedOrder();
    // Debug builds stop on a change made outside a step.
    void AssertNoStrayChange() const;
    void Replace(Step& step, BattleStateDiff diff);
    bool Restore(const BattleStateDiff& diff);
    bool JoinLastStep();
    void Changed();
    int CaptionIndex(const QString& caption);
    void DropRedoSteps();
    void DropOverLimits();
    static size_t Cost(const Step& step) { return sizeof(Step) + step.diff.bytes(); }

    Battle& battle_;
    std::vector<uint8_t> state_; // the serialised current state
    std::vector<uint8_t> scratch_;
    std::deque<Step> steps_;
    int position_ = 0;
    int savedPosition_ = 0; // -1 when the saved state can no longer be reached
    size_t bytes_ = 0;
    int depth_ = 0;
    int maxSteps_ = kMaxSteps;
    size_t maxBytes_ = kMaxBytes;
    int caption_ = 0;
    const void* joinKey_ = nullptr;
    std::vector<QString> captions_;
};
