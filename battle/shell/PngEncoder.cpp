#include "PngEncoder.h"

#include <QThread>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

namespace {

void PutU32(QByteArray& out, uint32_t v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(QByteArray& out, const char* type, const QByteArray& data) {
    PutU32(out, uint32_t(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* crcFrom = reinterpret_cast<const Bytef*>(out.constData() + typeAt);
    PutU32(out, uint32_t(crc32_z(0, crcFrom, size_t(out.size() - typeAt))));
}

// The rows of the picture as PNG bytes: R, G, B (and A) in that order.
class RowSource {
public:
    explicit RowSource(const QImage& picture) {
        alpha_ = picture.hasAlphaChannel();
        image_ = picture.convertToFormat(alpha_ ? QImage::Format_RGBA8888 : QImage::Format_RGB32);
        channels_ = alpha_ ? 4 : 3;
    }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool alpha() const { return alpha_; }
    size_t rowBytes() const { return size_t(image_.width()) * size_t(channels_); }

    void Read(int y, uint8_t* out) const {
        if (alpha_) {
            std::memcpy(out, image_.constScanLine(y), rowBytes());
            return;
        }
        const auto* in = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = 0; x < image_.width(); ++x, out += 3) {
            out[0] = uint8_t(qRed(in[x]));
            out[1] = uint8_t(qGreen(in[x]));
            out[2] = uint8_t(qBlue(in[x]));
        }
    }

private:
    QImage image_;
    bool alpha_ = false;
    int channels_ = 3;
};

// The rows of one band filtered as PNG stores them: the filter type, then the filtered
// bytes. The band's first row is stored unfiltered, so no band needs another's rows.
class Filter {
public:
    Filter(const RowSource& rows, PngFilter type)
        : rows_(rows), type_(type), above_(rows.rowBytes()), current_(rows.rowBytes()),
          out_(rows.rowBytes() + 1) {}

    const std::vector<uint8_t>& Row(int y) {
        const PngFilter type = y == lastRow_ + 1 ? type_ : PngFilter::None;
        std::swap(above_, current_);
        rows_.Read(y, current_.data());
        out_[0] = uint8_t(type);
        const size_t n = current_.size();
        const uint8_t* in = current_.data();
        uint8_t* out = out_.data() + 1;
        if (type == PngFilter::Up) {
            for (size_t i = 0; i < n; ++i)
                out[i] = uint8_t(in[i] - above_[i]);
        } else if (type == PngFilter::Sub) {
            const size_t left = rows_.alpha() ? 4 : 3;
            std::memcpy(out, in, std::min(left, n));
            for (size_t i = left; i < n; ++i)
                out[i] = uint8_t(in[i] - in[i - left]);
        } else {
            std::memcpy(out, in, n);
        }
        lastRow_ = y;
        return out_;
    }

private:
    const RowSource& rows_;
    PngFilter type_;
    std::vector<uint8_t> above_, current_, out_;
    int lastRow_ = -2;
};

struct Band {
    int first = 0, end = 0; // rows
    QByteArray deflated;    // raw deflate data, ending on a byte boundary
    uLong adler = 1;        // of the filtered bytes
    qsizetype length = 0;   // of the filtered bytes
    bool ok = false;
};

void Deflate(const RowSource& rows, Band& band, const PngSettings& settings, bool last) {
    z_stream z{};
    if (deflateInit2(&z, std::clamp(settings.level, 1, 9), Z_DEFLATED, -15, 9,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return;
    Filter filter(rows, settings.filter);
    const size_t rowSize = rows.rowBytes() + 1;
    band.deflated.resize(
        qsizetype(deflateBound(&z, uLong(rowSize) * uLong(band.end - band.first))) + 64);
    z.next_out = reinterpret_cast<Bytef*>(band.deflated.data());
    z.avail_out = uInt(band.deflated.size());
    uLong adler = adler32(0, nullptr, 0);
    bool ok = true;
    for (int y = band.first; y < band.end && ok; ++y) {
        const std::vector<uint8_t>& row = filter.Row(y);
        adler = adler32_z(adler, row.data(), row.size());
        z.next_in = const_cast<Bytef*>(row.data());
        z.avail_in = uInt(row.size());
        const int flush = y + 1 < band.end ? Z_NO_FLUSH : (last ? Z_FINISH : Z_SYNC_FLUSH);
        const int status = deflate(&z, flush);
        ok = z.avail_in == 0 && (status == Z_OK || status == Z_STREAM_END);
    }
    band.deflated.resize(qsizetype(z.total_out));
    band.adler = adler;
    band.length = qsizetype(rowSize) * (band.end - band.first);
    band.ok = ok;
    deflateEnd(&z);
}

} // namespace

QByteArray EncodePng(const QImage& picture, const PngSettings& settings,
                     const std::function<bool(int top, int bottom)>& drawRows) {
    if (picture.isNull() || (drawRows && picture.format() != QImage::Format_RGB32))
        return {};
    const RowSource rows(picture);
    const int threads =
        std::max(1, settings.threads > 0 ? settings.threads : QThread::idealThreadCount());
    const int bandRows =
        settings.bandRows > 0 ? settings.bandRows : (rows.height() + threads - 1) / threads;
    std::vector<Band> bands;
    for (int y = 0; y < rows.height(); y += bandRows)
        bands.push_back({y, std::min(rows.height(), y + bandRows), {}, 1, 0, false});

    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t b = next++; b < bands.size(); b = next++)
            if (!drawRows || drawRows(bands[b].first, bands[b].end))
                Deflate(rows, bands[b], settings, b + 1 == bands.size());
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min<int>(threads, int(bands.size())); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    PutU32(header, uint32_t(rows.width()));
    PutU32(header, uint32_t(rows.height()));
    header.append(char(8));                    // bits a channel
    header.append(char(rows.alpha() ? 6 : 2)); // RGBA or RGB
    header.append(3, char(0));                 // deflate, adaptive filtering, no interlace
    PutChunk(png, "IHDR", header);
    // The zlib stream: its header, the bands, the checksum of everything filtered.
    uLong adler = adler32(0, nullptr, 0);
    for (size_t b = 0; b < bands.size(); ++b) {
        if (!bands[b].ok)
            return {};
        adler = adler32_combine(adler, bands[b].adler, z_off_t(bands[b].length));
        PutChunk(png, "IDAT",
                 b == 0 ? QByteArray("\x78\x01", 2) + bands[b].deflated : bands[b].deflated);
    }
    QByteArray checksum;
    PutU32(checksum, uint32_t(adler));
    PutChunk(png, "IDAT", checksum);
    PutChunk(png, "IEND", {});
    return png;
}
