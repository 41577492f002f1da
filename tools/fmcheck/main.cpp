// fmcheck: the battle checker of the battle editor, from the command line, for designers
// and build scripts. Needs no display.
//   fmcheck BATTLE.scn [more.scn …] [--json]
#include "CheckArguments.h"
#include "CheckFiles.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto say = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    const CheckRequest request = ParseCheckArguments(QCoreApplication::arguments().mid(1));
    if (!request.ok) {
        say(QStringLiteral("fmcheck: ") + request.error);
        say(kCheckUsage);
        return 2;
    }
    if (request.help) {
        std::printf("%s\n", qPrintable(CheckHelpText()));
        return 0;
    }
    if (request.version) {
        std::printf("fmcheck %s\n", FM_VERSION);
        return 0;
    }
    const QString currentDir = QDir::currentPath();
    const QString executableDir = QCoreApplication::applicationDirPath();
    const CheckRun run = CheckBattleFiles(
        request.battlePaths,
        [&](const QString& path) { return ProgramFoldersAround(path, currentDir, executableDir); },
        say);
    if (request.json)
        std::fputs(ProblemsJson(run.files).constData(), stdout);
    else
        std::fputs(ProblemLines(run.files).toLocal8Bit().constData(), stdout);
    return run.status;
}
