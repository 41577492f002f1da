#include "BattleHistory.h"

#include "Battle.h"

#include <utility>

BattleHistory::BattleHistory(Battle& battle) : battle_(battle) {
    Reset();
}

void BattleHistory::Reset(bool onDisk) {
    steps_.clear();
    position_ = 0;
    savedPosition_ = onDisk ? 0 : -1;
    bytes_ = 0;
    depth_ = 0;
    captions_.clear();
    EncodeBattleState(battle_, state_);
    Changed();
}

void BattleHistory::BeginStep(const QString& caption, const void* joinKey) {
    if (depth_++ > 0)
        return;
    caption_ = CaptionIndex(caption);
    joinKey_ = joinKey;
    AssertNoStrayChange();
}

bool BattleHistory::EndStep() {
    if (depth_ == 0 || --depth_ > 0)
        return false;
    EncodeBattleState(battle_, scratch_);
    BattleStateDiff diff = BattleStateDiff::Between(state_, scratch_);
    if (diff.empty()) {
        Changed(); // a dialog that changed nothing leaves the battle as it was
        return false;
    }
    if (JoinLastStep())
        return true;
    DropRedoSteps();
    steps_.push_back(Step{std::move(diff), caption_, joinKey_});
    bytes_ += Cost(steps_.back());
    ++position_;
    std::swap(state_, scratch_);
    DropOverLimits();
    Changed();
    return true;
}

// The last step becomes the change from the state before it to the battle as it is now
// (in scratch_); a step that then changes nothing is dropped.
bool BattleHistory::JoinLastStep() {
    if (joinKey_ == nullptr || position_ == 0 || position_ != int(steps_.size()) ||
        steps_.back().joinKey != joinKey_ || steps_.back().caption != caption_ ||
        savedPosition_ == position_)
        return false;
    std::vector<uint8_t> before = state_;
    steps_.back().diff.Apply(before, false);
    BattleStateDiff joined = BattleStateDiff::Between(before, scratch_);
    if (joined.empty()) {
        bytes_ -= Cost(steps_.back());
        steps_.pop_back();
        --position_;
    } else {
        Replace(steps_.back(), std::move(joined));
    }
    std::swap(state_, scratch_);
    Changed();
    return true;
}

void BattleHistory::SetLimits(int maxSteps, size_t maxBytes) {
    maxSteps_ = maxSteps;
    maxBytes_ = maxBytes;
    DropOverLimits();
    Changed();
}

bool BattleHistory::CanUndo() const {
    return depth_ == 0 && position_ > 0;
}

bool BattleHistory::CanRedo() const {
    return depth_ == 0 && position_ < int(steps_.size());
}

QString BattleHistory::UndoCaption() const {
    return CanUndo() ? captions_[size_t(steps_[size_t(position_ - 1)].caption)] : QString();
}

QString BattleHistory::RedoCaption() const {
    return CanRedo() ? captions_[size_t(steps_[size_t(position_)].caption)] : QString();
}

bool BattleHistory::Undo() {
    if (!CanUndo())
        return false;
    AssertNoStrayChange();
    --position_;
    const BattleStateDiff& diff = steps_[size_t(position_)].diff;
    diff.Apply(state_, false);
    return Restore(diff);
}

bool BattleHistory::Redo() {
    if (!CanRedo())
        return false;
    AssertNoStrayChange();
    const BattleStateDiff& diff = steps_[size_t(position_)].diff;
    diff.Apply(state_, true);
    ++position_;
    return Restore(diff);
}

void BattleHistory::MarkSaved() {
    FoldSavedOrder();
    savedPosition_ = position_;
    Changed();
}

bool BattleHistory::AtSavedState() const {
    return savedPosition_ == position_;
}

// The battle matched the state before the diff, so only what it touched is read back.
bool BattleHistory::Restore(const BattleStateDiff& diff) {
    const bool restored = DecodeBattleStateChanges(state_, battle_, diff);
    Q_ASSERT(restored); // the history only holds states it encoded itself
    Changed();
    return restored;
}

bool BattleHistory::MatchesBattle() const {
    std::vector<uint8_t> now;
    EncodeBattleState(battle_, now);
    return now == state_;
}

void BattleHistory::AssertNoStrayChange() const {
    Q_ASSERT_X(MatchesBattle(), "BattleHistory",
               "the battle was changed outside an edit of its document");
}

void BattleHistory::FoldSavedOrder() {
    EncodeBattleState(battle_, scratch_);
    if (scratch_ == state_)
        return;
    // The steps on either side are rebuilt to end (start) at the battle as it is now.
    std::vector<uint8_t> neighbour;
    if (position_ > 0) {
        Step& done = steps_[size_t(position_ - 1)];
        neighbour = state_;
        done.diff.Apply(neighbour, false);
        Replace(done, BattleStateDiff::Between(neighbour, scratch_));
    }
    if (position_ < int(steps_.size())) {
        Step& next = steps_[size_t(position_)];
        neighbour = state_;
        next.diff.Apply(neighbour, true);
        Replace(next, BattleStateDiff::Between(scratch_, neighbour));
    }
    std::swap(state_, scratch_);
}

void BattleHistory::Replace(Step& step, BattleStateDiff diff) {
    bytes_ -= Cost(step);
    step.diff = std::move(diff);
    bytes_ += Cost(step);
}

void BattleHistory::DropRedoSteps() {
    while (int(steps_.size()) > position_) {
        bytes_ -= Cost(steps_.back());
        steps_.pop_back();
    }
    if (savedPosition_ > position_)
        savedPosition_ = -1;
}

// The newest step is always kept, so that the last action can be undone however large.
void BattleHistory::DropOverLimits() {
    while (steps_.size() > 1 && position_ > 0 &&
           (int(steps_.size()) > maxSteps_ || bytes_ > maxBytes_)) {
        bytes_ -= Cost(steps_.front());
        steps_.pop_front();
        --position_;
        if (savedPosition_ >= 0)
            --savedPosition_; // from 0 to -1: it was the state before the oldest step
    }
}

int BattleHistory::CaptionIndex(const QString& caption) {
    for (size_t i = 0; i < captions_.size(); ++i) {
        if (captions_[i] == caption)
            return int(i);
    }
    captions_.push_back(caption);
    return int(captions_.size()) - 1;
}

void BattleHistory::Changed() {
    if (changed)
        changed();
}
