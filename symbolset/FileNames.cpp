#include "FileNames.h"

#include "Latin1Text.h"
#include "SetFormat.h"

#include <QDir>
#include <QFileInfo>

QString FindFileAnyCase(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.dir();
    if (!dir.exists()) {
        // The folder itself may differ in case (a "battles" folder, say).
        const QString folder = FindFileAnyCase(info.absolutePath());
        if (folder == info.absolutePath())
            return path;
        return FindFileAnyCase(folder + QLatin1Char('/') + info.fileName());
    }
    const QString wanted = info.fileName();
    for (const QString& entry :
         dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return path;
}

QString SetPathForTypedName(const QString& typed) {
    const QFileInfo info(typed);
    QString name = info.fileName().toLower();
    if (!name.endsWith(QLatin1String(".set")))
        name += QLatin1String(".set");
    const QString folder = typed.contains(QLatin1Char('/')) ? info.path() : QString();
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

QStringList SetFileNames(const QString& setPath) {
    QString base = QFileInfo(setPath).fileName();
    if (base.endsWith(kSetSuffix, Qt::CaseInsensitive))
        base.chop(kSetSuffix.size());
    QStringList names{base + kSetSuffix, base + kOrderSuffix};
    for (int k = 0; k < kKindCount; ++k)
        for (int level = 1; level <= kLevelCount; ++level)
            names << base + BitmapSuffix(KindAt(k), level);
    return names;
}

QString SetNameRefusal(const QString& setPath) {
    constexpr int kLongestSetName = 255;
    QString base = QFileInfo(setPath).fileName();
    if (base.endsWith(kSetSuffix, Qt::CaseInsensitive))
        base.chop(kSetSuffix.size());
    if (base.isEmpty())
        return QStringLiteral("A symbol set needs a name before \".set\".");
    if (!IsLatin1(base))
        return QStringLiteral("The battle editor cannot name the set \"%1\": ").arg(base) +
               Latin1RefusalReason(base);
    if (base.size() > kLongestSetName)
        return QStringLiteral("The battle editor cannot name a set of more than %1 characters.")
            .arg(kLongestSetName);
    return {};
}
