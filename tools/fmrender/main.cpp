// fmrender: the picture of a battle's whole map, for documentation and build scripts.
// Draws without a window or a display.
//   fmrender BATTLE.scn OUT.png [--zoom 0|1|2] [--no-text] [--no-overlay]
#include "RenderBattle.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // The renderer needs fonts and pictures, not a screen: never ask for one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto say = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    const RenderRequest request = ParseRenderArguments(QGuiApplication::arguments().mid(1));
    if (!request.ok) {
        say(QStringLiteral("fmrender: ") + request.error);
        say(kRenderUsage);
        return 2;
    }
    return RenderBattleFile(request,
                            PaletteFolders(request.battlePath, QDir::currentPath(),
                                           QCoreApplication::applicationDirPath()),
                            say);
}
