#include "MapInfoLogic.h"

#include <algorithm>

void MapInfoLogic::FormActivate(const Battle& battle) {
    const BattleSettings& s = battle.settings;
    symbolSetText = QStringLiteral("Symbol Set: ") + s.symbolSetName.text();
    totalHexesText = QStringLiteral("Total Hexes: %1").arg(s.hexCount);
    maxRowsText = QStringLiteral("Max Rows: %1").arg(s.mapRows);
    maxColsText = QStringLiteral("Max Cols: %1").arg(s.mapCols);
    totalUnitsText = QStringLiteral("Total Units: %1").arg(battle.unitCount());
    mapTextEntriesText =
        QStringLiteral("Map Text Entries: %1").arg(std::max(0, battle.mapTexts().count()));
}
