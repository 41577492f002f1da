#include "AtomicWrite.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

SetResult WriteFailure(const QString& path, const QString& reason) {
    return SetResult::Failure(QStringLiteral("Could not write the file %1:\r%2").arg(path, reason));
}

// The encoder leaves whatever memory held in the bits after each row's last pixel; cleared,
// the same picture always gives the same bytes.
void ClearRowPadding(QByteArray& bmp) {
    const auto u16 = [&](int at) { return int(uchar(bmp[at])) | int(uchar(bmp[at + 1])) << 8; };
    const auto u32 = [&](int at) { return qint64(u16(at)) | qint64(u16(at + 2)) << 16; };
    if (bmp.size() < 54)
        return;
    const qint64 offset = u32(10), width = u32(18), bits = u16(28);
    const qint64 height = std::abs(qint32(u32(22)));
    const qint64 used = width * bits, stride = (used + 31) / 32 * 4;
    if (u32(30) != 0 || offset + stride * height > bmp.size())
        return; // compressed or short: not written by this program
    for (qint64 row = 0; row < height; ++row) {
        char* line = bmp.data() + offset + row * stride;
        if (used % 8)
            line[used / 8] = char(uchar(line[used / 8]) & uchar(0xff00 >> (used % 8)));
        std::fill(line + (used + 7) / 8, line + stride, '\0');
    }
}

// The device's own text, or the system's for the error just met when the device has none
// (a write the disk cuts short reports only "Unknown error"): "No space left on device".
QString Reason(const QFileDevice& file, int systemError) {
    const QString text = file.errorString();
    if (systemError != 0 && (text.isEmpty() || text == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return text;
}

} // namespace

SetResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // Unbuffered: a buffered device reports every byte as written and loses the ones a full
    // disk refuses when it flushes, so only the count of an unbuffered write can be trusted.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailure(path, Reason(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = Reason(file, errno);
        file.cancelWriting();
        file.commit(); // drops the temporary file
        return WriteFailure(path, reason);
    }
    errno = 0;
    if (!file.commit())
        return WriteFailure(path, Reason(file, errno));
    return SetResult::Success();
}

SetResult EncodeBitmap(const QString& path, const QImage& image, QByteArray& bytes) {
    bytes.clear();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        return WriteFailure(path, writer.errorString());
    ClearRowPadding(bytes);
    return SetResult::Success();
}

SetResult WriteBitmapAtomically(const QString& path, const QImage& image) {
    // Encoded in memory first, so the file write is one checked write.
    QByteArray bytes;
    if (SetResult r = EncodeBitmap(path, image, bytes); !r)
        return r;
    return WriteFileAtomically(path, bytes);
}
