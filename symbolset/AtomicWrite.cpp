#include "AtomicWrite.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {

SetResult WriteFailure(const QString& path, const QString& reason) {
    return SetResult::Failure(QStringLiteral("Could not write the file %1:\r%2").arg(path, reason));
}

} // namespace

SetResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailure(path, reason);
    }
    if (!file.commit())
        return WriteFailure(path, file.errorString());
    return SetResult::Success();
}

SetResult WriteBitmapAtomically(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure(path, file.errorString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return WriteFailure(path, reason);
    }
    if (!file.commit())
        return WriteFailure(path, file.errorString());
    return SetResult::Success();
}
