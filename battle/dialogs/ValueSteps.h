#pragma once
// The one arrow rule of every dialog: up adds 1 while the value is below its range's top,
// down subtracts 1 while it is above its bottom. A value that came from a file outside
// the range steps straight onto the nearer bound when stepped toward the range, and a
// step away from the range is refused.

struct StepBounds {
    int low;
    int high;
};

// One arrow step of value within bounds; false when the value stays as it was.
inline bool StepInRange(int& value, bool up, StepBounds bounds) {
    const int before = value;
    if (up && value < bounds.low)
        value = bounds.low;
    else if (up && value < bounds.high)
        ++value;
    else if (!up && value > bounds.high)
        value = bounds.high;
    else if (!up && value > bounds.low)
        --value;
    return value != before;
}

// The arrow controls are reset to the middle of their 1 … 32767 range at each opening,
// so that both arrows always report a click.
constexpr int kArrowMiddle = 16383;
