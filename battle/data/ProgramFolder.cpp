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

QString ExistingFileForTypedName(const QString& typed, const QString& extension) {
    if (QFileInfo::exists(typed) || typed.endsWith(extension, Qt::CaseInsensitive))
        return typed;
    const QFileInfo info(typed + extension);
    const QString found = FindEntry(info.absolutePath(), info.fileName());
    return QFileInfo::exists(found) ? found : typed;
}
