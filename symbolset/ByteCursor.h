#pragma once
// Bounds-checked reading and plain appending of binary files. A read past the end
// leaves the reader failed and returns zeros; callers check ok() once at the end.

#include <QByteArray>

#include <cstdint>

class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }
    void fail() { ok_ = false; }

    uint8_t u8();
    int count250();
    uint32_t u32be();
    // Bytes up to and including a zero byte, or maxBytes bytes; the zero is not returned.
    QByteArray zeroEndedText(int maxBytes, bool* hadZero = nullptr);
    QByteArray bytes(qsizetype n);

private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

class ByteWriter {
public:
    void u8(uint8_t v) { out_.append(char(v)); }
    void count250(int v);
    void u32be(uint32_t v);
    void bytes(const QByteArray& b) { out_.append(b); }
    const QByteArray& data() const { return out_; }

private:
    QByteArray out_;
};
