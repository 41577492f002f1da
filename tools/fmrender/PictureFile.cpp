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

QByteArray DrawPictureFile(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, PictureFormat format, QString& error) {
    if (format == PictureFormat::Png)
        return DrawMapPicturePng(battle, set, options, error);
    const MapPicture drawn = RenderMapPicture(battle, set, options);
    if (drawn.picture.isNull()) {
        error = drawn.error;
        return {};
    }
    const QByteArray bytes = EncodePicture(drawn.picture, format);
    if (bytes.isEmpty())
        error = QStringLiteral("The picture could not be encoded.");
    return bytes;
}

QString WritePictureFile(const QByteArray& bytes, const QString& path) {
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
