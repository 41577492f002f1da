#pragma once
// The five-step undo: five snapshot slots and the list of slot numbers, newest first.
// Undo rotates through the snapshots instead of discarding them, so pressing "Undo" a
// sixth time starts again from the newest.

#include <QImage>

#include <array>

class UndoRing {
public:
    static constexpr int kSlots = 5;

    // Every slot holds `picture`; the list reads 5, 4, 3, 2, 1.
    void InitUndo(const QImage& picture);
    // The oldest snapshot falls off; `picture` becomes the newest.
    void PushUndo(const QImage& picture);
    // The newest snapshot, which then moves to the end of the list.
    QImage PopUndo();
    // The newest snapshot, the list unchanged.
    const QImage& Newest() const { return slots_[order_[0] - 1]; }

    // Slot numbers, newest first (1-based).
    const std::array<int, kSlots>& order() const { return order_; }

private:
    std::array<QImage, kSlots> slots_;
    std::array<int, kSlots> order_{1, 2, 3, 4, 5};
};
