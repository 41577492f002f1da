#include "BmpFile.h"

#include <QFile>

#include <bit>

namespace {

// Compression codes of the info header.
enum : quint32 { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };
constexpr int kFileHeader = 14;
constexpr int kCoreHeader = 12; // OS/2 1.x: 16-bit sizes, three-byte palette entries
constexpr qint64 kMaxSide = 32768;
constexpr qint64 kMaxPixels = qint64(1) << 28;

class Bytes {
public:
    explicit Bytes(const QByteArray& b) : b_(b) {}
    qint64 size() const { return b_.size(); }
    bool has(qint64 at, qint64 n) const { return at >= 0 && n >= 0 && at + n <= b_.size(); }
    quint8 u8(qint64 at) const { return quint8(b_[at]); }
    quint16 u16(qint64 at) const { return quint16(u8(at) | u8(at + 1) << 8); }
    quint32 u32(qint64 at) const { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; }

private:
    const QByteArray& b_;
};

// One channel of a bit-field pixel scaled to 0 … 255.
int Channel(quint32 pixel, quint32 mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint32 max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / max);
}

struct Header {
    qint64 width = 0;
    qint64 height = 0; // rows, always positive
    bool topDown = false;
    int bits = 0;
    quint32 compression = kRgb;
    quint32 masks[3] = {0, 0, 0};
    QList<QRgb> palette;
    qint64 pixelOffset = 0;
};

bool Fail(QString& reason, const QString& why) {
    reason = why;
    return false;
}

bool ReadHeader(const Bytes& in, Header& h, QString& reason) {
    if (!in.has(0, kFileHeader + 4) || in.u8(0) != 'B' || in.u8(1) != 'M')
        return Fail(reason, QStringLiteral("it is not a BMP file"));
    h.pixelOffset = in.u32(10);
    const qint64 headerSize = in.u32(14);
    const bool core = headerSize == kCoreHeader;
    if (!core && (headerSize < 16 || headerSize > 124))
        return Fail(reason,
                    QStringLiteral("its header (%1 bytes) is of no known kind").arg(headerSize));
    if (!in.has(kFileHeader, headerSize))
        return Fail(reason, QStringLiteral("the file ends inside its header"));
    const qint64 at = kFileHeader + 4;
    qint64 width = 0, height = 0;
    int planes = 0;
    if (core) {
        width = in.u16(at);
        height = qint16(in.u16(at + 2));
        planes = in.u16(at + 4);
        h.bits = in.u16(at + 6);
    } else {
        width = qint32(in.u32(at));
        height = qint32(in.u32(at + 4));
        planes = in.u16(at + 8);
        h.bits = in.u16(at + 10);
        h.compression = headerSize >= 20 ? in.u32(at + 12) : kRgb;
    }
    // OS/2 2.x headers use codes 3 and 4 for compressions no other writer uses.
    const bool os2 = !core && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
                     headerSize != 108 && headerSize != 124;
    if (planes != 1)
        return Fail(reason, QStringLiteral("its header names %1 planes, not 1").arg(planes));
    h.topDown = height < 0;
    h.width = width;
    h.height = height < 0 ? -height : height;
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide ||
        h.width * h.height > kMaxPixels)
        return Fail(
            reason,
            QStringLiteral("its size %1 by %2 is not a picture size").arg(width).arg(height));
    const bool bitFields = h.compression == kBitFields || h.compression == kAlphaBitFields;
    const bool known = (h.compression == kRgb && (h.bits == 1 || h.bits == 4 || h.bits == 8 ||
                                                  h.bits == 16 || h.bits == 24 || h.bits == 32)) ||
                       (h.compression == kRle8 && h.bits == 8) ||
                       (h.compression == kRle4 && h.bits == 4) ||
                       (!os2 && bitFields && (h.bits == 16 || h.bits == 32));
    if (!known)
        return Fail(reason, QStringLiteral("its %1-bit pixels with compression %2 cannot be read")
                                .arg(h.bits)
                                .arg(h.compression));
    if (h.topDown && (h.compression == kRle8 || h.compression == kRle4))
        return Fail(reason, QStringLiteral("its run-length data claims top-down rows"));

    qint64 paletteAt = kFileHeader + headerSize;
    if (bitFields) {
        // Version 1 info headers keep the masks after the header; later ones inside it.
        const qint64 masksAt = headerSize == 40 ? paletteAt : kFileHeader + 40;
        if (!in.has(masksAt, 12))
            return Fail(reason, QStringLiteral("the file ends before its colour masks"));
        for (int i = 0; i < 3; ++i)
            h.masks[i] = in.u32(masksAt + 4 * i);
        if (headerSize == 40)
            paletteAt += h.compression == kAlphaBitFields ? 16 : 12;
    } else if (h.bits == 16) {
        h.masks[0] = 0x7c00, h.masks[1] = 0x03e0, h.masks[2] = 0x001f;
    } else if (h.bits >= 24) {
        h.masks[0] = 0xff0000, h.masks[1] = 0x00ff00, h.masks[2] = 0x0000ff;
    }
    if (h.bits <= 8) {
        const qint64 entry = core ? 3 : 4;
        const qint64 used = !core && headerSize >= 36 ? in.u32(kFileHeader + 32) : 0;
        qint64 count = used > 0 ? used : (qint64(1) << h.bits);
        if (count > 256)
            return Fail(reason, QStringLiteral("its palette claims %1 colours").arg(count));
        // Some writers store fewer entries than the depth allows: what lies before the pixels.
        count = std::min(count, (h.pixelOffset - paletteAt) / entry);
        if (count <= 0 || !in.has(paletteAt, count * entry))
            return Fail(reason, QStringLiteral("the file ends before its palette"));
        for (qint64 i = 0; i < count; ++i) {
            const qint64 e = paletteAt + i * entry;
            h.palette << qRgb(in.u8(e + 2), in.u8(e + 1), in.u8(e));
        }
    }
    if (h.pixelOffset < paletteAt || h.pixelOffset > in.size())
        return Fail(reason, QStringLiteral("the file ends before its pixel data"));
    return true;
}

bool Colour(const Header& h, quint32 index, QRgb& colour, QString& reason) {
    if (index >= quint32(h.palette.size()))
        return Fail(reason, QStringLiteral("a pixel names palette entry %1 of a palette of %2")
                                .arg(index)
                                .arg(h.palette.size()));
    colour = h.palette[qsizetype(index)];
    return true;
}

bool DecodeRows(const Bytes& in, const Header& h, QImage& picture, QString& reason) {
    const qint64 stride = (h.width * h.bits + 31) / 32 * 4;
    const qint64 lastRow = (h.width * h.bits + 7) / 8; // the last row may lack its padding
    if (!in.has(h.pixelOffset, stride * (h.height - 1) + lastRow))
        return Fail(reason, QStringLiteral("the file ends inside its pixel data"));
    const int bytesPerPixel = h.bits / 8;
    for (qint64 row = 0; row < h.height; ++row) {
        const qint64 line = h.pixelOffset + row * stride;
        auto* out =
            reinterpret_cast<QRgb*>(picture.scanLine(int(h.topDown ? row : h.height - 1 - row)));
        for (qint64 x = 0; x < h.width; ++x) {
            if (h.bits <= 8) {
                const qint64 bit = x * h.bits;
                const int shift = 8 - h.bits - int(bit % 8);
                const quint32 index = (in.u8(line + bit / 8) >> shift) & ((1u << h.bits) - 1);
                if (!Colour(h, index, out[x], reason))
                    return false;
                continue;
            }
            const qint64 at = line + x * bytesPerPixel;
            quint32 pixel = h.bits == 16   ? in.u16(at)
                            : h.bits == 24 ? quint32(in.u8(at)) | quint32(in.u8(at + 1)) << 8 |
                                                 quint32(in.u8(at + 2)) << 16
                                           : in.u32(at);
            out[x] = qRgb(Channel(pixel, h.masks[0]), Channel(pixel, h.masks[1]),
                          Channel(pixel, h.masks[2]));
        }
    }
    return true;
}

// RLE8 and RLE4: runs and literal stretches, with end-of-line, end-of-picture and skip codes.
// Anything that would draw outside the picture or runs past the end of the file is damage.
bool DecodeRunLength(const Bytes& in, const Header& h, QImage& picture, QString& reason) {
    const auto damaged = [&reason] {
        return Fail(reason, QStringLiteral("its run-length data is damaged"));
    };
    QRgb background = 0;
    if (!Colour(h, 0, background, reason))
        return false;
    picture.fill(background);
    const bool four = h.compression == kRle4;
    qint64 at = h.pixelOffset, x = 0, y = 0;
    const auto put = [&](quint32 index) {
        QRgb colour = 0;
        if (x >= h.width || y >= h.height)
            return damaged();
        if (!Colour(h, index, colour, reason))
            return false;
        reinterpret_cast<QRgb*>(picture.scanLine(int(h.height - 1 - y)))[x++] = colour;
        return true;
    };
    while (true) {
        if (!in.has(at, 2))
            return y >= h.height ? true : damaged(); // no end code after the last row is usual
        const int count = in.u8(at), value = in.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                const quint32 index = four ? (i % 2 ? value & 0x0f : value >> 4) : quint32(value);
                if (!put(index))
                    return false;
            }
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of picture
            return true;
        } else if (value == 2) { // skip right and up
            if (!in.has(at, 2))
                return damaged();
            x += in.u8(at);
            y += in.u8(at + 1);
            at += 2;
            if (x > h.width || y > h.height)
                return damaged();
        } else { // `value` pixels stored one by one, padded to an even number of bytes
            const qint64 bytes = four ? (value + 1) / 2 : value;
            if (!in.has(at, bytes))
                return damaged();
            for (int i = 0; i < value; ++i) {
                const quint8 b = in.u8(at + (four ? i / 2 : i));
                const quint32 index = four ? (i % 2 ? b & 0x0f : b >> 4) : b;
                if (!put(index))
                    return false;
            }
            at += bytes + (bytes % 2);
        }
    }
}

} // namespace

bool DecodeBmp(const QByteArray& bytes, QImage& picture, QString& reason, BmpInfo* info) {
    const Bytes in(bytes);
    Header h;
    reason.clear();
    if (!ReadHeader(in, h, reason))
        return false;
    QImage decoded(int(h.width), int(h.height), QImage::Format_RGB32);
    if (decoded.isNull())
        return Fail(reason, QStringLiteral("there is not enough memory for its pixels"));
    const bool ok = h.compression == kRle8 || h.compression == kRle4
                        ? DecodeRunLength(in, h, decoded, reason)
                        : DecodeRows(in, h, decoded, reason);
    if (!ok)
        return false;
    picture = decoded;
    if (info)
        *info = {decoded.size(), h.bits, h.palette};
    return true;
}

bool ReadBmpFile(const QString& path, QImage& picture, QString& reason, BmpInfo* info) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("Could not read the file %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!DecodeBmp(bytes, picture, reason, info)) {
        reason = QStringLiteral("The bitmap %1 cannot be used: %2.").arg(path, reason);
        return false;
    }
    return true;
}
