#include "ProgramStart.h"

#include "StartArguments.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

ProgramStart PrepareProgramStart(const QString& usage) {
    ProgramStart start;
    const StartArguments args =
        ParseStartArguments(QCoreApplication::arguments(), QDir::currentPath(), usage);
    if (!args.ok) {
        std::fputs(qPrintable(args.error), stderr);
        start.proceed = false;
        return start;
    }
    start.openPath = args.openPath;
    start.folder = ChooseProgramFolder(FolderSurroundings::OfThisProcess());
    QDir::setCurrent(start.folder.folder);
    return start;
}
