#pragma once
// What both programs do first: read the command line and choose the folder to work in,
// which then becomes the current directory.

#include "ProgramFolderChoice.h"

#include <QString>

struct ProgramStart {
    bool proceed = true; // false: a bad command line, already explained on stderr
    QString openPath;    // the file to open once the window is shown
    ProgramFolderChoice folder;
};

// Needs the QCoreApplication; `usage` is the program's usage line.
ProgramStart PrepareProgramStart(const QString& usage);
