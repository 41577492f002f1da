#pragma once
// fmrender's work: read a battle and its symbol set, draw the whole map with the map
// view's renderer and write the picture.

#include "RenderArguments.h"

#include <QString>
#include <QStringList>

#include <functional>

// Where fmrender looks, besides the battle's own folder.
struct RenderFolders {
    QStringList palette; // where "bmps/ketpal.bmp" is looked for, in order
    QStringList sets;    // where the battle's set is looked for after the battle's folder
};

// Each message is one line for the terminal. Returns the exit status: 0 when the picture
// was written, 1 otherwise.
int RenderBattleFile(const RenderRequest& request, const RenderFolders& folders,
                     const std::function<void(const QString&)>& say);

// The palette: the program folder holding the battle's folder, the current directory, the
// installed stock data beside the program, the program's folder. The set: the "Battles"
// folders of the current directory, of the user's own folder and of the installed stock.
RenderFolders FoldersToSearch(const QString& battlePath, const QString& currentDir,
                              const QString& executableDir, const QString& userFolder);
