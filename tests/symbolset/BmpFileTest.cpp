// Every kind of good BMP file reads back as the picture it holds; a cut or damaged one is
// refused with the reason.
#include "SetFixtures.h"

#include "BmpFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// A 5-by-3 picture of four colours that every depth holds exactly.
constexpr int kW = 5, kH = 3;
const QList<QRgb> kPalette{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
int IndexAt(int x, int y, int bits) {
    return (x + 2 * y) % (bits == 1 ? 2 : 4);
}

void U16(QByteArray& b, int v) {
    b += char(v & 0xff);
    b += char((v >> 8) & 0xff);
}
void U32(QByteArray& b, qint64 v) {
    U16(b, int(v & 0xffff));
    U16(b, int((v >> 16) & 0xffff));
}

struct Layout {
    const char* name;
    int headerSize; // 12, 40, 64, 108, 124
    int bits;
    int compression; // 0, 1 (RLE8), 2 (RLE4), 3 (bit fields)
    bool topDown = false;
};

// Rows bottom-up (or top-down), each padded to four bytes.
QByteArray Rows(const Layout& l) {
    QByteArray pixels;
    for (int r = 0; r < kH; ++r) {
        const int y = l.topDown ? r : kH - 1 - r;
        QByteArray row;
        if (l.bits <= 8) {
            int acc = 0, filled = 0;
            for (int x = 0; x < kW; ++x) {
                acc = (acc << l.bits) | IndexAt(x, y, l.bits);
                filled += l.bits;
                if (filled == 8)
                    row += char(acc), acc = 0, filled = 0;
            }
            if (filled)
                row += char(acc << (8 - filled));
        } else {
            for (int x = 0; x < kW; ++x) {
                const QRgb c = kPalette[IndexAt(x, y, l.bits)];
                if (l.bits == 16) // 5-6-5 with bit fields, else 5-5-5
                    U16(row, l.compression == 3
                                 ? (qRed(c) >> 3) << 11 | (qGreen(c) >> 2) << 5 | qBlue(c) >> 3
                                 : (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3);
                else {
                    row += char(qBlue(c)), row += char(qGreen(c)), row += char(qRed(c));
                    if (l.bits == 32)
                        row += char(0);
                }
            }
        }
        while (row.size() % 4)
            row += char(0);
        pixels += row;
    }
    return pixels;
}

// Run-length rows, bottom-up: the first row as an absolute stretch, the others as runs.
QByteArray RunLength(const Layout& l) {
    QByteArray data;
    for (int y = kH - 1; y >= 0; --y) {
        if (y == kH - 1) {
            data += char(0), data += char(kW);
            QByteArray stretch;
            for (int x = 0; x < kW; ++x) {
                if (l.bits == 8)
                    stretch += char(IndexAt(x, y, 8));
                else if (x % 2 == 0)
                    stretch +=
                        char(IndexAt(x, y, 4) << 4 | (x + 1 < kW ? IndexAt(x + 1, y, 4) : 0));
            }
            if (stretch.size() % 2)
                stretch += char(0);
            data += stretch;
        } else {
            for (int x = 0; x < kW; ++x)
                data += char(1),
                    data += char(l.bits == 8 ? IndexAt(x, y, 8) : IndexAt(x, y, 4) << 4);
        }
        data += char(0), data += char(0);
    }
    data[data.size() - 1] = char(1); // the last end of line is the end of the picture
    return data;
}

QByteArray Build(const Layout& l, const QByteArray& pixels, int paletteEntries) {
    const bool core = l.headerSize == 12;
    QByteArray header;
    if (core) {
        U16(header, kW);
        U16(header, kH);
        U16(header, 1);
        U16(header, l.bits);
    } else {
        U32(header, kW);
        U32(header, l.topDown ? -kH : kH);
        U16(header, 1);
        U16(header, l.bits);
        U32(header, l.compression);
        U32(header, pixels.size());
        U32(header, 2835), U32(header, 2835);
        U32(header, l.bits <= 8 ? paletteEntries : 0);
        U32(header, 0);
        if (l.headerSize >= 52) {
            U32(header, l.compression == 3 ? 0xf800 : 0);
            U32(header, l.compression == 3 ? 0x07e0 : 0);
            U32(header, l.compression == 3 ? 0x001f : 0);
        }
        while (header.size() < l.headerSize - 4)
            header += char(0);
    }
    QByteArray extra;
    if (l.compression == 3 && l.headerSize == 40)
        U32(extra, 0xf800), U32(extra, 0x07e0), U32(extra, 0x001f);
    if (l.bits <= 8) {
        for (int i = 0; i < paletteEntries; ++i) {
            const QRgb c = kPalette[i % kPalette.size()];
            extra += char(qBlue(c)), extra += char(qGreen(c)), extra += char(qRed(c));
            if (!core)
                extra += char(0);
        }
    }
    QByteArray file("BM");
    const int offset = 14 + 4 + header.size() + extra.size();
    U32(file, offset + pixels.size());
    U32(file, 0);
    U32(file, offset);
    U32(file, l.headerSize);
    return file + header + extra + pixels;
}

QByteArray Good(const Layout& l) {
    const QByteArray pixels = l.compression == 1 || l.compression == 2 ? RunLength(l) : Rows(l);
    return Build(l, pixels, l.bits <= 8 ? std::min(1 << l.bits, 4) : 0);
}

const Layout kGood[] = {
    {"1-bit", 40, 1, 0},
    {"4-bit", 40, 4, 0},
    {"8-bit", 40, 8, 0},
    {"16-bit 5-5-5", 40, 16, 0},
    {"16-bit fields", 40, 16, 3},
    {"24-bit", 40, 24, 0},
    {"32-bit", 40, 32, 0},
    {"RLE8", 40, 8, 1},
    {"RLE4", 40, 4, 2},
    {"24-bit top-down", 40, 24, 0, true},
    {"8-bit top-down", 40, 8, 0, true},
    {"OS/2 1.x", 12, 8, 0},
    {"OS/2 2.x", 64, 4, 0},
    {"v4 header", 108, 24, 0},
    {"v5 header fields", 124, 16, 3},
};

} // namespace

TEST(BmpFile, EveryGoodLayoutReadsBackItsPicture) {
    for (const Layout& l : kGood) {
        QImage picture;
        QString reason;
        ASSERT_TRUE(DecodeBmp(Good(l), picture, reason)) << l.name << ": " << reason.toStdString();
        ASSERT_EQ(picture.size(), QSize(kW, kH)) << l.name;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                ASSERT_EQ(picture.pixel(x, y), kPalette[IndexAt(x, y, l.bits)])
                    << l.name << " at " << x << "," << y;
    }
}

TEST(BmpFile, DamageIsRefusedWithItsReason) {
    const QByteArray rgb = Good({"", 40, 24, 0});
    QByteArray runPastTheRow = Good({"", 40, 8, 1});
    runPastTheRow.insert(runPastTheRow.size() - 2, QByteArray("\x09\x01", 2)); // nine in five
    QByteArray badIndex = Build({"", 40, 8, 0}, Rows({"", 40, 8, 0}), 2);      // indices up to 3
    QByteArray cutRun = Good({"", 40, 4, 2});
    cutRun.chop(7);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"no BMP", QByteArray("PK\x03\x04 and more bytes than a header"), "not a BMP file"},
        {"cut in its header", rgb.left(30), "ends inside its header"},
        {"cut before its pixels", rgb.left(54), "ends inside its pixel data"},
        {"cut inside its pixels", rgb.left(rgb.size() - 20), "ends inside its pixel data"},
        {"run past the row", runPastTheRow, "run-length data is damaged"},
        {"run-length data cut", cutRun, "run-length data is damaged"},
        {"palette index", badIndex, "palette entry 2 of a palette of 2"},
    };
    for (const auto& c : cases) {
        QImage picture;
        QString reason;
        EXPECT_FALSE(DecodeBmp(c.bytes, picture, reason)) << c.name;
        EXPECT_TRUE(reason.contains(c.reason)) << c.name << ": " << reason.toStdString();
        EXPECT_TRUE(picture.isNull()) << c.name;
    }
}

TEST(BmpFile, ASetWithACutBitmapIsRefusedNamingTheFile) {
    QTemporaryDir dir;
    const SymbolSet set = MakeSet(dir.path(), 4, 1, {5, 10, 15});
    const QString path = set.bitmapPath(SymbolKind::Terrain, 2);
    const QByteArray whole = ReadFileBytes(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(whole.size() / 2));
    file.close();
    SymbolSet read;
    const SetResult r = read.Read(set.setPath);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(path)) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains("ends inside its pixel data")) << r.message.toStdString();
}

TEST(BmpFile, ASetWithTopDownBitmapsOpensAndShowsItsPictures) {
    QTemporaryDir dir;
    const SymbolSet set = MakeSet(dir.path(), 4, 1, {5, 10, 15});
    const QRgb before = CellCentre(set, SymbolKind::Terrain, 3, 2);
    // The same picture stored top-down, as other painting programs write it.
    QImage picture;
    ASSERT_TRUE(set.LoadBitmap(SymbolKind::Terrain, 2, picture).ok);
    QByteArray topDown("BM");
    QByteArray rows;
    for (int y = 0; y < picture.height(); ++y) {
        QByteArray row;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            row += char(qBlue(c)), row += char(qGreen(c)), row += char(qRed(c));
        }
        while (row.size() % 4)
            row += char(0);
        rows += row;
    }
    U32(topDown, 54 + rows.size()), U32(topDown, 0), U32(topDown, 54), U32(topDown, 40);
    U32(topDown, picture.width()), U32(topDown, -picture.height());
    U16(topDown, 1), U16(topDown, 24), U32(topDown, 0), U32(topDown, rows.size());
    U32(topDown, 0), U32(topDown, 0), U32(topDown, 0), U32(topDown, 0);
    QFile file(set.bitmapPath(SymbolKind::Terrain, 2));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(topDown + rows);
    file.close();
    SymbolSet read;
    ASSERT_TRUE(read.Read(set.setPath).ok);
    EXPECT_EQ(CellCentre(read, SymbolKind::Terrain, 3, 2), before);
}
