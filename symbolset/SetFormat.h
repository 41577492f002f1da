#pragma once
// The symbol set's record types, limits and the two number encodings of the ".set" file.

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Kinds of entries, in the order they appear in the ".set" file.
enum class SymbolKind { Terrain = 0, Unit = 1, Mask = 2 };
constexpr int kKindCount = 3;
constexpr int kLevelCount = 3; // zoom levels 1, 2, 3; arrays index them 0, 1, 2

constexpr uint8_t kSetMarker = 252;
constexpr int kSetHeaderSize = 82;
constexpr int kMaxEntries = 2000;    // per kind
constexpr int kMaxNameLength = 24;   // characters a name field accepts when typed
constexpr int kStoredNameBytes = 25; // bytes a stored name may fill (then unterminated)
constexpr int kMaxCellSize = 120;    // the editor's picture area
constexpr int kDefaultRowCapacity = 250;
constexpr const char* kMaskName = "XIMG";

// Layout byte of the header. 0 is read as Vertical.
enum SetLayout : int { LayoutVertical = 1, LayoutHoriz = 2, LayoutGrid = 3 };

inline int KindIndex(SymbolKind kind) {
    return static_cast<int>(kind);
}
inline SymbolKind KindAt(int index) {
    return static_cast<SymbolKind>(index);
}

// A picture's place in its bitmap. Right and bottom are inclusive.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    QSize size() const { return {width(), height()}; }
    QRect rect() const { return QRect(left, top, width(), height()); }
    bool operator==(const CellRect&) const = default;
};

struct SymbolRecord {
    QByteArray name;   // at most kStoredNameBytes bytes, no terminator
    int maskIndex = 0; // 0 = none; in a real-hex set terrain 1 = shared hex mask
    std::array<CellRect, kLevelCount> cells;
    bool operator==(const SymbolRecord&) const = default;
};

// Count250: two bytes, v div 250 and v mod 250.
inline std::array<uint8_t, 2> EncodeCount250(int v) {
    return {static_cast<uint8_t>(v / 250), static_cast<uint8_t>(v % 250)};
}
inline int DecodeCount250(uint8_t high, uint8_t low) {
    return high * 250 + low;
}
// The largest value two Count250 bytes can be written with.
constexpr int kLargestCount250 = 255 * 250 + 249;

// U32BE: four bytes, most significant first.
inline std::array<uint8_t, 4> EncodeU32BE(uint32_t v) {
    return {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}
inline uint32_t DecodeU32BE(const uint8_t* b) {
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
}

// File name suffixes: "-t1.bmp" … "-m3.bmp"; level is 1, 2 or 3.
QString BitmapSuffix(SymbolKind kind, int level);
inline const QString kSetSuffix = QStringLiteral(".set");
inline const QString kOrderSuffix = QStringLiteral(".sdx");
