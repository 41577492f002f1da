// Lays pictures side by side on a grey sheet, each enlarged, with its file name below, and
// writes the sheet as PNG: a quick look at the palette, logos and icons.
// Usage: fm_picture_sheet <out.png> <scale> <picture>...

#include "ToolFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <out.png> <scale> <picture>...\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const int scale = std::max(1, std::atoi(argv[2]));
    std::vector<QImage> pictures;
    std::vector<QString> names;
    for (int i = 3; i < argc; ++i) {
        QImage image(QString::fromLocal8Bit(argv[i]));
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        pictures.push_back(image);
        names.push_back(QFileInfo(QString::fromLocal8Bit(argv[i])).fileName());
    }
    const int gap = 12, label = 16;
    int width = gap, height = 0;
    for (const QImage& im : pictures) {
        width += im.width() * scale + gap;
        height = std::max(height, im.height() * scale);
    }
    QImage sheet(width, height + 2 * gap + label, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    int x = gap;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QImage& im = pictures[i];
        p.drawImage(QRect(x, gap, im.width() * scale, im.height() * scale), im);
        p.drawText(QRect(x, gap + height + 2, im.width() * scale, label), Qt::AlignHCenter,
                   names[i]);
        x += im.width() * scale + gap;
    }
    p.end();
    return SavePngFile(QString::fromLocal8Bit(argv[1]), sheet) ? 0 : 1;
}
