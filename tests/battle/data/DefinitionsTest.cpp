#include "BattleTestSupport.h"
#include "UnitStrength.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

//                        1234567890123456789012345678901
const char* kMissile = "None             0  0   0 0 0\r\n"
                       "Longbow          6 12  40 1 2\r\n"
                       "Sling            2  6  15 0 1\r\n"
                       "$\r\n"
                       "Crossbow         9 10  50 0 1\r\n";
const char* kCombat = "Dagger         1  2  10\nSword          4  4  30\n";
const char* kArmour = "Leather Jerkin     10   5\nChain Mail         30  20\n";
const char* kShield = "Buckler             5   2\n";

// A program folder whose "defs" holds the files named in files.
void MakeDefs(const QString& folder, const QStringList& files) {
    QDir(folder).mkdir("defs");
    const std::pair<QString, const char*> all[] = {{"MWEAP.DEF", kMissile},
                                                   {"CWEAP.DEF", kCombat},
                                                   {"UARMOR.DEF", kArmour},
                                                   {"USHIELD.DEF", kShield}};
    for (const auto& [name, text] : all) {
        if (files.contains(name))
            WriteText(folder + "/defs/" + name, text);
    }
}

} // namespace

TEST(Definitions, ColumnsAreReadAndDollarEndsTheList) {
    QTemporaryDir dir;
    MakeDefs(dir.path(), {"MWEAP.DEF", "CWEAP.DEF", "UARMOR.DEF", "USHIELD.DEF"});
    Definitions d;
    MessageLog log;
    ASSERT_TRUE(LoadDefinitions(dir.path(), d, log.sink()));
    EXPECT_TRUE(log.messages.empty());
    ASSERT_EQ(d.missileWeapons.size(), 3u) << "the fourth line starts with $";
    const MissileWeapon& bow = d.missileWeapons[1];
    EXPECT_EQ(bow.name, "Longbow");
    EXPECT_EQ(bow.weight, 6);
    EXPECT_EQ(bow.range, 12);
    EXPECT_EQ(bow.rating, 40);
    EXPECT_EQ(bow.overheadFire, 1);
    EXPECT_EQ(bow.shotsPerTurn, 2);
    ASSERT_EQ(d.combatWeapons.size(), 2u);
    EXPECT_EQ(d.combatWeapons[1].name, "Sword");
    EXPECT_EQ(d.combatWeapons[1].weight, 4);
    EXPECT_EQ(d.combatWeapons[1].length, 4);
    EXPECT_EQ(d.combatWeapons[1].rating, 30);
    ASSERT_EQ(d.armour.size(), 2u);
    EXPECT_EQ(d.armour[0].name, "Leather Jerkin");
    EXPECT_EQ(d.armour[1].rating, 30);
    EXPECT_EQ(d.armour[1].weight, 20);
    ASSERT_EQ(d.shields.size(), 1u);
    ASSERT_EQ(d.classes.size(), 6u);
    EXPECT_EQ(d.classes[4].name, "Nobel");
    EXPECT_EQ(d.classes[5].modifier, 30);
}

TEST(Definitions, ThirdLineDollarGivesTwoRecordsAndFiftyIsTheLimit) {
    QTemporaryDir dir;
    MakeDefs(dir.path(), {"MWEAP.DEF", "UARMOR.DEF", "USHIELD.DEF"});
    WriteText(dir.filePath("defs/CWEAP.DEF"), "A              1  1   1\nB\n$ end\nC\n");
    Definitions d;
    ASSERT_TRUE(LoadDefinitions(dir.path(), d, nullptr));
    EXPECT_EQ(d.combatWeapons.size(), 2u);
    EXPECT_EQ(d.combatWeapons[1].name, "B");
    EXPECT_EQ(d.combatWeapons[1].rating, 0) << "a short line reads its missing columns as 0";

    QByteArray many;
    for (int i = 0; i < 60; ++i)
        many += "Plate              " + QByteArray::number(i).rightJustified(3, ' ') + "  40\n";
    WriteText(dir.filePath("defs/UARMOR.DEF"), many);
    ASSERT_TRUE(LoadDefinitions(dir.path(), d, nullptr));
    ASSERT_EQ(int(d.armour.size()), kMaxDefinitionRecords);
    EXPECT_EQ(d.armour[49].rating, 49);
}

TEST(Definitions, MalformedNumbersReadTheirLeadingDigits) {
    const CombatWeapon w = ParseCombatWeapon("Odd Blade     7x 1y2 4z5");
    EXPECT_EQ(w.name, "Odd Blade");
    EXPECT_EQ(w.weight, 7);
    EXPECT_EQ(w.length, 1);
    EXPECT_EQ(w.rating, 4);
    const ArmourItem a = ParseArmourItem("Hide");
    EXPECT_EQ(a.name, "Hide");
    EXPECT_EQ(a.rating, 0);
    EXPECT_EQ(ParseArmourItem("Cursed Mail        -5   9").rating, -5);
}

TEST(Definitions, MissingFileStopsWithItsMessage) {
    QTemporaryDir dir;
    MakeDefs(dir.path(), {"MWEAP.DEF", "CWEAP.DEF", "USHIELD.DEF"});
    Definitions d;
    MessageLog log;
    EXPECT_FALSE(LoadDefinitions(dir.path(), d, log.sink()));
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].first, "Error");
    EXPECT_EQ(log.messages[0].second, "Unit Armor Definition File Not Found");
    EXPECT_EQ(d.missileWeapons.size(), 3u);
    EXPECT_EQ(d.classes.size(), 6u);
    EXPECT_TRUE(d.shields.empty()) << "later files are not read";

    QTemporaryDir empty;
    MessageLog first;
    EXPECT_FALSE(LoadDefinitions(empty.path(), d, first.sink()));
    EXPECT_EQ(first.texts(), QStringList{"Missle Weapon Definition File Not Found"});
    EXPECT_TRUE(d.classes.empty()) << "the class table follows the combat weapons";
}

TEST(Definitions, FolderAndFileNamesInAnyCase) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("DEFS");
    WriteText(dir.filePath("DEFS/mweap.def"), kMissile);
    WriteText(dir.filePath("DEFS/CWeap.Def"), kCombat);
    WriteText(dir.filePath("DEFS/UARMOR.DEF"), kArmour);
    WriteText(dir.filePath("DEFS/ushield.DEF"), kShield);
    Definitions d;
    EXPECT_TRUE(LoadDefinitions(dir.path(), d, nullptr));
    EXPECT_EQ(d.shields.size(), 1u);
}

TEST(UnitStrength, CombatAndMissileFigures) {
    const Definitions d = SmallDefinitions();
    UnitRecord u = Unit(1, 0, 25, 80);
    u.unitClass = 2;    // Veteran, +10
    u.combatWeapon = 1; // rating 30
    EXPECT_EQ(UnitCombatStrength(d, u, false), 20);
    EXPECT_EQ(UnitCombatStrength(d, u, true), 1);

    EXPECT_EQ(UnitMissileStrength(d, u, true), 0) << "no missile weapon";
    u.missileWeapon = 1; // rating 30
    EXPECT_EQ(UnitMissileStrength(d, u, true), 0) << "no ammunition";
    u.missileAmmo = 2;
    EXPECT_EQ(UnitMissileStrength(d, u, false), 21);
    EXPECT_EQ(UnitMissileStrength(d, u, true), 1);
    u.morale = 9;
    EXPECT_EQ(UnitMissileStrength(d, u, true), 0) << "morale below 10";

    UnitRecord few = Unit(1, 0, 3, 2000); // v = 1961, scaled 17
    few.missileWeapon = 1;
    few.missileAmmo = 1;
    few.unitClass = 5;
    EXPECT_EQ(UnitMissileStrength(d, few, true), 3) << "never more than the men";
}

TEST(UnitStrength, NegativeValuesScaleToZero) {
    const Definitions d = SmallDefinitions();
    UnitRecord u = Unit(1, 0, 200, 20);
    EXPECT_EQ(UnitCombatStrength(d, u, false), -80);
    EXPECT_EQ(UnitCombatStrength(d, u, true), 0);
    u.missileWeapon = 1;
    u.missileAmmo = 1;
    EXPECT_EQ(UnitMissileStrength(d, u, false), -49);
    EXPECT_EQ(UnitMissileStrength(d, u, true), 0);
}

TEST(UnitStrength, DefenceIsLimitedAndLoadAddsWeights) {
    const Definitions d = SmallDefinitions();
    UnitRecord u = Unit(1, 0, 10, 150);
    u.armour = 2; // 40
    u.shield = 1; // 20
    EXPECT_EQ(UnitDefence(d, u), 75) << "90 is reported as 75";
    u.morale = 50;
    EXPECT_EQ(UnitDefence(d, u), 30);
    u.morale = -10;
    EXPECT_EQ(UnitDefence(d, u), 0);
    u.combatWeapon = 2;  // 9
    u.missileWeapon = 1; // 5
    EXPECT_EQ(UnitLoad(d, u), 9 + 5 + 12 + 3);
}

TEST(UnitStrength, IndicesOutsideTheTablesCountAsNothing) {
    const Definitions d = SmallDefinitions();
    UnitRecord u = Unit(1, 0, 100, 100);
    u.combatWeapon = 40;
    u.unitClass = 9;
    u.armour = -1;
    u.missileWeapon = 7;
    u.missileAmmo = 1;
    EXPECT_EQ(UnitCombatStrength(d, u, false), 0);
    EXPECT_EQ(UnitMissileStrength(d, u, false), 1);
    EXPECT_EQ(UnitDefence(d, u), 0);
    EXPECT_EQ(UnitLoad(d, u), 0);
    EXPECT_EQ(UnitCombatStrength(Definitions(), u, true), 0);

    UnitRecord huge = Unit(1, 0, 65279, 65279);
    EXPECT_GT(UnitCombatStrength(d, huge, true), 0) << "the largest stored values do not overflow";
}
