#pragma once
// The picture being edited (the current level's 1:1 picture) with its undo ring. Every
// change goes through SetSaveFlag first, which snapshots the picture as it was and tells
// the owner the symbol now has unsaved edits.

#include "UndoRing.h"

#include <QImage>

#include <functional>

class EditorPicture {
public:
    QImage picture;
    UndoRing undo;
    std::function<void()> onChange; // marks the symbol dirty, enables "Save"

    void SetSaveFlag() {
        if (onChange)
            onChange();
        undo.PushUndo(picture);
    }
    void InitUndo() { undo.InitUndo(picture); }
    // "Undo": step back to the newest snapshot and rotate the ring.
    void PopUndo() { picture = undo.PopUndo(); }
    // Back to the newest snapshot, the ring unchanged (rubber bands, taking back a paste).
    void BlastUndo() { picture = undo.Newest().copy(); }
};
