// fmrender: the picture of a battle's whole map, for documentation and build scripts.
// Draws without a window or a display.
//   fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]
#include "ProgramFolderChoice.h"
#include "RenderBattle.h"
#include "StartArguments.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The toolkit's notes about what a desktop session would have (a runtime folder, fonts
// settings) are not the user's business on the terminal; its errors still are.
void KeepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "fmrender: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    // The renderer needs fonts and pictures, not a screen: never ask for one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepToolkitNotesQuiet);
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
