#include "SetReload.h"

#include <algorithm>

SymbolsInUse FindSymbolsInUse(const Battle& battle) {
    SymbolsInUse used;
    for (const HexRecord& hex : battle.hexes()) {
        for (int slot = 0; slot <= kSecondarySlots; ++slot) {
            const int symbol = hex.terrainSlot(slot);
            if (IsTerrainSymbol(symbol))
                used.terrain = std::max(used.terrain, symbol);
        }
    }
    for (const UnitRecord& unit : battle.units())
        used.unit = std::max(used.unit, unit.symbol);
    return used;
}

bool ReloadSymbolSet(const QString& folder, const QString& setName, const Battle& battle,
                     LoadedSymbolSet& set, const MessageSink& sink) {
    LoadedSymbolSet fresh;
    if (!LoadSymbolSet(folder, setName, fresh, sink))
        return false;
    const SymbolsInUse used = FindSymbolsInUse(battle);
    if (used.terrain >= fresh.terrainCount() || used.unit >= fresh.unitCount()) {
        Warn(sink, QStringLiteral("The symbol set %1 on disk no longer has every symbol this "
                                  "battle uses (terrain %2 of %3, units %4 of %5); the set "
                                  "shown is kept.")
                       .arg(setName)
                       .arg(used.terrain + 1)
                       .arg(fresh.terrainCount())
                       .arg(used.unit + 1)
                       .arg(fresh.unitCount()));
        return false;
    }
    set = std::move(fresh);
    return true;
}
