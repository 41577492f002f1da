#include "HexValues.h"

#include "Battle.h"

#include <algorithm>

namespace {

// The attributes of a terrain symbol; empty slots and symbols beyond the attribute
// table have none.
const TerrainAttr* Attr(const Battle& b, int symbol) {
    if (symbol < 0 || symbol >= kMaxTerrainAttrs)
        return nullptr;
    return &b.terrainAttrs[size_t(symbol)];
}

// The top terrain that is not decoration: secondary slot 6 down to the primary terrain.
const TerrainAttr* TopTerrain(const Battle& b, const HexRecord& x) {
    for (int slot = kSecondarySlots; slot >= 0; --slot) {
        const TerrainAttr* a = Attr(b, x.terrainSlot(slot));
        if (a && a->costPerMove != 0)
            return a;
    }
    return nullptr;
}

} // namespace

RowCol HexRowCol(const Battle& b, int hex) {
    const int cols = b.settings.mapCols;
    if (cols <= 0)
        return {};
    return {hex / cols, hex % cols};
}

QString HexLabel(const Battle& b, int hex) {
    const RowCol rc = HexRowCol(b, hex);
    return QString::number(rc.row) + QString::number(rc.col);
}

int HexMoveCost(const Battle& b, int hex) {
    if (!b.IsHex(hex))
        return 0;
    const HexRecord& x = b.hex(hex);
    const TerrainAttr* top = TopTerrain(b, x);
    int c = top ? top->costPerMove : 0;
    if (x.caltropsMarker != 0)
        c += 3;
    return c > 12 ? 0 : c;
}

int HexElevation(const Battle& b, int hex) {
    if (!b.IsHex(hex))
        return 0;
    const TerrainAttr* a = Attr(b, b.hex(hex).primaryTerrain);
    return a ? a->elevation : 0;
}

int HexHeight(const Battle& b, int hex) {
    if (!b.IsHex(hex))
        return 0;
    const HexRecord& x = b.hex(hex);
    int m = 0;
    for (int symbol : x.secondaryTerrain) {
        const TerrainAttr* a = Attr(b, symbol);
        if (a && a->costPerMove != 0)
            m = std::max(m, a->elevation);
    }
    if (b.structures().valid(x.structureNo))
        m = std::max(m, b.structures()[x.structureNo].height);
    return m + HexElevation(b, hex);
}

int HexDefence(const Battle& b, int hex) {
    if (!b.IsHex(hex))
        return 0;
    const TerrainAttr* top = TopTerrain(b, b.hex(hex));
    return top ? top->defenceModifier : 0;
}
