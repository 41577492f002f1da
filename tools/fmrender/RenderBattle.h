#pragma once
// fmrender's work: read a battle and the symbol set beside it, draw the whole map with the
// map view's renderer and write it as a PNG file.

#include "RenderArguments.h"

#include <QString>
#include <QStringList>

#include <functional>

// Each message is one line for the terminal. `programFolders` are where the palette
// picture "bmps/ketpal.bmp" is looked for, in order. Returns the exit status: 0 when the
// picture was written, 1 otherwise.
int RenderBattleFile(const RenderRequest& request, const QStringList& programFolders,
                     const std::function<void(const QString&)>& say);

// Where the palette is looked for: the program folder holding the battle's folder, the
// current directory, the installed stock data beside the program, the program's folder.
QStringList PaletteFolders(const QString& battlePath, const QString& currentDir,
                           const QString& executableDir);
