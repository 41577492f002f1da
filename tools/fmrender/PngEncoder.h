#pragma once
// A PNG file made fast enough for whole-map pictures of tens of millions of pixels. The
// rows are filtered and deflated in bands on several threads at once; each band's deflate
// stream is primed with the end of the band before it and ends on a byte boundary, so the
// bands joined make the one zlib stream of a single IDAT sequence that any reader takes.
// A low compression level and the "Up" filter, chosen by measurement (bench/), give
// files a little larger than the toolkit's writer in a fraction of its time.

#include <QByteArray>
#include <QImage>

#include <cstdint>

// The PNG row filters offered: each byte stored as it is, less the byte to its left, or less
// the byte above.
enum class PngFilter : uint8_t { None = 0, Sub = 1, Up = 2 };

struct PngSettings {
    int level = 2; // zlib's compression level, 1 … 9
    PngFilter filter = PngFilter::Up;
    int threads = 0;  // 0: as many as the machine has processors
    int bandRows = 0; // rows a band holds; 0: the picture split evenly among the threads
};

// The picture as PNG: 8 bits a channel, RGB for an opaque picture, RGBA with alpha. Empty
// for a null picture.
QByteArray EncodePng(const QImage& picture, const PngSettings& settings = {});
