// The four weapon and armour definition files, each one part of the input.
#include "Definitions.h"
#include "FuzzFiles.h"
#include "UnitStrength.h"

#include <QDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = ScratchFolder();
    QDir(folder).mkdir(QStringLiteral("defs"));
    const QString defs = folder + QStringLiteral("/defs");
    const QStringList names{"MWEAP.DEF", "CWEAP.DEF", "UARMOR.DEF", "USHIELD.DEF"};
    const QList<QByteArray> parts = SplitParts(data, size, 4);
    for (int i = 0; i < parts.size(); ++i)
        WriteFile(defs, names[i], parts[i]);
    Definitions d;
    LoadDefinitions(folder, d, {});
    // Units naming every entry, and entries beyond the tables.
    UnitRecord u;
    u.men = 500;
    u.morale = 90;
    for (int i = -1; i <= int(d.combatWeapons.size()); ++i) {
        u.combatWeapon = i;
        u.missileWeapon = i;
        u.armour = i;
        u.shield = i;
        u.unitClass = i;
        UnitCombatStrength(d, u, true);
        UnitMissileStrength(d, u, true);
        UnitDefence(d, u);
        UnitLoad(d, u);
    }
    return 0;
}
