#pragma once
// The terrain attributes (names, elevation, costs, defences) a new battle starts with. With
// a battle shown they are that battle's. With none shown (just after start, or after a
// battle failed to open) they come from the last battle opened or saved on the same symbol
// set, else for the stock set from its sample battle; without either every cost is 0, and
// the new-battle dialog says so.

#include "BattlePreferences.h"
#include "TerrainAttrImport.h"

#include <QString>

#include <optional>

inline const QString kStockSetName = QStringLiteral("varnholm");
inline const QString kStockSampleFile = QStringLiteral("sample.scn");
inline const QString kAttrsFromBattleShown = QStringLiteral("From the battle shown");
inline const QString kNoTerrainAttrs = QStringLiteral("None: every cost is 0");

struct NewBattleAttrs {
    std::optional<TerrainAttrTable> attrs; // none: those of the battle shown
    QString text;                          // what the dialog shows
};

// The attributes offered for a new battle on setName. A candidate file that cannot be read
// is passed over silently for the next.
NewBattleAttrs ChooseNewBattleAttrs(bool battleShown, const QString& setName,
                                    const BattlePreferences& prefs, const QString& programFolder);

// Notes path as the battle last opened or saved on setName (in "fmbattle.prf").
bool RememberBattleOnSet(const QString& programFolder, const QString& setName, const QString& path);
