// fmrender: the picture of a battle's whole map, for documentation and build scripts.
// Draws without a window or a display.
//   fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]
#include "ProgramFolderChoice.h"
#include "RenderBattle.h"
#include "StartArguments.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // The renderer needs fonts and pictures, not a screen: never ask for one, and keep the
    // toolkit's notes about the missing desktop off the terminal.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QGuiApplication app(argc, argv);
    const auto say = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    const RenderRequest request = ParseRenderArguments(QGuiApplication::arguments().mid(1));
    if (request.help || request.version) {
        std::printf("%s\n", qPrintable(request.help ? kRenderUsage + "\n\n" + kRenderHelp
                                                    : "fmrender " + ProgramVersion()));
        return 0;
    }
    if (!request.ok) {
        say(QStringLiteral("fmrender: ") + request.error);
        say(kRenderUsage);
        return 2;
    }
    const FolderSurroundings around = FolderSurroundings::OfThisProcess();
    return RenderBattleFile(request,
                            FoldersToSearch(request.battlePath, around.currentDir,
                                            around.executableDir,
                                            UserProgramFolder(around.xdgDataHome, around.homeDir)),
                            say);
}
