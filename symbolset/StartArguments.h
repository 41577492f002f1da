#pragma once
// The command line both programs accept: nothing, or the path of one file to open at
// start (what a file manager passes when a battle or a set is opened with the program).

#include <QString>
#include <QStringList>

#include <optional>

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

// What a program says about itself for --help.
struct ProgramHelp {
    QString name;        // "fmbattle"
    QString usage;       // "usage: fmbattle [BATTLE.scn]"
    QString description; // lines printed between the usage and the options
};

// The version of every Fieldmark program.
QString ProgramVersion();

struct EarlyAnswer {
    bool done = false; // true: the program ends now with `status`
    int status = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// The command line looked at before the toolkit starts, so that --help, --version and a
// refused command line need no display. The toolkit's own options ("-platform offscreen",
// "-style fusion", …) are let through for it to take. `raw` is argv as given.
EarlyAnswer AnswerBeforeStart(const QStringList& raw, const ProgramHelp& help);
// The same on the process's argv: prints the answer and returns the status when the
// program is to end, nothing when it is to go on.
std::optional<int> AnswerBeforeStart(int argc, char** argv, const ProgramHelp& help);
