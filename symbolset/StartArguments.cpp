#include "StartArguments.h"

#include <QDir>

StartArguments ParseStartArguments(const QStringList& arguments, const QString& currentDir,
                                   const QString& usage) {
    StartArguments result;
    const QStringList given = arguments.mid(1);
    auto refuse = [&](const QString& why) {
        result.ok = false;
        result.error = why + QLatin1Char('\n') + usage + QLatin1Char('\n');
        return result;
    };
    if (given.size() > 1)
        return refuse(QStringLiteral("Only one file can be opened at start."));
    if (given.isEmpty())
        return result;
    const QString& path = given.front();
    if (path.isEmpty())
        return refuse(QStringLiteral("The file name is empty."));
    if (path.startsWith(QLatin1Char('-')))
        return refuse(QStringLiteral("Unknown option \"%1\".").arg(path));
    result.openPath = QDir::cleanPath(QDir(currentDir).absoluteFilePath(path));
    return result;
}
