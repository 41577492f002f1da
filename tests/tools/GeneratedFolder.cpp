#include "GeneratedFolder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

static bool Run(const QString& program, const QString& folder) {
    QProcess process;
    process.start(program, {folder});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        return false;
    }
    return true;
}

QString GeneratedProgramFolder() {
    static QTemporaryDir folder;
    static const bool made = folder.isValid() && Run(QStringLiteral(FM_GEN_STOCK), folder.path()) &&
                             Run(QStringLiteral(FM_GEN_VARNHOLM), folder.path());
    return made ? folder.path() : QString();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
