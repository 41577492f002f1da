#include "SetFile.h"

#include "SymbolSet.h"

#include <gtest/gtest.h>

namespace {

SymbolRecord Record(const QByteArray& name, int mask, int size, int left = 0) {
    SymbolRecord r;
    r.name = name;
    r.maskIndex = mask;
    for (CellRect& c : r.cells)
        c = {left, 0, left + size - 1, size - 1};
    return r;
}

// One terrain symbol of 10 pixels, with the bitmaps that hold it.
SetFileContents SmallSet() {
    SetFileContents s;
    for (auto& kind : s.header.bitmapSizes)
        for (QSize& size : kind)
            size = QSize(300, 20);
    s.table(SymbolKind::Terrain).push_back(Record("Blank", 0, 10));
    return s;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

TEST(SetEncoding, Count250SplitsIntoBase250Digits) {
    EXPECT_EQ(EncodeCount250(1000), (std::array<uint8_t, 2>{4, 0}));
    EXPECT_EQ(EncodeCount250(251), (std::array<uint8_t, 2>{1, 1}));
    EXPECT_EQ(EncodeCount250(2000), (std::array<uint8_t, 2>{8, 0}));
    EXPECT_EQ(DecodeCount250(1, 4), 254);
    EXPECT_EQ(EncodeU32BE(300), (std::array<uint8_t, 4>{0, 0, 1, 0x2c}));
    const uint8_t big[4] = {0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(DecodeU32BE(big), 0x12345678u);
}

TEST(SetFile, HeaderLayoutIsByteExact) {
    SetFileContents s = SmallSet();
    s.header.layout = LayoutHoriz;
    s.header.realHex = 0;
    s.header.opaque = 1;
    s.header.bitmapSizes[1][2] = QSize(300, 7);
    const QByteArray bytes = SerializeSetFile(s);
    ASSERT_GE(bytes.size(), kSetHeaderSize);
    EXPECT_EQ(bytes.left(4), Bytes({252, 2, 0, 1}));
    EXPECT_EQ(bytes.mid(4, 2), Bytes({0, 1}));                            // one terrain symbol
    EXPECT_EQ(bytes.mid(6, 4), Bytes({0, 0, 1, 0x2c}));                   // terrain width, level 1
    EXPECT_EQ(bytes.mid(30, 2), Bytes({0, 0}));                           // no units
    EXPECT_EQ(bytes.mid(32 + 16, 8), Bytes({0, 0, 1, 0x2c, 0, 0, 0, 7})); // unit level 3
    EXPECT_EQ(bytes.mid(56, 2), Bytes({0, 0}));
    // Record: "Blank", zero byte, mask 0, then twelve coordinates.
    EXPECT_EQ(bytes.mid(82, 6), QByteArray("Blank\0", 6));
    EXPECT_EQ(bytes.size(), kSetHeaderSize + 6 + 2 + 48);
}

TEST(SetFile, NamesAreStoredWithTheirTerminator) {
    SetFileContents s = SmallSet();
    s.table(SymbolKind::Terrain)[0].name = QByteArray(24, 'a');
    s.table(SymbolKind::Terrain).push_back(Record("", 0, 10, 10));
    const QByteArray bytes = SerializeSetFile(s);
    EXPECT_EQ(bytes.mid(82, 25), QByteArray(24, 'a') + QByteArray(1, '\0'));
    const int second = 82 + 25 + 2 + 48;
    EXPECT_EQ(bytes.at(second), '\0');
    EXPECT_EQ(bytes.size(), second + 1 + 2 + 48);

    SetFileContents back;
    ASSERT_EQ(ParseSetFile(bytes, back), SetParseError::None);
    EXPECT_EQ(back.table(SymbolKind::Terrain)[0].name, QByteArray(24, 'a'));
    EXPECT_EQ(back.table(SymbolKind::Terrain)[1].name, QByteArray());
}

TEST(SetFile, RoundTripsEveryFieldByteForByte) {
    SetFileContents s = SmallSet();
    s.header.realHex = 1;
    s.table(SymbolKind::Terrain)[0].maskIndex = 1;
    for (int i = 0; i < 260; ++i)
        s.table(SymbolKind::Unit)
            .push_back(Record("unit" + QByteArray::number(i), i == 3 ? 2 : 0, 5));
    s.table(SymbolKind::Mask).push_back(Record("XIMG", 0, 10));
    s.table(SymbolKind::Mask).push_back(Record("XIMG", 0, 5));
    const QByteArray bytes = SerializeSetFile(s);
    EXPECT_EQ(bytes.mid(30, 2), Bytes({1, 10}));

    SetFileContents back;
    ASSERT_EQ(ParseSetFile(bytes, back), SetParseError::None);
    EXPECT_EQ(back.count(SymbolKind::Unit), 260);
    EXPECT_EQ(back.table(SymbolKind::Unit)[3].maskIndex, 2);
    EXPECT_EQ(SerializeSetFile(back), bytes);
}

TEST(SetFile, MaskNamesReadBackAsXimg) {
    SetFileContents s = SmallSet();
    s.table(SymbolKind::Mask).push_back(Record("whatever", 7, 10));
    SetFileContents back;
    ASSERT_EQ(ParseSetFile(SerializeSetFile(s), back), SetParseError::None);
    EXPECT_EQ(back.table(SymbolKind::Mask)[0].name, QByteArray("XIMG"));
    EXPECT_EQ(back.table(SymbolKind::Mask)[0].maskIndex, 7); // carried, not used

    // A value the bytes cannot be written with again (2 × 250 + 250 … 255 × 250 + 255).
    QByteArray bytes = SerializeSetFile(s);
    const int maskField = int(bytes.size()) - 48 - 2;
    bytes[maskField] = char(0xff);
    bytes[maskField + 1] = char(0xfa);
    ASSERT_EQ(ParseSetFile(bytes, back), SetParseError::None);
    EXPECT_EQ(back.table(SymbolKind::Mask)[0].maskIndex, 0);
    SetFileContents again;
    ASSERT_EQ(ParseSetFile(SerializeSetFile(back), again), SetParseError::None);
    EXPECT_EQ(again.records, back.records);
}

TEST(SetFileRefusal, UnknownMarker) {
    QByteArray bytes = SerializeSetFile(SmallSet());
    bytes[0] = char(251);
    SetFileContents out;
    EXPECT_EQ(ParseSetFile(bytes, out), SetParseError::UnknownFormat);
    EXPECT_EQ(ParseSetFile(QByteArray(), out), SetParseError::UnknownFormat);
}

TEST(SetFileRefusal, EveryTruncationIsRefused) {
    const QByteArray bytes = SerializeSetFile(SmallSet());
    for (int length = 1; length < bytes.size(); ++length) {
        SetFileContents out;
        EXPECT_EQ(ParseSetFile(bytes.left(length), out), SetParseError::Malformed) << length;
    }
}

TEST(SetFileRefusal, CountsAboveTheTables) {
    QByteArray bytes = SerializeSetFile(SmallSet());
    bytes[30] = char(8); // 2001 units
    bytes[31] = char(1);
    SetFileContents out;
    EXPECT_EQ(ParseSetFile(bytes + QByteArray(2001 * 60, '\0'), out), SetParseError::Malformed);
}

TEST(SetFile, NameFillingAll25BytesIsReadAndWrittenBackUnchanged) {
    QByteArray bytes = SerializeSetFile(SmallSet());
    bytes.replace(82, 6, QByteArray(25, 'x')); // "Blank\0" becomes 25 bytes, no terminator
    SetFileContents out;
    ASSERT_EQ(ParseSetFile(bytes, out), SetParseError::None);
    EXPECT_EQ(out.table(SymbolKind::Terrain)[0].name, QByteArray(25, 'x'));
    EXPECT_EQ(out.table(SymbolKind::Terrain)[0].cells,
              SmallSet().table(SymbolKind::Terrain)[0].cells);
    EXPECT_EQ(SerializeSetFile(out), bytes);
}

TEST(SetFileRefusal, UnterminatedNameCutShortByTheEndOfTheFile) {
    QByteArray bytes = SerializeSetFile(SmallSet()).left(82);
    bytes += QByteArray(20, 'x');
    SetFileContents out;
    EXPECT_EQ(ParseSetFile(bytes, out), SetParseError::Malformed);
}

TEST(SetFileRefusal, CellsOutsideOrLargerThanAllowed) {
    const auto refused = [](auto change) {
        SetFileContents s = SmallSet();
        change(s);
        SetFileContents out;
        return ParseSetFile(SerializeSetFile(s), out) == SetParseError::Malformed;
    };
    EXPECT_TRUE(
        refused([](SetFileContents& s) { s.table(SymbolKind::Terrain)[0].cells[1].right = 300; }));
    EXPECT_TRUE(
        refused([](SetFileContents& s) { s.table(SymbolKind::Terrain)[0].cells[2].bottom = 20; }));
    EXPECT_TRUE(
        refused([](SetFileContents& s) { s.table(SymbolKind::Terrain)[0].cells[0].left = 12; }));
    EXPECT_TRUE(
        refused([](SetFileContents& s) { s.table(SymbolKind::Terrain)[0].cells[0].right = 120; }));
    EXPECT_TRUE(refused([](SetFileContents& s) { s.header.bitmapSizes[0][0] = QSize(5, 20); }));
    // A mask number without its mask entry, and a mask of the wrong size.
    EXPECT_TRUE(refused([](SetFileContents& s) { s.table(SymbolKind::Terrain)[0].maskIndex = 1; }));
    EXPECT_TRUE(refused([](SetFileContents& s) {
        s.table(SymbolKind::Terrain)[0].maskIndex = 1;
        s.table(SymbolKind::Mask).push_back(Record("XIMG", 0, 9));
    }));
    EXPECT_TRUE(refused([](SetFileContents& s) { s.header.realHex = 1; })); // no hex mask
    EXPECT_TRUE(refused([](SetFileContents& s) { s.table(SymbolKind::Terrain).clear(); }));
    EXPECT_FALSE(refused([](SetFileContents&) {}));
}

TEST(RowCapacity, DerivedFromTheLongestRowBeyond250) {
    std::vector<SymbolRecord> records(250, Record("a", 0, 5));
    EXPECT_EQ(DeriveRowCapacity(records), 250); // all in one row or not, 250
    records.clear();
    for (int i = 0; i < 300; ++i) {
        SymbolRecord r = Record("a", 0, 25);
        r.cells[2].top = (i / 17) * 25;
        records.push_back(r);
    }
    EXPECT_EQ(DeriveRowCapacity(records), 17);
}
