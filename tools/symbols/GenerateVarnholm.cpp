// Writes the standard symbol set "varnholm" into the program folder's "Battles" folder.
// Usage: fm_gen_varnholm <program folder>

#include "ToolFiles.h"
#include "VarnholmBuilder.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QString setPath = QString::fromLocal8Bit(argv[1]) + "/Battles/varnholm.set";
    const SetResult result = BuildVarnholmSet(setPath);
    if (!result) {
        std::fprintf(stderr, "varnholm: %s\n", qPrintable(result.message));
        return 1;
    }
    return 0;
}
