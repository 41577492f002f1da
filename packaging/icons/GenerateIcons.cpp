// Writes the two programs' desktop icons as PNG files of the hicolor icon theme:
// <folder>/hicolor/<n>x<n>/apps/fmbattle.png and fmsymbol.png for n = 48, 128, 256.
// Usage: fm_gen_icons <folder>

#include "AtomicWrite.h"
#include "Logos.h"
#include "ToolFiles.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool WritePng(const QString& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image) || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    const SetResult written = WriteFileAtomically(path, bytes);
    if (!written)
        std::fprintf(stderr, "%s\n", qPrintable(written.message));
    return bool(written);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int size : {48, 128, 256}) {
        const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps/").arg(root).arg(size);
        ok = WritePng(apps + "fmbattle.png", BattleEditorIcon(size)) && ok;
        ok = WritePng(apps + "fmsymbol.png", SymbolEditorIcon(size)) && ok;
    }
    return ok ? 0 : 1;
}
