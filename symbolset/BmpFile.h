#pragma once
// Reading BMP files byte by byte: 1-, 4-, 8-, 16-, 24- and 32-bit pictures, RLE4 and RLE8,
// bottom-up and top-down rows, with the OS/2 1.x and 2.x headers and the Windows headers up
// to version 5. A file that is cut short, whose run-length data is damaged or whose pixels
// name a colour its palette does not have is refused with the reason, never shown as
// whatever the missing bytes would have been.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct BmpInfo {
    QSize size;
    int bitsPerPixel = 0;
    QList<QRgb> palette; // pictures of up to 8 bits
};

// Decodes `bytes` into an RGB32 picture. False with `reason` (one sentence) when the file
// is not a BMP file this reader can use.
bool DecodeBmp(const QByteArray& bytes, QImage& picture, QString& reason, BmpInfo* info = nullptr);

// Reads and decodes the file at `path`; the reason names the file.
bool ReadBmpFile(const QString& path, QImage& picture, QString& reason, BmpInfo* info = nullptr);
