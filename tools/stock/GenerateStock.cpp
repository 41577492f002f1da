// Writes the stock data of the program folder: palette, logos, battle icons, sound effects
// and the weapon and armour definition files.
// Usage: fm_gen_stock <program folder>

#include "DefinitionFiles.h"
#include "Icons.h"
#include "Logos.h"
#include "Palette.h"
#include "Sounds.h"
#include "ToolFiles.h"
#include "WavFile.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]) + "/";

    bool ok = SaveBitmapFile(root + "bmps/ketpal.bmp", PalettePicture());
    ok = SaveBitmapFile(root + "bmps/fmedt.bmp", BattleEditorLogo()) && ok;
    ok = SaveBitmapFile(root + "bmps/fmsym.bmp", SymbolEditorLogo()) && ok;
    for (const BattleIcon& icon : BattleIcons())
        ok = SaveBitmapFile(root + "icons/" + icon.name + ".bmp", icon.picture) && ok;
    for (int n = 0; n < kEffectCount; ++n) {
        const QString name = QStringLiteral("wavs/fx%1.wav").arg(n, 2, 10, QLatin1Char('0'));
        ok = WriteWholeFile(root + name, MonoPcmWav(EffectSamples(n), kEffectSampleRate)) && ok;
    }
    ok = WriteWholeFile(root + "defs/MWEAP.DEF", MissileWeaponsFile()) && ok;
    ok = WriteWholeFile(root + "defs/CWEAP.DEF", CombatWeaponsFile()) && ok;
    ok = WriteWholeFile(root + "defs/UARMOR.DEF", ArmourFile()) && ok;
    ok = WriteWholeFile(root + "defs/USHIELD.DEF", ShieldsFile()) && ok;
    return ok ? 0 : 1;
}
