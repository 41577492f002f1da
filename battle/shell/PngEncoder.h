#pragma once
// A PNG file made fast enough for whole-map pictures of tens of millions of pixels. The
// rows are filtered and deflated in bands on several threads at once, each band ending
// its deflate blocks on a byte boundary, so the bands joined make the one zlib stream of
// a single IDAT sequence that any reader takes (its checksum combined from the bands').
// No band refers to another's bytes, so a band can be deflated as soon as its own rows are
// drawn. The level and the filter are chosen by measurement (bench/PictureWriteBench): on
// whole-map pictures, unfiltered rows at level 2 give the smallest file of the fast
// settings, and looking for runs only (zlib's Z_RLE) gives files six times larger.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <functional>

// The PNG row filters offered: each byte stored as it is, less the byte to its left, or less
// the byte above.
enum class PngFilter : uint8_t { None = 0, Sub = 1, Up = 2 };

struct PngSettings {
    int level = 2; // zlib's compression level, 1 … 9
    PngFilter filter = PngFilter::None;
    int threads = 0;  // 0: as many as the machine has processors
    int bandRows = 0; // rows a band holds; 0: the picture split evenly among the threads
};

// The picture as PNG: 8 bits a channel, RGB for an opaque picture, RGBA with alpha. Empty
// for a null picture. When `drawRows` is given, the picture (Format_RGB32) is drawn while
// it is encoded: each band's rows top … bottom − 1 are drawn, by the thread that then
// deflates them, just before; a false from it leaves the file unmade (empty).
QByteArray EncodePng(const QImage& picture, const PngSettings& settings = {},
                     const std::function<bool(int top, int bottom)>& drawRows = {});
