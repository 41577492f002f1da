#include "UndoRing.h"

#include <algorithm>

void UndoRing::InitUndo(const QImage& picture) {
    order_.fill(0);
    for (int i = 0; i < kSlots; ++i)
        PushUndo(picture);
}

void UndoRing::PushUndo(const QImage& picture) {
    const int oldHead = order_[0];
    std::shift_right(order_.begin(), order_.end(), 1);
    order_[0] = oldHead >= kSlots ? 1 : oldHead + 1;
    slots_[order_[0] - 1] = picture.copy();
}

QImage UndoRing::PopUndo() {
    const int head = order_[0];
    std::rotate(order_.begin(), order_.begin() + 1, order_.end());
    return slots_[head - 1].copy();
}
