// Writes the sample battle "Varnholm Ford" as Battles/sample.scn of the program folder,
// reading the standard set and the definition files the other generators put there.
// Usage: fm_gen_sample <program folder>

#include "BattleFile.h"
#include "ProgramFolder.h"
#include "SampleBattle.h"
#include "ToolFiles.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool reported = false;
    const MessageSink sink = [&reported](const QString& caption, const QString& text) {
        std::fprintf(stderr, "sample battle: %s: %s\n", qPrintable(caption), qPrintable(text));
        reported = true;
    };

    Definitions defs;
    if (!LoadDefinitions(folder, defs, sink))
        return 1;
    LoadedSymbolSet set;
    if (!LoadSymbolSet(BattlesFolder(folder), QStringLiteral("varnholm"), set, sink))
        return 1;

    Battle battle;
    if (const QString fault = BuildSampleBattle(battle, defs, set); !fault.isEmpty()) {
        std::fprintf(stderr, "sample battle: %s\n", qPrintable(fault));
        return 1;
    }
    const QString path = BattlesFolder(folder) + "/sample.scn";
    if (!WriteBattleFile(path, battle, defs, set.terrainCount(), sink) || reported)
        return 1;
    return 0;
}
