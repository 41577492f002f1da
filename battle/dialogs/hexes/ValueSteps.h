#pragma once
// The arrow rule of the hex dialogs: up adds 1 while the value is below `high`, down
// subtracts 1 while it is above `low`; a step beyond either bound is ignored. A value
// that came from a file outside the range can only step back toward it.

inline void StepWithin(int& value, bool up, int low, int high) {
    if (up && value < high)
        ++value;
    else if (!up && value > low)
        --value;
}

// The arrow controls are reset to the middle of their 1 … 32767 range at each opening,
// so that both arrows always report a click.
constexpr int kArrowMiddle = 16383;
