#include "NewBattleAttrs.h"

#include "ProgramFolder.h"

#include <QFileInfo>

namespace {

bool ReadAttrs(const QString& path, TerrainAttrTable& attrs) {
    attrs = TerrainAttrTable{};
    return QFileInfo(path).isFile() && ReadTerrainAttributes(path, attrs, nullptr);
}

} // namespace

NewBattleAttrs ChooseNewBattleAttrs(bool battleShown, const QString& setName,
                                    const BattlePreferences& prefs, const QString& programFolder) {
    NewBattleAttrs chosen;
    if (battleShown) {
        chosen.text = kAttrsFromBattleShown;
        return chosen;
    }
    TerrainAttrTable attrs;
    const auto last = prefs.lastBattleOnSet.find(setName.toLower());
    if (last != prefs.lastBattleOnSet.end() && ReadAttrs(last->second, attrs)) {
        chosen.attrs = attrs;
        chosen.text = QStringLiteral("From %1, the last battle on this set")
                          .arg(QFileInfo(last->second).fileName());
        return chosen;
    }
    const QString sample = FindEntry(BattlesFolder(programFolder), kStockSampleFile);
    if (setName.compare(kStockSetName, Qt::CaseInsensitive) == 0 && ReadAttrs(sample, attrs)) {
        chosen.attrs = attrs;
        chosen.text = QStringLiteral("From the sample battle %1").arg(kStockSampleFile);
        return chosen;
    }
    chosen.attrs = TerrainAttrTable{};
    chosen.text = kNoTerrainAttrs;
    return chosen;
}

bool RememberBattleOnSet(const QString& programFolder, const QString& setName,
                         const QString& path) {
    if (setName.isEmpty() || path.isEmpty())
        return true;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return UpdateBattlePreferences(programFolder, [&](BattlePreferences& prefs) {
        prefs.lastBattleOnSet[setName.toLower()] = absolute;
    });
}
