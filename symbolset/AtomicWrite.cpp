#include "AtomicWrite.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

namespace {

SetResult WriteFailure(const QString& path, const QString& reason) {
    return SetResult::Failure(QStringLiteral("Could not write the file %1:\r%2").arg(path, reason));
}

} // namespace

SetResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // Unbuffered: a buffered device reports every byte as written and loses the ones a full
    // disk refuses when it flushes, so only the count of an unbuffered write can be trusted.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit(); // drops the temporary file
        return WriteFailure(path, reason);
    }
    if (!file.commit())
        return WriteFailure(path, file.errorString());
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
