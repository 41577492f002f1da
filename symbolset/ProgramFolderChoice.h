#pragma once
// Which folder the programs work in. Started inside a program folder (a current directory
// with a "Battles" folder, in any letter case) they use it as they always have. Started
// anywhere else, as a desktop launcher or a file manager starts them, they use the user's
// own folder under the XDG data home, filled from the stock data installed beside the
// programs. Files already in the user's folder are never replaced: only missing ones are
// copied, so a later version adds its new files and keeps the designer's own.

#include <QString>
#include <QStringList>

// What the choice depends on, gathered once so tests can give their own.
struct FolderSurroundings {
    QString currentDir;
    QString executableDir; // the folder holding the running program
    QString xdgDataHome;   // the variable's value; empty when unset
    QString homeDir;
    // This process's surroundings (needs a QCoreApplication for the executable's folder).
    static FolderSurroundings OfThisProcess();
};

struct StockCopy {
    bool ok = true;
    QStringList copied; // paths relative to the target folder, in the order copied
    QString error;      // the first failure, when ok is false
};

struct ProgramFolderChoice {
    QString folder;
    bool perUser = false;
    QString stockFolder; // where missing files came from; empty when none was found
    StockCopy copy;
};

// True when `dir` holds a "Battles" folder, whatever the case of its name.
bool IsProgramFolder(const QString& dir);
// $XDG_DATA_HOME/fieldmark, or ~/.local/share/fieldmark when the variable is unset or not
// an absolute path.
QString UserProgramFolder(const QString& xdgDataHome, const QString& homeDir);
// <executable folder>/../share/fieldmark, where the installation puts the stock data.
QString InstalledStockFolder(const QString& executableDir);
// Copies every file of `stock` (with its subfolders) that `target` lacks; each file is
// written atomically, so an interrupted start leaves no half file behind.
StockCopy CopyMissingStock(const QString& stock, const QString& target);
// The folder to work in, created and filled when it is the user's own.
ProgramFolderChoice ChooseProgramFolder(const FolderSurroundings& around);
