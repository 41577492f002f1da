#pragma once
// The one arrow rule of every dialog: up adds 1 while the value is below its range's top,
// down subtracts 1 while it is above its bottom. A value that came from a file outside
// the range steps straight onto the nearer bound when stepped toward the range, and a
// step away from the range is refused.

#include <QString>

#include <functional>
#include <optional>

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

// A typed value reached with a field's own arrow steps, so it obeys the same range and
// steps as the arrows: stepping stops on the target, at the end of the range, or on the
// step value nearer the target when the steps jump over it. `current` reads the field,
// `step` is one arrow click. Returns the number of steps taken.
int ReachTypedValue(int target, const std::function<int()>& current,
                    const std::function<void(bool up)>& step);

// The last whole number in a label's text ("Men: 35" gives 35, "Height: -2" gives -2);
// nothing when the label shows no number ("Men: --").
std::optional<int> LastNumberIn(const QString& text);
