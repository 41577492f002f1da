#include "SetFile.h"

#include "ByteCursor.h"

#include <limits>

QString BitmapSuffix(SymbolKind kind, int level) {
    static const char letters[kKindCount] = {'t', 'u', 'm'};
    return QStringLiteral("-%1%2.bmp").arg(QChar(letters[KindIndex(kind)])).arg(level);
}

namespace {

// Largest bitmap side any set can reach: every cell of a full kind in one column.
constexpr uint32_t kMaxBitmapSide = uint32_t(kMaxEntries) * kMaxCellSize;

bool CellFits(const CellRect& c, QSize bitmap) {
    return c.left <= c.right && c.top <= c.bottom && c.right < bitmap.width() &&
           c.bottom < bitmap.height() && c.width() <= kMaxCellSize && c.height() <= kMaxCellSize;
}

int ReadCoordinate(ByteReader& in) {
    const uint32_t v = in.u32be();
    if (v > kMaxBitmapSide)
        in.fail();
    return int(v);
}

bool ReadRecord(ByteReader& in, SymbolRecord& r) {
    // A name that fills all 25 bytes has no terminator; the reader stops there.
    r.name = in.zeroEndedText(kStoredNameBytes);
    r.maskIndex = in.count250();
    for (CellRect& c : r.cells) {
        c.left = ReadCoordinate(in);
        c.top = ReadCoordinate(in);
        c.right = ReadCoordinate(in);
        c.bottom = ReadCoordinate(in);
    }
    return in.ok();
}

bool RecordsFit(const SetFileContents& s) {
    const int masks = s.count(SymbolKind::Mask);
    for (int k = 0; k < kKindCount; ++k) {
        const SymbolKind kind = KindAt(k);
        for (const SymbolRecord& r : s.table(kind)) {
            for (int level = 1; level <= kLevelCount; ++level) {
                if (!CellFits(r.cells[level - 1], s.bitmapSize(kind, level)))
                    return false;
            }
            if (kind == SymbolKind::Mask || r.maskIndex == 0)
                continue;
            if (r.maskIndex > masks)
                return false;
            const SymbolRecord& mask = s.table(SymbolKind::Mask)[r.maskIndex - 1];
            for (int level = 0; level < kLevelCount; ++level) {
                if (mask.cells[level].size() != r.cells[level].size())
                    return false;
            }
        }
    }
    return true;
}

} // namespace

SetParseError ParseSetFile(const QByteArray& bytes, SetFileContents& out) {
    ByteReader in(bytes);
    if (in.u8() != kSetMarker || !in.ok())
        return SetParseError::UnknownFormat;

    SetFileContents s;
    s.header.layout = in.u8();
    s.header.realHex = in.u8();
    s.header.opaque = in.u8();
    if (s.header.layout == 0)
        s.header.layout = LayoutVertical;
    if (s.header.layout > LayoutGrid || s.header.realHex > 1 || s.header.opaque > 1)
        return SetParseError::Malformed;

    std::array<int, kKindCount> counts{};
    for (int k = 0; k < kKindCount; ++k) {
        counts[k] = in.count250();
        for (QSize& size : s.header.bitmapSizes[k]) {
            const uint32_t w = in.u32be();
            const uint32_t h = in.u32be();
            if (w > kMaxBitmapSide || h > kMaxBitmapSide)
                return SetParseError::Malformed;
            size = QSize(int(w), int(h));
        }
        if (counts[k] > kMaxEntries)
            return SetParseError::Malformed;
    }
    if (!in.ok() || counts[KindIndex(SymbolKind::Terrain)] == 0)
        return SetParseError::Malformed;
    if (s.header.realHex && counts[KindIndex(SymbolKind::Mask)] == 0)
        return SetParseError::Malformed; // the shared hex mask is entry 1

    for (int k = 0; k < kKindCount; ++k) {
        s.records[k].resize(counts[k]);
        for (SymbolRecord& r : s.records[k]) {
            if (!ReadRecord(in, r))
                return SetParseError::Malformed;
            if (KindAt(k) == SymbolKind::Mask) {
                r.name = kMaskName;
                // The field means nothing for masks and is carried through; a value the
                // two bytes cannot hold again is read as 0.
                if (r.maskIndex > kLargestCount250)
                    r.maskIndex = 0;
            }
        }
    }
    if (!RecordsFit(s))
        return SetParseError::Malformed;
    out = std::move(s);
    return SetParseError::None;
}

QByteArray SerializeSetFile(const SetFileContents& s) {
    ByteWriter w;
    w.u8(kSetMarker);
    w.u8(uint8_t(s.header.layout));
    w.u8(uint8_t(s.header.realHex));
    w.u8(uint8_t(s.header.opaque));
    for (int k = 0; k < kKindCount; ++k) {
        w.count250(int(s.records[k].size()));
        for (const QSize& size : s.header.bitmapSizes[k]) {
            w.u32be(uint32_t(std::max(size.width(), 0)));
            w.u32be(uint32_t(std::max(size.height(), 0)));
        }
    }
    for (const auto& table : s.records) {
        for (const SymbolRecord& r : table) {
            QByteArray name = r.name.left(kStoredNameBytes);
            if (const qsizetype zero = name.indexOf('\0'); zero >= 0)
                name.truncate(zero);
            w.bytes(name);
            // A name read as 25 bytes goes back as it came, without a terminator.
            if (name.size() < kStoredNameBytes)
                w.u8(0);
            w.count250(r.maskIndex);
            for (const CellRect& c : r.cells) {
                w.u32be(uint32_t(c.left));
                w.u32be(uint32_t(c.top));
                w.u32be(uint32_t(c.right));
                w.u32be(uint32_t(c.bottom));
            }
        }
    }
    return w.data();
}
