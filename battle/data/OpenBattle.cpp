#include "OpenBattle.h"

#include "Battle.h"
#include "BattleFile.h"
#include "LoadedSymbolSet.h"
#include "ProgramFolder.h"
#include "ProgramFolderChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList OtherSetFolders() {
    QStringList folders = {BattlesFolder(QDir::currentPath())};
    if (QCoreApplication::instance())
        folders << BattlesFolder(InstalledStockFolder(QCoreApplication::applicationDirPath()));
    return folders;
}

OpenOutcome OpenBattle(const QString& path, Battle& battle, LoadedSymbolSet& set,
                       QString& currentPath, const MessageSink& sink,
                       const QStringList& otherSetFolders) {
    if (!ReadBattleFile(path, battle, sink))
        return OpenOutcome::ReadFailed;
    currentPath = path;

    // A name with a folder in it is no base name and names no set anywhere.
    const QString setName = battle.settings.symbolSetName.text();
    if (setName.isEmpty() || setName.contains(QLatin1Char('/'))) {
        Warn(sink, QStringLiteral("This battle names no symbol set it can be drawn with."));
        return OpenOutcome::SetFailed;
    }
    QStringList lookedIn;
    for (const QString& candidate : QStringList{QFileInfo(path).absolutePath()} + otherSetFolders) {
        const QString folder = QDir::cleanPath(QDir(candidate).absolutePath());
        if (lookedIn.contains(folder))
            continue;
        lookedIn << folder;
        if (!QFileInfo(FindEntry(folder, setName + kSetSuffix)).isFile())
            continue;
        if (!LoadSymbolSet(folder, setName, set, sink))
            return OpenOutcome::SetFailed;
        set.ComputeCellSteps();
        return OpenOutcome::Opened;
    }
    Warn(sink, QStringLiteral("The symbol set \"%1\" of this battle is missing. It was looked "
                              "for as %2 in:\n%3")
                   .arg(setName, setName + kSetSuffix, lookedIn.join(QLatin1Char('\n'))));
    return OpenOutcome::SetFailed;
}
