#include "BattleBytes.h"
#include "BattleFileSupport.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray Encode(const Battle& b) {
    return EncodeBattle(b, b.settings.saveCount, 5);
}

BattleDecodeResult Decode(const QByteArray& bytes, Battle& out) {
    return DecodeBattle(bytes, out, nullptr);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(FileEncodings, FileIntBytes) {
    EXPECT_EQ(EncodeFileInt(-1), (std::array<uint8_t, 2>{255, 255}));
    EXPECT_EQ(EncodeFileInt(63000), (std::array<uint8_t, 2>{246, 24}));
    EXPECT_EQ(EncodeFileInt(-8), (std::array<uint8_t, 2>{255, 248}));
    EXPECT_EQ(EncodeFileInt(100), (std::array<uint8_t, 2>{0, 100}));
    EXPECT_EQ(DecodeFileInt(255, 255), -1);
    EXPECT_EQ(DecodeFileInt(246, 24), 63000);
    EXPECT_EQ(DecodeFileInt(255, 248), -8);
    EXPECT_EQ(DecodeFileInt(255, 0), -256);
    for (int v = -256; v <= 65279; ++v) {
        const auto b = EncodeFileInt(v);
        ASSERT_EQ(DecodeFileInt(b[0], b[1]), v);
    }
}

TEST(FileEncodings, Text25HasNoNulWhenFull) {
    BattleByteWriter w;
    FixedText<25> full("abcdefghijklmnopqrstuvwxy");
    FixedText<25> shorter("abcdefghijklmnopqrstuvwx");
    w.fileText25(full);
    w.fileText25(shorter);
    w.fileColour(0x00123456);
    EXPECT_EQ(w.data(), QByteArray("abcdefghijklmnopqrstuvwxy") +
                            QByteArray("abcdefghijklmnopqrstuvwx\0", 25) +
                            Bytes({0, 0x12, 0x34, 0x56}));

    BattleByteReader r(w.data());
    FixedText<25> a, b;
    r.fileText25(a);
    r.fileText25(b);
    EXPECT_EQ(r.fileColour(), 0x00123456u);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(a, full);
    EXPECT_EQ(b, shorter);
}

TEST(FileEncodings, TextLongerThanItsFieldFailsTheRead) {
    BattleByteReader r(QByteArray("abcd\0", 5));
    FixedText<3> t;
    r.fileText(t);
    EXPECT_FALSE(r.ok());
    BattleByteReader fits(QByteArray("abc\0", 4));
    fits.fileText(t);
    EXPECT_TRUE(fits.ok());
    EXPECT_EQ(t.bytes(), "abc");
}

TEST(BattleFile, EmptyBattleLayout) {
    Battle b = NewBattle(10, 10);
    b.settings.battleName = "B";
    b.settings.sideAName = "W";
    b.settings.sideBName = "E";
    b.settings.symbolSetName = "s";
    b.settings.saveViewPosition = 0;
    b.settings.viewOriginHex = 55; // not stored without the view flag
    b.settings.zoomLevel = 2;
    b.markerTable.fill(kNoSymbol);
    const QByteArray bytes = EncodeBattle(b, 3, 0);

    QByteArray head = Bytes({0,  100, 0, 3, 'B', 0, 's', 'w', 'o', 'r', 'd', 0,   0,
                             30, 0,   0, 0, 0,   0, 0,   0,   25,  'W', 0,   'E', 0});
    head += QByteArray(100, '\0');                                         // history
    head += Bytes({0, 1, 'M', 'a', 'i', 'n', 0, 's', 0, 1, 0, 10, 0, 10}); // wings .. map size
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(bytes.left(head.size()), head);

    QByteArray hex = Bytes({0, 0});
    for (int i = 0; i < 6; ++i)
        hex += Bytes({246, 24});
    hex += QByteArray(12, '\0');
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(bytes.mid(head.size() + i * 26, 26), hex) << i;

    QByteArray tail = Bytes({0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int i = 0; i < kMarkerSlots; ++i)
        tail += Bytes({246, 24});
    EXPECT_EQ(bytes.mid(head.size() + 2600), tail);
}

TEST(BattleFile, RoundTripKeepsEveryField) {
    const Battle original = FullBattle();
    const QByteArray bytes = Encode(original);
    EXPECT_TRUE(bytes.contains(QByteArray("River Aln that runs southTimes\0", 31)))
        << "a 25-character text has no NUL";
    EXPECT_TRUE(
        bytes.contains(QByteArray("Hill of the Seven Oaks .\0A font name of 25 chars!!", 50)));

    Battle read;
    ASSERT_EQ(Decode(bytes, read), BattleDecodeResult::Decoded);
    EXPECT_EQ(read.settings, original.settings);
    EXPECT_EQ(read.hexes(), original.hexes());
    EXPECT_EQ(read.units(), original.units());
    EXPECT_EQ(read.structures(), original.structures());
    EXPECT_EQ(read.objectives(), original.objectives());
    EXPECT_EQ(read.mapTexts(), original.mapTexts());
    EXPECT_EQ(read.wingNames(), original.wingNames());
    EXPECT_EQ(read.markerTable, original.markerTable);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(read.terrainAttrs[i], original.terrainAttrs[i]);
    EXPECT_EQ(Encode(read), bytes);
    EXPECT_EQ(read.settings.history[50].bytes(), "\xe9t\xe9 \xe0 la rivi\xe8re");
    EXPECT_EQ(read.mapTexts()[1].text.length(), 25);
}

TEST(BattleFile, TerrainRecordsBeyondTheCountKeepTheirValues) {
    Battle original = FullBattle();
    Battle read;
    read.terrainAttrs[7].elevation = 9;
    read.terrainAttrs[2].elevation = 9;
    ASSERT_EQ(Decode(EncodeBattle(original, 0, 3), read), BattleDecodeResult::Decoded);
    EXPECT_EQ(read.terrainAttrs[2], original.terrainAttrs[2]);
    EXPECT_EQ(read.terrainAttrs[7].elevation, 9);
}

TEST(BattleFile, StoredViewAndLayoutAreRepaired) {
    Battle b = FullBattle();
    b.settings.gridLayout = 0;
    Battle read;
    ASSERT_EQ(Decode(Encode(b), read), BattleDecodeResult::Decoded);
    EXPECT_EQ(read.settings.gridLayout, 1);

    QByteArray bytes = Encode(FullBattle());
    // The view origin, zoom, colour, attribute count and attributes precede the markers.
    const qsizetype markers = bytes.size() - 2 * kMarkerSlots;
    const qsizetype zoom = TextOffset(bytes, "Terrain 0") - 2 - 1 - 2;
    ASSERT_EQ(DecodeFileInt(uint8_t(bytes[zoom]), uint8_t(bytes[zoom + 1])), 2);
    PutFileInt(bytes, zoom, 7);
    PutFileInt(bytes, zoom - 2, 5000);
    ASSERT_LT(zoom, markers);
    ASSERT_EQ(Decode(bytes, read), BattleDecodeResult::Decoded);
    EXPECT_EQ(read.settings.zoomLevel, 0);
    EXPECT_EQ(read.settings.viewOriginHex, 0);
}

TEST(BattleFile, EmptyWingNamesAreRemovedAndUnitsFollow) {
    Battle b = NewBattle();
    b.AddWingName("");     // 1
    b.AddWingName("Left"); // 2
    b.AddWingName("");     // 3
    b.AddWingName("");     // 4
    b.AddWingName("Rear"); // 5
    b.AddUnit(Unit(1, 0), 1);
    b.AddUnit(Unit(1, 2), 2);
    b.AddUnit(Unit(1, 5), 3);
    b.AddUnit(Unit(1, 3), 4);
    Battle read;
    ASSERT_EQ(Decode(Encode(b), read), BattleDecodeResult::Decoded);
    ASSERT_EQ(read.wingNames().size(), 3u);
    EXPECT_EQ(read.wingNames()[0].text(), "Main");
    EXPECT_EQ(read.wingNames()[1].text(), "Left");
    EXPECT_EQ(read.wingNames()[2].text(), "Rear");
    EXPECT_EQ(read.unit(1).wing, 0);
    EXPECT_EQ(read.unit(2).wing, 1);
    EXPECT_EQ(read.unit(3).wing, 2);
    EXPECT_EQ(read.unit(4).wing, 1) << "a unit on a removed wing moves to the wing before it";
}

TEST(BattleFile, UnitOnARemovedFirstWingGoesToWingZero) {
    Battle b = NewBattle();
    b.AddWingName("Second");
    Battle withEmptyFirst;
    QByteArray bytes = Encode(b);
    const qsizetype main = TextOffset(bytes, "Main");
    bytes.remove(main, 4); // the first wing name becomes empty
    b = NewBattle();
    Battle read;
    ASSERT_EQ(Decode(bytes, read), BattleDecodeResult::Decoded);
    ASSERT_EQ(read.wingNames().size(), 1u);
    EXPECT_EQ(read.wingNames()[0].text(), "Second");

    Battle units = NewBattle();
    units.AddWingName("Second");
    units.AddUnit(Unit(1, 0), 5);
    units.AddUnit(Unit(1, 1), 6);
    bytes = Encode(units);
    bytes.remove(TextOffset(bytes, "Main"), 4);
    ASSERT_EQ(Decode(bytes, read), BattleDecodeResult::Decoded);
    EXPECT_EQ(read.unit(1).wing, 0);
    EXPECT_EQ(read.unit(2).wing, 0);
}

namespace {

UnitRecord Armed(int side, int wing, int weapon, const char* name, bool leader = false) {
    UnitRecord u = Unit(side, wing);
    u.combatWeapon = weapon;
    u.name = name;
    u.wingLeader = leader ? 1 : 0;
    return u;
}

} // namespace

TEST(BattleSave, CanonicalOrderSideWingLeaderStrength) {
    QTemporaryDir dir;
    Battle b = NewBattle();
    b.AddWingName("Left");
    b.AddUnit(Armed(2, 0, 0, "East weak"), 1);
    b.AddUnit(Armed(1, 0, 0, "West weak"), 2);
    b.AddUnit(Armed(1, 0, 1, "West leader", true), 3); // 9 × 10
    b.AddUnit(Armed(1, 0, 2, "West strong"), 4);       // 18
    b.AddUnit(Armed(1, 1, 2, "West left"), 5);
    b.AddUnit(Armed(2, 0, 2, "East strong"), 6);
    ASSERT_TRUE(WriteBattleFile(dir.filePath("o.scn"), b, SmallDefinitions(), 0, nullptr));

    const char* expected[] = {"West leader", "West strong", "West weak",
                              "West left",   "East strong", "East weak"};
    ASSERT_EQ(b.unitCount(), 6);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(b.unit(n).name.text(), expected[n - 1]);
        EXPECT_EQ(b.hex(b.unit(n).hex).unitNo, n) << "hex of unit " << n;
    }
    EXPECT_EQ(b.hex(3).unitNo, 1);
    EXPECT_EQ(b.hex(1).unitNo, 6);

    Battle read;
    ASSERT_TRUE(ReadBattleFile(dir.filePath("o.scn"), read, nullptr));
    EXPECT_EQ(read.units(), b.units());
    EXPECT_EQ(read.hexes(), b.hexes());
}

TEST(BattleSave, SaveCountRisesByOneEachSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("count.scn");
    Battle b = FullBattle();
    const int before = b.settings.saveCount;
    ASSERT_TRUE(WriteBattleFile(path, b, SmallDefinitions(), 5, nullptr));
    ASSERT_TRUE(WriteBattleFile(path, b, SmallDefinitions(), 5, nullptr));
    EXPECT_EQ(b.settings.saveCount, before + 2);
    const QByteArray bytes = ReadFile(path);
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(DecodeFileInt(uint8_t(bytes[2]), uint8_t(bytes[3])), before + 2);
    Battle read;
    ASSERT_TRUE(ReadBattleFile(path, read, nullptr));
    EXPECT_EQ(read.settings.saveCount, before + 2);
    EXPECT_EQ(read.mapTexts(), b.mapTexts());
}

TEST(BattleSave, ReadKeepsTerrainAttributesAndClipboardOfTheBattleBefore) {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.scn");
    Battle saved = FullBattle();
    ASSERT_TRUE(WriteBattleFile(path, saved, SmallDefinitions(), 2, nullptr));
    Battle current = NewBattle();
    current.terrainAttrs[3].elevation = 6;
    current.unitClipboard.name = "Copied";
    ASSERT_TRUE(ReadBattleFile(path, current, nullptr));
    EXPECT_EQ(current.terrainAttrs[1], saved.terrainAttrs[1]);
    EXPECT_EQ(current.terrainAttrs[3].elevation, 6);
    EXPECT_EQ(current.unitClipboard.name.text(), "Copied");
}

// The warning names the file and the system's reason, not only "Could not open".
TEST(BattleSave, UnopenableTargetIsReportedAndNothingChanges) {
    QTemporaryDir dir;
    MessageLog log;
    Battle b = FullBattle();
    const int count = b.settings.saveCount;
    EXPECT_FALSE(WriteBattleFile(dir.filePath("no/such/folder/x.scn"), b, SmallDefinitions(), 5,
                                 log.sink()));
    EXPECT_EQ(b.settings.saveCount, count);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].first, "Warning");
    const QString text = log.messages[0].second;
    EXPECT_TRUE(text.contains(dir.filePath("no/such/folder/x.scn"))) << text.toStdString();
    EXPECT_TRUE(text.contains("No such file or directory")) << text.toStdString();
    EXPECT_TRUE(text.contains("was not saved")) << text.toStdString();
}

// A disk that fills up half-way through the save: the file size limit makes the write
// fail after the first bytes. The old file must survive unchanged.
TEST(BattleSave, FailureHalfWayLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.scn");
    Battle small = NewBattle(10, 10);
    ASSERT_TRUE(WriteBattleFile(path, small, SmallDefinitions(), 0, nullptr));
    const QByteArray old = ReadFile(path);
    ASSERT_LT(old.size(), 4000);

    Battle large = NewBattle(150, 150);
    MessageLog log;
    bool written = true;
    {
        const FileSizeLimit fullDisk(4096);
        written = WriteBattleFile(path, large, SmallDefinitions(), 0, log.sink());
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(large.settings.saveCount, 0);
    EXPECT_EQ(ReadFile(path), old);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].first, "Warning");
    EXPECT_TRUE(log.messages[0].second.contains(path)) << log.messages[0].second.toStdString();
    EXPECT_TRUE(log.messages[0].second.contains("File too large"))
        << log.messages[0].second.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.scn"})
        << "no temporary file is left behind";
}
