#include "TerrainAttrImport.h"

#include "Battle.h"
#include "BattleFile.h"

#include <memory>

bool ReadTerrainAttributes(const QString& path, TerrainAttrTable& attrs, const MessageSink& sink) {
    // The reader keeps the attributes it is handed and overwrites as many as the file
    // holds, which is exactly the import.
    auto scratch = std::make_unique<Battle>();
    scratch->terrainAttrs = attrs;
    if (!ReadBattleFile(path, *scratch, sink))
        return false;
    attrs = scratch->terrainAttrs;
    return true;
}
