#include "ToolFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

void UseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

static bool MakeFolderOf(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return true;
    std::fprintf(stderr, "cannot create folder %s\n", qPrintable(folder));
    return false;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    if (!MakeFolderOf(path))
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool SaveBitmapFile(const QString& path, const QImage& image) {
    if (!MakeFolderOf(path))
        return false;
    // RGB32 pictures are written by the bitmap writer at 24 bits per pixel.
    if (image.convertToFormat(QImage::Format_RGB32).save(path, "BMP"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool SavePngFile(const QString& path, const QImage& image) {
    if (!MakeFolderOf(path))
        return false;
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
