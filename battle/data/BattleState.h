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

class BattleStateDiff;

// The same after diff has been applied to bytes that the battle matched: only the hexes
// the diff touches are read again (with everything before the hexes, which is small).
bool DecodeBattleStateChanges(const std::vector<uint8_t>& bytes, Battle& battle,
                              const BattleStateDiff& diff);

// The change from one state to another: the runs of bytes that differ, each stored as
// the exclusive-or of old and new, so that applying it once goes forward and applying it
// again goes back. When the sizes differ the bytes beyond the shorter state are kept
// whole on both sides.
class BattleStateDiff {
public:
    static BattleStateDiff Between(const std::vector<uint8_t>& before,
                                   const std::vector<uint8_t>& after);

    bool empty() const { return runsBytes_ == 0 && beforeSize_ == afterSize_; }
    bool sameSize() const { return beforeSize_ == afterSize_; }
    // Memory the diff holds beyond its own size.
    size_t bytes() const { return data_.capacity(); }
    // Turns the state before into the state after (forward) or back.
    void Apply(std::vector<uint8_t>& state, bool forward) const;
    // Calls f(offset, length) for each run of changed bytes, in order.
    template <class F> void ForEachRun(F f) const {
        const uint8_t* p = data_.data();
        const uint8_t* end = p + runsBytes_;
        size_t at = 0;
        while (p < end) {
            at += GetCount(p);
            const size_t n = GetCount(p);
            f(at, n, p);
            p += n;
            at += n;
        }
    }

private:
    static size_t GetCount(const uint8_t*& p) {
        size_t n = 0;
        for (int shift = 0;; shift += 7) {
            const uint8_t b = *p++;
            n |= size_t(b & 0x7f) << shift;
            if ((b & 0x80) == 0)
                return n;
        }
    }

    uint32_t beforeSize_ = 0;
    uint32_t afterSize_ = 0;
    uint32_t runsBytes_ = 0;
    // The runs (for each, the count of equal bytes to skip and the count of changed bytes
    // as variable-length numbers, then the changed bytes' exclusive-or), then the bytes
    // of the longer state beyond the shorter one.
    std::vector<uint8_t> data_;
};
