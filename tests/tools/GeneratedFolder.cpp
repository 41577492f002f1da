#include "GeneratedFolder.h"

#include <QFile>

#include <cstdio>

QString GeneratedProgramFolder() {
    const QString folder = QStringLiteral(FM_TEST_PROGRAM_FOLDER);
    for (const char* needed : {"/bmps/ketpal.bmp", "/Battles/varnholm.set"})
        if (!QFile::exists(folder + needed)) {
            std::fprintf(stderr, "%s%s was not generated\n", qPrintable(folder), needed);
            return QString();
        }
    return folder;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
