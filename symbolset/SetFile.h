#pragma once
// The ".set" file: an 82-byte header, then the terrain, unit and mask records.

#include "SetFormat.h"

struct SetHeader {
    int layout = LayoutVertical;
    int realHex = 0;
    int opaque = 0;
    // [kind][level] width and height of that kind's bitmap.
    std::array<std::array<QSize, kLevelCount>, kKindCount> bitmapSizes{};
};

struct SetFileContents {
    SetHeader header;
    std::array<std::vector<SymbolRecord>, kKindCount> records; // counts are the sizes

    std::vector<SymbolRecord>& table(SymbolKind k) { return records[KindIndex(k)]; }
    const std::vector<SymbolRecord>& table(SymbolKind k) const { return records[KindIndex(k)]; }
    int count(SymbolKind k) const { return int(table(k).size()); }
    QSize bitmapSize(SymbolKind k, int level) const {
        return header.bitmapSizes[KindIndex(k)][level - 1];
    }
};

enum class SetParseError {
    None,
    UnknownFormat, // first byte is not the marker
    Malformed,     // ends early, counts or names too long, cells outside their bitmaps, …
};

// Reads a whole ".set" file. Mask names read back as "XIMG". Refuses anything a
// program could not use safely: counts above 2000, a file that ends early, names
// longer than 24 characters, cells outside their bitmaps or larger than 120 pixels,
// mask numbers without a mask entry, masks whose size differs from their symbol's.
SetParseError ParseSetFile(const QByteArray& bytes, SetFileContents& out);

// Writes the file exactly as a reader expects it; names are cut to 24 characters.
QByteArray SerializeSetFile(const SetFileContents& contents);
