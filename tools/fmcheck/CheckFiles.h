#pragma once
// fmcheck's work: read each battle with the symbol set beside it and the definitions of
// its program folder, check it, and write what was found as lines or as JSON.

#include "BattleCheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct CheckedFile {
    QString path; // as given on the command line
    std::vector<BattleProblem> problems;
};

struct CheckRun {
    int status = 0; // 0 no errors, 1 an error in some battle, 2 a file that cannot be read
    std::vector<CheckedFile> files; // the battles that could be read
};

// `programFolders` gives, for a battle file, the folders in which its definitions and
// icons are looked for, in order (ProgramFoldersAround): the first that holds a "defs"
// folder is taken. Each
// file that cannot be read is told through `say` in one line.
CheckRun CheckBattleFiles(const QStringList& paths,
                          const std::function<QStringList(const QString&)>& programFolders,
                          const std::function<void(const QString&)>& say);

// "FILE:HEX: error: RECORD: MESSAGE", one line each, ending with a newline.
QString ProblemLines(const std::vector<CheckedFile>& files);
// One JSON array of every problem of every file.
QByteArray ProblemsJson(const std::vector<CheckedFile>& files);
