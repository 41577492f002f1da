#include "PictureFile.h"

#include "AtomicWrite.h"
#include "PngEncoder.h"

#include <QBuffer>
#include <QImageWriter>

#include <cstdio>
#include <mutex>

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
    const QSize size = MapPictureSize(battle, set, options.zoom);
    if (size.isEmpty()) {
        error = QStringLiteral("There is no map to draw.");
        return {};
    }
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) {
        error = QStringLiteral("The map picture of %1 × %2 pixels is too large to be made.")
                    .arg(size.width())
                    .arg(size.height());
        return {};
    }
    // Every row pointer taken before the encoder shares the picture, so no thread's
    // drawing makes the picture copy itself.
    const PictureRows whole{picture.bits(), picture.bytesPerLine(), size, 0, size.height()};
    std::mutex failing;
    const auto draw = [&](int top, int bottom) {
        PictureRows rows = whole;
        rows.top = top;
        rows.bottom = bottom;
        const QString failed = DrawMapPictureRows(battle, set, options, rows);
        if (!failed.isEmpty()) {
            const std::lock_guard lock(failing);
            error = failed;
        }
        return failed.isEmpty();
    };
    if (format != PictureFormat::Png) {
        if (!draw(0, size.height()))
            return {};
        const QByteArray bytes = EncodePicture(picture, format);
        if (bytes.isEmpty())
            error = QStringLiteral("The picture could not be encoded.");
        return bytes;
    }
    PngSettings settings;
    settings.bandRows = MapPictureBandRows(battle, set, options);
    const QByteArray png = EncodePng(picture, settings, draw);
    if (png.isEmpty() && error.isEmpty())
        error = QStringLiteral("The picture could not be encoded.");
    return png;
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
