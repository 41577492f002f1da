#include "PictureFile.h"

#include "AtomicWrite.h"
#include "PngEncoder.h"

#include <QBuffer>
#include <QImageWriter>

#include <cstdio>

QByteArray EncodePicture(const QImage& picture, PictureFormat format) {
    if (format == PictureFormat::Png)
        return EncodePng(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == PictureFormat::Bmp ? "bmp" : "jpeg");
    if (format == PictureFormat::Jpeg)
        writer.setQuality(90);
    return writer.write(picture) ? bytes : QByteArray();
}

QString WritePicture(const QImage& picture, PictureFormat format, const QString& path) {
    const QByteArray bytes = EncodePicture(picture, format);
    if (bytes.isEmpty())
        return QStringLiteral("the picture of %1 × %2 pixels could not be encoded.")
            .arg(picture.width())
            .arg(picture.height());
    if (path == QLatin1String("-")) {
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) !=
                size_t(bytes.size()) ||
            std::fflush(stdout) != 0)
            return QStringLiteral("the picture could not be written to standard output.");
        return {};
    }
    if (const SetResult written = WriteFileAtomically(path, bytes); !written)
        return QString(written.message).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return {};
}
