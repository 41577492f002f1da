#include "UndoRing.h"

void UndoRing::InitUndo() {
    undo_.clear();
    redo_.clear();
    droppedRedo_.clear();
}

void UndoRing::PushUndo(const QImage& before) {
    undo_.push_front(before.copy());
    droppedOldest_ = QImage();
    if (int(undo_.size()) > kSteps) {
        droppedOldest_ = std::move(undo_.back());
        undo_.pop_back();
    }
    droppedRedo_ = std::move(redo_);
    redo_.clear();
}

QImage UndoRing::PopUndo(const QImage& current) {
    if (undo_.empty())
        return current;
    QImage back = std::move(undo_.front());
    undo_.pop_front();
    redo_.push_back(current.copy());
    droppedRedo_.clear();
    droppedOldest_ = QImage();
    return back;
}

QImage UndoRing::Redo(const QImage& current) {
    if (redo_.empty())
        return current;
    QImage forward = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_front(current.copy());
    if (int(undo_.size()) > kSteps)
        undo_.pop_back();
    droppedRedo_.clear();
    droppedOldest_ = QImage();
    return forward;
}

void UndoRing::DropNewest() {
    if (undo_.empty())
        return;
    undo_.pop_front();
    if (!droppedOldest_.isNull())
        undo_.push_back(std::move(droppedOldest_));
    droppedOldest_ = QImage();
    redo_ = std::move(droppedRedo_);
    droppedRedo_.clear();
}

const QImage& UndoRing::Newest(const QImage& fallback) const {
    return undo_.empty() ? fallback : undo_.front();
}
