#pragma once
// Repeatable pseudo-random numbers for textures: the same seed paints the same pixels on
// every build, so generated files do not change between runs.

#include <cstdint>

class Scatter {
public:
    explicit Scatter(uint32_t seed) : state_(seed * 2654435761u + 1u) {}

    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // 0 ≤ result < 1
    double Unit() { return double(Next() % 1000000u) / 1000000.0; }
    // lo ≤ result < hi
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    int Below(int n) { return n > 0 ? int(Next() % uint32_t(n)) : 0; }

private:
    uint32_t state_;
};
