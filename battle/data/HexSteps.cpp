#include "HexSteps.h"

#include "Battle.h"

#include <cstdlib>

int HexNeighbour(int direction, int hex, int mapCols, int hexCount) {
    const int w = mapCols;
    const bool odd = (hex % w) % 2 != 0;
    int n = kNoHex;
    switch (direction) {
    case 1:
        n = hex - w;
        break;
    case 2:
        n = odd ? hex + 1 : hex - w + 1;
        break;
    case 3:
        n = odd ? hex + w + 1 : hex + 1;
        break;
    case 4:
        n = hex + w;
        break;
    case 5:
        n = odd ? hex + w - 1 : hex - 1;
        break;
    case 6:
        n = odd ? hex - 1 : hex - w - 1;
        break;
    default:
        return kNoHex;
    }
    // A step left from the first column or right from the last would land on the other
    // edge of the map, which is no neighbour.
    const int col = hex % w;
    const bool left = direction == 5 || direction == 6, right = direction == 2 || direction == 3;
    if ((left && col == 0) || (right && col == w - 1))
        return kNoHex;
    return n < 0 || n >= hexCount ? kNoHex : n;
}

int HexNeighbour(const Battle& b, int direction, int hex) {
    if (b.settings.mapCols <= 0)
        return kNoHex;
    return HexNeighbour(direction, hex, b.settings.mapCols, b.hexCount());
}

namespace {

bool Adjacent(const Battle& b, int a, int c) {
    for (int d = 1; d <= 6; ++d) {
        if (HexNeighbour(b, d, a) == c)
            return true;
    }
    return false;
}

// b lies on one of the six straight lines through a.
bool OnDiagonal(int r0, int c0, int r1, int c1) {
    const int dr = std::abs(r0 - r1);
    const int dc = std::abs(c0 - c1);
    const bool even0 = c0 % 2 == 0;
    const bool even1 = c1 % 2 == 0;
    if (even0 == even1)
        return dc == 2 * dr;
    if (even0)
        return (r0 > r1 && 2 * dr == dc + 1) || (r0 < r1 && 2 * dr == dc - 1);
    return (r0 > r1 && dc == 2 * dr + 1) || (r0 < r1 && 2 * dr == dc + 1);
}

} // namespace

int HexDistance(const Battle& b, int a, int c) {
    const int w = b.settings.mapCols;
    if (!b.IsHex(a) || !b.IsHex(c) || w <= 0)
        return kUnreachable;
    if (a == c)
        return 0;
    if (Adjacent(b, a, c))
        return 1;
    const int r0 = a / w, c0 = a % w, r1 = c / w, c1 = c % w;
    const int dr = std::abs(r0 - r1);
    const int dc = std::abs(c0 - c1);
    if (dr != 0) {
        if (dc == 0)
            return dr;
        if (OnDiagonal(r0, c0, r1, c1))
            return dc;
    }
    // Walk from a toward the target, one neighbour at a time. Every step brings the row
    // or the column closer, so the walk ends within dr + dc steps.
    int h = a;
    int steps = 0;
    while (h != c && steps <= dr + dc) {
        const int r = h / w, col = h % w;
        if (r == r1)
            h += c1 < col ? -1 : 1;
        else if (col == c1)
            h += r1 < r ? -w : w;
        else if (r1 > r)
            h = std::abs(c1 - col) > std::abs(r1 - r) ? HexNeighbour(b, c1 > col ? 3 : 5, h)
                                                      : h + w;
        else
            h = std::abs(c1 - col) > std::abs(r1 - r) ? HexNeighbour(b, c1 > col ? 2 : 6, h)
                                                      : h - w;
        ++steps;
        if (!b.IsHex(h))
            return kUnreachable;
    }
    return h == c ? steps : kUnreachable;
}
