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

size_t GetCount(const uint8_t*& p) {
    size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t b = *p++;
        n |= size_t(b & 0x7f) << shift;
        if ((b & 0x80) == 0)
            return n;
    }
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
        PutCount(d.runs_, i - done);
        PutCount(d.runs_, end - i);
        for (size_t j = i; j < end; ++j)
            d.runs_.push_back(uint8_t(a[j] ^ b[j]));
        done = end;
        i = k;
    }
    d.runs_.shrink_to_fit();
    d.beforeTail_.assign(before.begin() + std::ptrdiff_t(common), before.end());
    d.afterTail_.assign(after.begin() + std::ptrdiff_t(common), after.end());
    return d;
}

size_t BattleStateDiff::bytes() const {
    return runs_.capacity() + beforeTail_.capacity() + afterTail_.capacity();
}

void BattleStateDiff::Apply(std::vector<uint8_t>& state, bool forward) const {
    Q_ASSERT(state.size() == (forward ? beforeSize_ : afterSize_));
    const size_t common = std::min(beforeSize_, afterSize_);
    uint8_t* s = state.data();
    const uint8_t* p = runs_.data();
    const uint8_t* end = p + runs_.size();
    size_t at = 0;
    while (p < end) {
        at += GetCount(p);
        const size_t n = GetCount(p);
        for (size_t j = 0; j < n; ++j)
            s[at + j] ^= p[j];
        p += n;
        at += n;
    }
    const std::vector<uint8_t>& tail = forward ? afterTail_ : beforeTail_;
    state.resize(common);
    state.insert(state.end(), tail.begin(), tail.end());
}
