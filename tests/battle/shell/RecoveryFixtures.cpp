#include "RecoveryFixtures.h"

#include "BattleFile.h"
#include "BattleRecoveryStore.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int kAddedTerrain = 10;
constexpr int kTestTerrainCount = kAddedTerrain + 1; // and the new set's "Blank"

} // namespace

Battle FordBattle() {
    Battle b;
    b.settings.mapCols = 30;
    b.settings.mapRows = 20;
    b.settings.symbolSetName = "test";
    b.settings.battleName = "Varnholm Ford";
    b.settings.sideAName = "Western Forces";
    b.settings.sideBName = "Eastern Forces";
    b.InitNewBattle({});
    UnitRecord east;
    east.name = "Eastern Spears";
    east.side = 2;
    east.men = 40;
    b.AddUnit(east, 61);
    UnitRecord west = east;
    west.name = "Western Archers";
    west.side = 1;
    b.AddUnit(west, 62);
    return b;
}

QByteArray BattleBytesOnTestSet(const Battle& battle) {
    return EncodeBattle(battle, battle.settings.saveCount, kTestTerrainCount);
}

bool MakeRecoveryProgramFolder(const QString& folder) {
    const QString battles = folder + "/Battles";
    if (!QDir(folder).mkpath("Battles"))
        return false;
    SymbolSet set;
    if (!CreateNewSet(set, folder, LayoutVertical, true, {15, 30, 45}).ok)
        return false;
    for (int i = 0; i < kAddedTerrain; ++i) {
        if (!AddSymbol(set, SymbolKind::Terrain, "t", {}, qRgb(30 * i, 100, 50)).ok)
            return false;
    }
    if (!SaveSetTo(set, folder + "/new.set", battles + "/test.set").ok)
        return false;
    // Written as it stands: a save would put the units into their canonical order.
    QFile file(battles + "/ford.scn");
    const QByteArray bytes = BattleBytesOnTestSet(FordBattle());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList RecoveryFiles(const QString& stateHome) {
    const QString folder =
        stateHome.isEmpty() ? RecoveryFolder() : stateHome + "/fieldmark/recovery";
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
