#include "OpenBattle.h"

#include "Battle.h"
#include "BattleFile.h"
#include "LoadedSymbolSet.h"
#include "ProgramFolder.h"

#include <QFileInfo>

OpenOutcome OpenBattle(const QString& path, Battle& battle, LoadedSymbolSet& set,
                       QString& currentPath, const MessageSink& sink) {
    if (!ReadBattleFile(path, battle, sink))
        return OpenOutcome::ReadFailed;
    currentPath = path;

    // The set is looked for, and loaded from, the folder that holds the battle file; a
    // name with a folder in it is no base name and names no set there.
    const QString folder = QFileInfo(path).absolutePath();
    const QString setName = battle.settings.symbolSetName.text();
    if (setName.isEmpty() || setName.contains(QLatin1Char('/')) ||
        !QFileInfo(FindEntry(folder, setName + kSetSuffix)).isFile())
        return OpenOutcome::SetFailed;
    if (!LoadSymbolSet(folder, setName, set, sink))
        return OpenOutcome::SetFailed;
    set.ComputeCellSteps();
    return OpenOutcome::Opened;
}
