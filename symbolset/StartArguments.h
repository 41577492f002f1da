#pragma once
// The command line both programs accept: nothing, or the path of one file to open at
// start (what a file manager passes when a battle or a set is opened with the program).

#include <QString>
#include <QStringList>

struct StartArguments {
    bool ok = true;
    QString openPath; // absolute; empty when none was given
    QString error;    // for the terminal when ok is false, usage included
};

// `arguments` as QCoreApplication::arguments() gives them (the program first, the
// toolkit's own options already taken out); a relative path is taken from `currentDir`.
// `usage` is the line that follows an error, e.g. "usage: fmbattle [BATTLE.scn]".
StartArguments ParseStartArguments(const QStringList& arguments, const QString& currentDir,
                                   const QString& usage);
