#include "AtomicWrite.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

SetResult WriteFailure(const QString& path, const QString& reason) {
    return SetResult::Failure(QStringLiteral("Could not write the file %1:\r%2").arg(path, reason));
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

SetResult WriteBitmapAtomically(const QString& path, const QImage& image) {
    // Encoded in memory first, so the file write is one checked write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        return WriteFailure(path, writer.errorString());
    return WriteFileAtomically(path, bytes);
}
