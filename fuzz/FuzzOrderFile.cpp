// The ".sdx" display order reader.
#include "SdxFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes choose the counts the order must cover.
    const int terrain = data[0] % 40, units = data[1] % 40;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    std::vector<int> terrainOrder, unitOrder;
    if (!ParseOrder(bytes, terrain, units, terrainOrder, unitOrder))
        return 0;
    if (int(terrainOrder.size()) != terrain || int(unitOrder.size()) != units)
        std::abort();
    std::vector<int> t2, u2;
    if (!ParseOrder(SerializeOrder(terrainOrder, unitOrder), terrain, units, t2, u2) ||
        t2 != terrainOrder || u2 != unitOrder)
        std::abort();
    return 0;
}
