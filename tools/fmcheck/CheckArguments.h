#pragma once
// The command line of fmcheck:
//   fmcheck BATTLE.scn [more.scn …] [--json]
//   fmcheck --help | --version

#include <QString>
#include <QStringList>

struct CheckRequest {
    bool ok = true;
    bool help = false;
    bool version = false;
    bool json = false;
    QStringList battlePaths;
    QString error; // why the command line was refused
};

inline const QString kCheckUsage =
    QStringLiteral("usage: fmcheck BATTLE.scn [more.scn ...] [--json]");

// `arguments` without the program's own name.
CheckRequest ParseCheckArguments(const QStringList& arguments);

// What --help prints: the usage, the output and the exit statuses.
QString CheckHelpText();
