#pragma once
// The battle's editable state as bytes, for the undo history: every member an edit can
// change, exactly as it is in memory (unlike the battle file, which reorders units and
// drops empty wing names). Integers are four bytes, least significant first, so a small
// change of a number changes its first byte alone; texts are a length byte and their
// whole field. Every table is laid out at its full capacity and the hexes come last, so
// adding a record or changing a hex moves no other byte.
//
// Left out: the view position and zoom (they follow scrolling, not editing), the save
// count (it counts saves), the unit clipboard (it belongs to the run) and the modified
// flag.

#include <cstddef>
#include <cstdint>
#include <vector>

class Battle;

void EncodeBattleState(const Battle& battle, std::vector<uint8_t>& out);
// Restores what EncodeBattleState wrote; false, with the battle unchanged, for bytes of
// another size.
bool DecodeBattleState(const std::vector<uint8_t>& bytes, Battle& battle);

// The change from one state to another: the runs of bytes that differ, each stored as
// the exclusive-or of old and new, so that applying it once goes forward and applying it
// again goes back. When the sizes differ the bytes beyond the shorter state are kept
// whole on both sides.
class BattleStateDiff {
public:
    static BattleStateDiff Between(const std::vector<uint8_t>& before,
                                   const std::vector<uint8_t>& after);

    bool empty() const { return runs_.empty() && beforeSize_ == afterSize_; }
    // Memory the diff holds beyond its own size.
    size_t bytes() const;
    // Turns the state before into the state after (forward) or back.
    void Apply(std::vector<uint8_t>& state, bool forward) const;

private:
    uint32_t beforeSize_ = 0;
    uint32_t afterSize_ = 0;
    // Runs: the count of equal bytes to skip and the count of changed bytes, each as a
    // variable-length number, then the changed bytes' exclusive-or.
    std::vector<uint8_t> runs_;
    std::vector<uint8_t> beforeTail_;
    std::vector<uint8_t> afterTail_;
};
