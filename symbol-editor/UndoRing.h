#pragma once
// The undo history of one picture level: snapshots of the picture taken before each change,
// newest first, and the pictures undone since the last change, for "Redo". It holds at most
// kSteps snapshots; the oldest falls off, and undoing past it does nothing.

#include <QImage>

#include <deque>
#include <vector>

class UndoRing {
public:
    static constexpr int kSteps = 100;

    // No history: nothing to undo or redo.
    void InitUndo();
    // `before` (the picture as it is before a change) becomes the newest snapshot; the redo
    // steps are dropped.
    void PushUndo(const QImage& before);
    // Takes back the newest step: returns its snapshot and keeps `current` for "Redo".
    // Without a snapshot nothing happens and `current` comes back.
    QImage PopUndo(const QImage& current);
    // Goes forward again: returns the picture last undone and keeps `current` for "Undo".
    QImage Redo(const QImage& current);
    // Forgets the newest step as if it had never been pushed (a click that changed nothing);
    // the redo steps it dropped come back.
    void DropNewest();
    // The newest snapshot (rubber bands restore it before redrawing); `fallback` without one.
    const QImage& Newest(const QImage& fallback) const;

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    int undoSteps() const { return int(undo_.size()); }
    int redoSteps() const { return int(redo_.size()); }

private:
    std::deque<QImage> undo_;         // newest first
    std::vector<QImage> redo_;        // next redo last
    std::vector<QImage> droppedRedo_; // what the newest push dropped
    QImage droppedOldest_;            // the snapshot the newest push pushed off the end
};
