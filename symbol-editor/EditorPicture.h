#pragma once
// The picture being edited (the current level's 1:1 picture) with one undo history per
// picture level. Every change goes through SetSaveFlag first, which snapshots the picture
// as it was and tells the owner the symbol now has unsaved edits; every move through the
// history tells the owner too, so it can compare the picture with the stored one.

#include "UndoRing.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <utility>

class EditorPicture {
public:
    static constexpr int kLevels = 3;
    static constexpr int kKeptSymbols = 40; // symbols whose history survives opening others

    QImage picture;
    std::function<void()> onChange;      // an edit begins: marks the symbol dirty
    std::function<void()> onHistoryMove; // undo, redo or a step dropped

    void SetSaveFlag() {
        if (onChange)
            onChange();
        undo().PushUndo(picture);
    }
    // A change made to another level's picture (`before` it changed): one step of that
    // level's history.
    void SaveFlagOfLevel(int level, const QImage& before) {
        if (onChange)
            onChange();
        rings_[std::clamp(level, 1, kLevels) - 1].PushUndo(before);
    }
    // A new symbol or recoloured pictures: every level starts without history.
    void InitUndo() {
        for (UndoRing& ring : rings_)
            ring.InitUndo();
    }
    // Another symbol is opened: the history of the one left is kept, and the new one's own
    // history (from an earlier visit while the set stayed open) comes back.
    void OpenHistoryOf(int kind, int symbol) {
        if (key_.first != 0) {
            kept_[key_] = rings_;
            left_.push_back(key_);
        }
        // Histories of full pictures are large: only the symbols left last keep theirs.
        while (int(kept_.size()) > kKeptSymbols) {
            kept_.erase(left_.front());
            left_.pop_front();
        }
        key_ = {kind, symbol};
        const auto it = kept_.find(key_);
        if (it == kept_.end()) {
            InitUndo();
        } else {
            rings_ = std::move(it->second);
            kept_.erase(it);
            std::erase(left_, key_);
        }
    }
    // The set closed, or records were renumbered: no history of any symbol is kept.
    void DropHistories() {
        kept_.clear();
        left_.clear();
        key_ = {0, 0};
        InitUndo();
    }
    // Records of a kind were renumbered: the histories of that kind no longer fit.
    void DropHistoriesOfKind(int kind) {
        std::erase_if(kept_, [kind](const auto& entry) { return entry.first.first == kind; });
        std::erase_if(left_, [kind](const auto& key) { return key.first == kind; });
    }
    int keptHistories() const { return int(kept_.size()); }
    // The zoom level changed: its own history applies (1 .. kLevels).
    void SelectLevel(int level) { level_ = std::clamp(level, 1, kLevels) - 1; }
    // "Undo" and "Redo"; without a step nothing happens.
    void PopUndo() { Move(&UndoRing::PopUndo, undo().canUndo()); }
    void Redo() { Move(&UndoRing::Redo, undo().canRedo()); }
    // Back to the newest snapshot, the history unchanged (rubber bands, taking back a paste).
    void BlastUndo() { picture = undo().Newest(picture).copy(); }
    // The right click after a paste: back to the newest snapshot, the history unchanged.
    void TakeBackNewest() {
        BlastUndo();
        if (onHistoryMove)
            onHistoryMove();
    }
    // The step SetSaveFlag began changed nothing: forget it.
    void DropNewestStep() {
        undo().DropNewest();
        if (onHistoryMove)
            onHistoryMove();
    }

    UndoRing& undo() { return rings_[level_]; }
    const UndoRing& undo() const { return rings_[level_]; }

private:
    void Move(QImage (UndoRing::*step)(const QImage&), bool possible) {
        if (!possible)
            return;
        picture = (undo().*step)(picture);
        if (onHistoryMove)
            onHistoryMove();
    }

    std::array<UndoRing, kLevels> rings_;
    int level_ = 0;
    std::pair<int, int> key_{0, 0}; // kind and record number of the open symbol's history
    std::map<std::pair<int, int>, std::array<UndoRing, kLevels>> kept_;
    std::deque<std::pair<int, int>> left_; // kept keys, the symbol left longest ago first
};
