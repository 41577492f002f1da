#include "SdxFile.h"

#include <QList>

#include <numeric>

namespace {

void AppendOrder(QByteArray& out, const std::vector<int>& order) {
    for (int number : order) {
        out.append(QByteArray::number(number));
        out.append("\r\n");
    }
}

bool IsPermutation(const std::vector<int>& order) {
    std::vector<bool> seen(order.size() + 1, false);
    for (int number : order) {
        if (number < 1 || number > int(order.size()) || seen[number])
            return false;
        seen[number] = true;
    }
    return true;
}

} // namespace

QByteArray SerializeOrder(const std::vector<int>& terrainOrder, const std::vector<int>& unitOrder) {
    QByteArray out;
    AppendOrder(out, terrainOrder);
    AppendOrder(out, unitOrder);
    return out;
}

bool ParseOrder(const QByteArray& bytes, int terrainCount, int unitCount,
                std::vector<int>& terrainOrder, std::vector<int>& unitOrder) {
    std::vector<int> numbers;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok)
            return false;
        numbers.push_back(number);
    }
    if (int(numbers.size()) != terrainCount + unitCount)
        return false;
    std::vector<int> terrain(numbers.begin(), numbers.begin() + terrainCount);
    std::vector<int> units(numbers.begin() + terrainCount, numbers.end());
    if (!IsPermutation(terrain) || !IsPermutation(units))
        return false;
    terrainOrder = std::move(terrain);
    unitOrder = std::move(units);
    return true;
}

std::vector<int> IdentityOrder(int count) {
    std::vector<int> order(std::max(count, 0));
    std::iota(order.begin(), order.end(), 1);
    return order;
}
