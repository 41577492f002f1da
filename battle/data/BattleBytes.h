#pragma once
// The encodings of the battle file over a bounds-checked cursor:
//   FileInt    2 bytes, high byte first; a first byte of 255 reads as second byte − 256,
//              so −256 … 65279 survive a save and load.
//   FileByte   1 byte.
//   FileText   the text's bytes and a NUL.
//   FileText25 the text's bytes and a NUL, but at most 25 bytes: a text of 25
//              characters has no NUL.
//   FileColour 4 bytes, most significant first.

#include "ByteCursor.h"
#include "FixedText.h"

#include <array>
#include <cstdint>
#include <vector>

inline std::array<uint8_t, 2> EncodeFileInt(int v) {
    return {uint8_t((v >> 8) & 0xff), uint8_t(v & 0xff)};
}
inline int DecodeFileInt(uint8_t high, uint8_t low) {
    return high == 255 ? int(low) - 256 : int(high) * 256 + low;
}

// Collects the bytes in a plain buffer: appending one byte at a time to a QByteArray
// costs more than the whole file write.
class BattleByteWriter {
public:
    explicit BattleByteWriter(qsizetype expectedSize = 0) { out_.reserve(size_t(expectedSize)); }

    void fileInt(int v) {
        const auto b = EncodeFileInt(v);
        out_.push_back(char(b[0]));
        out_.push_back(char(b[1]));
    }
    void fileByte(int v) { out_.push_back(char(uint8_t(v))); }
    template <int N> void fileText(const FixedText<N>& t) {
        out_.insert(out_.end(), t.data(), t.data() + t.length());
        out_.push_back('\0');
    }
    void fileText25(const FixedText<25>& t) {
        out_.insert(out_.end(), t.data(), t.data() + t.length());
        if (t.length() < 25)
            out_.push_back('\0');
    }
    void fileColour(uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out_.push_back(char(uint8_t(v >> shift)));
    }
    QByteArray data() const { return QByteArray(out_.data(), qsizetype(out_.size())); }

private:
    std::vector<char> out_;
};

// Reads fail once the bytes run out or a text does not fit its field; check ok() at
// the end (values read after a failure are 0).
class BattleByteReader {
public:
    // Keeps its own (shared) copy, so a temporary can be read safely.
    explicit BattleByteReader(const QByteArray& bytes) : bytes_(bytes), in_(bytes_) {}

    bool ok() const { return in_.ok(); }
    void fail() { in_.fail(); }

    int fileInt() {
        const uint8_t high = in_.u8();
        const uint8_t low = in_.u8();
        return DecodeFileInt(high, low);
    }
    int fileByte() { return in_.u8(); }
    template <int N> void fileText(FixedText<N>& t) {
        bool hadZero = false;
        const QByteArray bytes = in_.zeroEndedText(N + 1, &hadZero);
        if (!hadZero)
            in_.fail(); // longer than its field, or the file ended
        t.assign(QByteArrayView(bytes));
    }
    void fileText25(FixedText<25>& t) {
        const QByteArray bytes = in_.zeroEndedText(25);
        t.assign(QByteArrayView(bytes));
    }
    uint32_t fileColour() { return in_.u32be(); }

private:
    QByteArray bytes_;
    ByteReader in_;
};
