#pragma once
// A text in a fixed-size field of the battle: at most MaxChars bytes, cut at the first
// NUL. Whatever is assigned is cut to the field, so no text can grow past it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstring>

template <int MaxChars> class FixedText {
public:
    static constexpr int kMaxChars = MaxChars;

    FixedText() = default;
    FixedText(const char* s) { assign(QByteArrayView(s)); }

    void assign(QByteArrayView bytes) {
        const qsizetype zero = bytes.indexOf('\0');
        qsizetype n = zero >= 0 ? zero : bytes.size();
        if (n > MaxChars)
            n = MaxChars;
        chars_.fill(0);
        if (n > 0)
            std::memcpy(chars_.data(), bytes.data(), size_t(n));
        length_ = int(n);
    }
    // Texts are single bytes per character; Latin-1 keeps every byte value.
    void assign(const QString& s) { assign(QByteArrayView(s.toLatin1())); }
    FixedText& operator=(const char* s) {
        assign(QByteArrayView(s));
        return *this;
    }

    QByteArray bytes() const { return QByteArray(chars_.data(), length_); }
    QString text() const { return QString::fromLatin1(chars_.data(), length_); }
    const char* data() const { return chars_.data(); }
    int length() const { return length_; }
    bool empty() const { return length_ == 0; }

    bool operator==(const FixedText&) const = default;

private:
    std::array<char, MaxChars> chars_{};
    int length_ = 0;
};

// A field of Bytes bytes that keeps its NUL terminator: one character fewer.
template <int Bytes> using TextField = FixedText<Bytes - 1>;
