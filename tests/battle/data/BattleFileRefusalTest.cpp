#include "BattleBytes.h"
#include "BattleFileSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Encode(const Battle& b) {
    return EncodeBattle(b, b.settings.saveCount, 5);
}

bool Refused(const QByteArray& bytes) {
    Battle read;
    return DecodeBattle(bytes, read, nullptr) == BattleDecodeResult::Refused;
}

// Offset of the counts of units, structures and objectives.
qsizetype CountsOffset(const QByteArray& bytes) {
    return TextOffset(bytes, "castle") + 7 + 2;
}

int FileIntAt(const QByteArray& bytes, qsizetype at) {
    return DecodeFileInt(uint8_t(bytes[at]), uint8_t(bytes[at + 1]));
}

} // namespace

TEST(BattleFileRefusal, EveryTruncationIsRefused) {
    const QByteArray bytes = Encode(FullBattle());
    for (qsizetype n = 0; n < bytes.size(); ++n)
        ASSERT_TRUE(Refused(bytes.left(n))) << "cut after " << n << " of " << bytes.size();
    EXPECT_FALSE(Refused(bytes));
}

TEST(BattleFileRefusal, CountsBeyondTheTables) {
    const QByteArray bytes = Encode(FullBattle());
    const qsizetype counts = CountsOffset(bytes);
    ASSERT_EQ(DecodeFileInt(uint8_t(bytes[counts]), uint8_t(bytes[counts + 1])), 4);
    const std::pair<qsizetype, int> cases[] = {
        {counts, 501}, {counts, -1}, {counts + 2, 101}, {counts + 4, 100}};
    for (const auto& [at, value] : cases) {
        QByteArray patched = bytes;
        PutFileInt(patched, at, value);
        EXPECT_TRUE(Refused(patched)) << at << " = " << value;
    }

    ASSERT_EQ(FileIntAt(bytes, TextOffset(bytes, "Main") - 2), 3);
    ASSERT_EQ(FileIntAt(bytes, TextOffset(bytes, "Terrain 0") - 2), 5);
    QByteArray wings = bytes;
    PutFileInt(wings, TextOffset(bytes, "Main") - 2, 51);
    EXPECT_TRUE(Refused(wings));

    QByteArray attrs = bytes;
    PutFileInt(attrs, TextOffset(bytes, "Terrain 0") - 2, 501);
    EXPECT_TRUE(Refused(attrs));

    QByteArray texts = bytes;
    const qsizetype river = bytes.indexOf("River Aln");
    ASSERT_EQ(FileIntAt(bytes, river - 4), 2) << "the text count precedes the first text's hex";
    PutFileInt(texts, river - 4, 51);
    EXPECT_TRUE(Refused(texts));
}

TEST(BattleFileRefusal, MapSidesOutsideTenToOneHundredFifty) {
    Battle b = NewBattle(10, 10);
    b.settings.symbolSetName = "zz";
    const QByteArray bytes = Encode(b);
    const qsizetype size = TextOffset(bytes, "zz") + 3 + 1;
    ASSERT_EQ(FileIntAt(bytes, size), 10);
    for (int v : {9, 151, 0, -1}) {
        QByteArray cols = bytes;
        PutFileInt(cols, size, v);
        EXPECT_TRUE(Refused(cols)) << v;
        QByteArray rows = bytes;
        PutFileInt(rows, size + 2, v);
        EXPECT_TRUE(Refused(rows)) << v;
    }
}

TEST(BattleFileRefusal, TextsLongerThanTheirFields) {
    Battle b = FullBattle();
    b.settings.battleName.assign(QString(29, QLatin1Char('n')));
    QByteArray bytes = Encode(b);
    EXPECT_FALSE(Refused(bytes));
    bytes.insert(4, 'n'); // 30 characters do not fit in 30 bytes with the NUL
    EXPECT_TRUE(Refused(bytes));

    QByteArray unitName = Encode(FullBattle());
    unitName.insert(TextOffset(unitName, "Duke Aldric"), QByteArray(17, 'x'));
    EXPECT_TRUE(Refused(unitName));
}

TEST(BattleFileRefusal, ReferencesOutsideTheirTables) {
    const QByteArray bytes = Encode(FullBattle());
    const int hexes = 12 * 11;

    // A unit standing off the map: its hex is the 19th number after its name.
    ASSERT_EQ(FileIntAt(bytes, TextOffset(bytes, "Spears") + 7 + 18 * 2), 15);
    ASSERT_EQ(FileIntAt(bytes, TextOffset(bytes, "Keep") + 5 + 5 * 2), 40);
    ASSERT_EQ(FileIntAt(bytes, TextOffset(bytes, "Bridge") + 7), 15);
    ASSERT_EQ(FileIntAt(bytes, bytes.indexOf("River Aln") - 2), 60);
    QByteArray unitHex = bytes;
    PutFileInt(unitHex, TextOffset(bytes, "Spears") + 7 + 18 * 2, hexes);
    EXPECT_TRUE(Refused(unitHex));
    QByteArray sharedHex = bytes;
    PutFileInt(sharedHex, TextOffset(bytes, "Spears") + 7 + 18 * 2, 14); // the duke's hex
    EXPECT_TRUE(Refused(sharedHex)) << "two units on one hex";
    QByteArray negativeHex = bytes;
    PutFileInt(negativeHex, TextOffset(bytes, "Spears") + 7 + 18 * 2, -3);
    EXPECT_TRUE(Refused(negativeHex));

    // A structure's hex is its 6th number, an objective's its first.
    QByteArray structureHex = bytes;
    PutFileInt(structureHex, TextOffset(bytes, "Keep") + 5 + 5 * 2, hexes + 4);
    EXPECT_TRUE(Refused(structureHex));
    QByteArray objectiveHex = bytes;
    PutFileInt(objectiveHex, TextOffset(bytes, "Bridge") + 7, 30000);
    EXPECT_TRUE(Refused(objectiveHex));
    QByteArray textHex = bytes;
    PutFileInt(textHex, bytes.indexOf("River Aln") - 2, hexes);
    EXPECT_TRUE(Refused(textHex));

    // Hex links: the hexes follow the map size; hex 0 has its unitNo 16 bytes in.
    const qsizetype hex0 = TextOffset(bytes, "moors") + 6 + 1 + 4;
    ASSERT_EQ(FileIntAt(bytes, hex0 + 2), kNoSymbol) << "first secondary slot of hex 0";
    const std::pair<int, int> links[] = {{14, 3}, {16, 5}, {18, 3}, {20, 3}, {16, -1}};
    for (const auto& [slot, value] : links) {
        QByteArray patched = bytes;
        PutFileInt(patched, hex0 + slot, value);
        EXPECT_TRUE(Refused(patched)) << slot << " = " << value;
    }
    QByteArray inRange = bytes;
    PutFileInt(inRange, hex0 + 16, 4);
    Battle read;
    ASSERT_EQ(DecodeBattle(inRange, read, nullptr), BattleDecodeResult::Decoded) << "unit 4 exists";
    EXPECT_EQ(read.hex(0).unitNo, 0) << "hexes name the units that stand on them";
    EXPECT_EQ(read.hex(read.unit(4).hex).unitNo, 4);
}

TEST(BattleFileRefusal, FailedReadLeavesTheBattleAsItWas) {
    QTemporaryDir dir;
    MessageLog log;
    Battle current = FullBattle();
    const QByteArray before = Encode(current);

    const QString truncated = dir.filePath("cut.scn");
    {
        QFile f(truncated);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Encode(NewBattle(20, 20)).left(300));
    }
    EXPECT_FALSE(ReadBattleFile(truncated, current, log.sink()));
    EXPECT_FALSE(ReadBattleFile(dir.filePath("missing.scn"), current, log.sink()));
    EXPECT_EQ(Encode(current), before);
    ASSERT_EQ(log.messages.size(), 2u);
    for (const auto& [caption, text] : log.messages) {
        EXPECT_EQ(caption, "Warning");
        EXPECT_EQ(text, "Could not open selected file.");
    }
}
