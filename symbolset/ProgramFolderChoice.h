#pragma once
// Which folder the programs work in, decided by where the program itself lies. A program
// that sits in a program folder (a folder with a "Battles" folder, in any letter case, as
// build/app is) works in the current directory when that is a program folder too, else in
// its own folder. An installed program always works in the user's own folder under the XDG
// data home, kept in step with the stock data installed beside it, whatever the current
// directory holds: desktop launchers start programs in $HOME, where a "Battles" folder of
// the designer's is no program folder.

#include "StockCopy.h"

#include <QString>

// What the choice depends on, gathered once so tests can give their own.
struct FolderSurroundings {
    QString currentDir;
    QString executableDir; // the folder holding the running program
    QString xdgDataHome;   // the variable's value; empty when unset
    QString homeDir;
    // This process's surroundings (needs a QCoreApplication for the executable's folder).
    static FolderSurroundings OfThisProcess();
};

struct ProgramFolderChoice {
    QString folder;
    bool perUser = false;
    QString stockFolder; // where stock files came from; empty when none was found
    StockCopy copy;
};

// True when `dir` holds a "Battles" folder, whatever the case of its name.
bool IsProgramFolder(const QString& dir);
// $XDG_DATA_HOME/fieldmark, or ~/.local/share/fieldmark when the variable is unset or not
// an absolute path.
QString UserProgramFolder(const QString& xdgDataHome, const QString& homeDir);
// <executable folder>/../share/fieldmark, where the installation puts the stock data.
QString InstalledStockFolder(const QString& executableDir);
// The folder to work in, created and filled when it is the user's own.
ProgramFolderChoice ChooseProgramFolder(const FolderSurroundings& around);
