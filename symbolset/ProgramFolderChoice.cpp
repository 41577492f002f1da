#include "ProgramFolderChoice.h"

#include "FileNames.h"

#include <QCoreApplication>
#include <QDir>
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

ProgramFolderChoice ChooseProgramFolder(const FolderSurroundings& around) {
    ProgramFolderChoice choice;
    if (IsProgramFolder(around.executableDir)) {
        choice.folder = QDir::cleanPath(IsProgramFolder(around.currentDir) ? around.currentDir
                                                                           : around.executableDir);
        return choice;
    }
    choice.perUser = true;
    choice.folder = UserProgramFolder(around.xdgDataHome, around.homeDir);
    const QString stock = InstalledStockFolder(around.executableDir);
    if (IsProgramFolder(stock)) {
        choice.stockFolder = stock;
        choice.copy = CopyStock(stock, choice.folder);
    } else if (!QDir().mkpath(choice.folder)) {
        choice.copy.ok = false;
        choice.copy.error = QStringLiteral("The folder %1 cannot be created.").arg(choice.folder);
    }
    return choice;
}
