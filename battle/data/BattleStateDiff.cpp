#include "BattleState.h"

#include <QtGlobal>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Equal bytes between two changed ones are kept inside the run up to this many: a new
// run would cost at least as much for its two counts.
constexpr size_t kMergeGap = 2;

void PutCount(std::vector<uint8_t>& out, size_t n) {
    while (n >= 0x80) {
        out.push_back(uint8_t(n | 0x80));
        n >>= 7;
    }
    out.push_back(uint8_t(n));
}

// The first position at or after i, below end, where a and b differ; end when none.
size_t NextDifference(const uint8_t* a, const uint8_t* b, size_t i, size_t end) {
    constexpr size_t kBlock = 256;
    while (i + kBlock <= end && std::memcmp(a + i, b + i, kBlock) == 0)
        i += kBlock;
    while (i + 8 <= end) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            break;
        i += 8;
    }
    while (i < end && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

BattleStateDiff BattleStateDiff::Between(const std::vector<uint8_t>& before,
                                         const std::vector<uint8_t>& after) {
    BattleStateDiff d;
    d.beforeSize_ = uint32_t(before.size());
    d.afterSize_ = uint32_t(after.size());
    const size_t common = std::min(before.size(), after.size());
    const uint8_t* a = before.data();
    const uint8_t* b = after.data();
    std::vector<uint8_t>& out = d.data_;
    size_t done = 0; // end of the previous run
    for (size_t i = NextDifference(a, b, 0, common); i < common;
         i = NextDifference(a, b, i, common)) {
        size_t end = i + 1; // one past the last changed byte of the run
        size_t k = end;
        while (k < common && k - end <= kMergeGap) {
            if (a[k] != b[k])
                end = k + 1;
            ++k;
        }
        PutCount(out, i - done);
        PutCount(out, end - i);
        for (size_t j = i; j < end; ++j)
            out.push_back(uint8_t(a[j] ^ b[j]));
        done = end;
        i = k;
    }
    d.runsBytes_ = uint32_t(out.size());
    const std::vector<uint8_t>& longer = before.size() > common ? before : after;
    out.insert(out.end(), longer.begin() + std::ptrdiff_t(common), longer.end());
    out.shrink_to_fit();
    return d;
}

void BattleStateDiff::Apply(std::vector<uint8_t>& state, bool forward) const {
    Q_ASSERT(state.size() == (forward ? beforeSize_ : afterSize_));
    uint8_t* s = state.data();
    ForEachRun([s](size_t at, size_t n, const uint8_t* bits) {
        for (size_t j = 0; j < n; ++j)
            s[at + j] ^= bits[j];
    });
    const size_t to = forward ? afterSize_ : beforeSize_;
    const size_t common = std::min(beforeSize_, afterSize_);
    state.resize(to);
    if (to > common)
        std::memcpy(state.data() + common, data_.data() + runsBytes_, to - common);
}
