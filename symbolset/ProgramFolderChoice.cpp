#include "ProgramFolderChoice.h"

#include "AtomicWrite.h"
#include "FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

FolderSurroundings FolderSurroundings::OfThisProcess() {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
            qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()};
}

bool IsProgramFolder(const QString& dir) {
    return QFileInfo(FindFileAnyCase(QDir(dir).filePath(QStringLiteral("Battles")))).isDir();
}

QString UserProgramFolder(const QString& xdgDataHome, const QString& homeDir) {
    QString base = xdgDataHome;
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir(homeDir).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("fieldmark")));
}

QString InstalledStockFolder(const QString& executableDir) {
    return QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral("../share/fieldmark")));
}

namespace {

StockCopy Failed(StockCopy copy, const QString& error) {
    copy.ok = false;
    copy.error = error;
    return copy;
}

} // namespace

StockCopy CopyMissingStock(const QString& stock, const QString& target) {
    StockCopy copy;
    const QDir from(stock);
    if (!QDir().mkpath(target))
        return Failed(copy, QStringLiteral("The folder %1 cannot be created.").arg(target));
    QStringList files;
    QDirIterator it(stock, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << from.relativeFilePath(it.next());
    files.sort(); // the same order on every file system
    const QDir to(target);
    for (const QString& relative : files) {
        const QString destination = to.filePath(relative);
        if (QFileInfo::exists(destination))
            continue; // the designer's file, or one copied before: kept as it is
        if (!QDir().mkpath(QFileInfo(destination).absolutePath()))
            return Failed(copy,
                          QStringLiteral("The folder of %1 cannot be created.").arg(destination));
        QFile source(from.filePath(relative));
        if (!source.open(QIODevice::ReadOnly))
            return Failed(copy, QStringLiteral("%1 cannot be read.").arg(source.fileName()));
        const QByteArray bytes = source.readAll();
        if (source.error() != QFileDevice::NoError)
            return Failed(copy, QStringLiteral("%1 cannot be read.").arg(source.fileName()));
        if (const SetResult written = WriteFileAtomically(destination, bytes); !written)
            return Failed(copy, written.message);
        copy.copied << relative;
    }
    return copy;
}

ProgramFolderChoice ChooseProgramFolder(const FolderSurroundings& around) {
    ProgramFolderChoice choice;
    if (IsProgramFolder(around.currentDir)) {
        choice.folder = QDir::cleanPath(around.currentDir);
        return choice;
    }
    choice.perUser = true;
    choice.folder = UserProgramFolder(around.xdgDataHome, around.homeDir);
    const QString stock = InstalledStockFolder(around.executableDir);
    if (IsProgramFolder(stock)) {
        choice.stockFolder = stock;
        choice.copy = CopyMissingStock(stock, choice.folder);
    } else if (!QDir().mkpath(choice.folder)) {
        choice.copy =
            Failed({}, QStringLiteral("The folder %1 cannot be created.").arg(choice.folder));
    }
    return choice;
}
