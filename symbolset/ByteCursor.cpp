#include "ByteCursor.h"

#include "SetFormat.h"

uint8_t ByteReader::u8() {
    if (!ok_ || pos_ >= bytes_.size()) {
        ok_ = false;
        return 0;
    }
    return uint8_t(bytes_[pos_++]);
}

int ByteReader::count250() {
    const uint8_t high = u8();
    const uint8_t low = u8();
    return DecodeCount250(high, low);
}

uint32_t ByteReader::u32be() {
    if (!ok_ || bytes_.size() - pos_ < 4) {
        ok_ = false;
        return 0;
    }
    const uint32_t v = DecodeU32BE(reinterpret_cast<const uint8_t*>(bytes_.constData()) + pos_);
    pos_ += 4;
    return v;
}

QByteArray ByteReader::zeroEndedText(int maxBytes, bool* hadZero) {
    QByteArray text;
    if (hadZero)
        *hadZero = false;
    for (int i = 0; i < maxBytes && ok_; ++i) {
        const uint8_t c = u8();
        if (!ok_)
            break;
        if (c == 0) {
            if (hadZero)
                *hadZero = true;
            break;
        }
        text.append(char(c));
    }
    return text;
}

QByteArray ByteReader::bytes(qsizetype n) {
    if (!ok_ || n < 0 || bytes_.size() - pos_ < n) {
        ok_ = false;
        return {};
    }
    QByteArray b = bytes_.mid(pos_, n);
    pos_ += n;
    return b;
}

void ByteWriter::count250(int v) {
    for (uint8_t b : EncodeCount250(v))
        u8(b);
}

void ByteWriter::u32be(uint32_t v) {
    for (uint8_t b : EncodeU32BE(v))
        u8(b);
}
