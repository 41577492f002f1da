#include "SetWatcher.h"

#include <FileNames.h>
#include <SetSwitch.h>

#include <QDir>
#include <QFileInfo>

SetWatcher::SetWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &SetWatcher::Settle);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
}

void SetWatcher::Watch(const QString& folder, const QString& setName) {
    Stop();
    folder_ = folder;
    name_ = setName;
    setPath_ = FindFileAnyCase(QDir(folder).filePath(setName + QStringLiteral(".set")));
    seen_ = ReadSetDiskState(setPath_);
    // The folder too: a file replaced by a rename is a new file the watcher does not know.
    watcher_.addPath(folder);
    WatchFiles();
}

void SetWatcher::Stop() {
    settle_.stop();
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    name_.clear();
}

void SetWatcher::WatchFiles() {
    const QDir folder(folder_);
    for (const QString& name : SetFileNames(setPath_)) {
        const QString path = FindFileAnyCase(folder.filePath(name));
        if (QFileInfo::exists(path) && !watcher_.files().contains(path))
            watcher_.addPath(path);
    }
}

void SetWatcher::Settle() {
    if (name_.isEmpty())
        return;
    WatchFiles();
    if (QFileInfo::exists(JournalPath(setPath_))) {
        settle_.start(); // the symbol editor is still switching the files
        return;
    }
    const SetDiskState now = ReadSetDiskState(setPath_);
    if (now == seen_)
        return;
    seen_ = now;
    emit Changed(name_);
}

QString SetReloadQuestion(const QString& setName) {
    return QStringLiteral("The symbol set %1 changed on disk. Reload it?").arg(setName);
}
