#include "ProgramFolder.h"

#include "ProgramFolderChoice.h"

#include <QDir>
#include <QFileInfo>

QString FindEntry(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

QStringList ProgramFoldersAround(const QString& battlePath, const QString& currentDir,
                                 const QString& executableDir) {
    const QString battles = QFileInfo(battlePath).absolutePath();
    return {QDir::cleanPath(battles + QStringLiteral("/..")), currentDir,
            InstalledStockFolder(executableDir), executableDir};
}
