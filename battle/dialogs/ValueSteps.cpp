#include "ValueSteps.h"

#include <QRegularExpression>

#include <cstdlib>

int ReachTypedValue(int target, const std::function<int()>& current,
                    const std::function<void(bool up)>& step) {
    // Far more than any field's range holds, in case a step rule never settles.
    constexpr int kMostSteps = 1 << 17;
    int value = current();
    const bool up = target > value;
    int taken = 0;
    while (value != target && taken < kMostSteps) {
        const int before = value;
        step(up);
        ++taken;
        value = current();
        if (value == before)
            break; // the end of the range
        if (up ? value > target : value < target) {
            // Jumped over the target: go back when the value before was nearer, provided
            // the step back really lands there.
            if (std::abs(before - target) < std::abs(value - target)) {
                step(!up);
                ++taken;
                if (current() != before) {
                    step(up);
                    ++taken;
                }
            }
            break;
        }
    }
    return taken;
}

std::optional<int> LastNumberIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    std::optional<int> last;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) {
        bool ok = false;
        const int n = m.captured().toInt(&ok);
        last = ok ? std::optional<int>(n) : std::nullopt;
    }
    return last;
}
