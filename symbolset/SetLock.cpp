#include "SetLock.h"

#include "SetFormat.h"

#include <QFileInfo>

QString LockPath(const QString& setPath) {
    QString base = setPath;
    if (base.endsWith(kSetSuffix, Qt::CaseInsensitive))
        base.chop(kSetSuffix.size());
    return base + QStringLiteral(".lock");
}

bool SetLock::Take(const QString& setPath, QString& holder) {
    const QString path = QFileInfo(LockPath(setPath)).absoluteFilePath();
    if (lock_ && path_ == path)
        return true;
    auto lock = std::make_unique<QLockFile>(path);
    // Age alone never makes a lock stale: a set may stay open for days. Only a holder that
    // no longer runs does.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        qint64 pid = 0;
        QString host, program;
        if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &program))
            holder = QStringLiteral("%1 (process %2 on %3)").arg(program).arg(pid).arg(host);
        else
            holder = QStringLiteral("another program");
        return lock->error() != QLockFile::LockFailedError; // no lock possible: not held
    }
    Release();
    lock_ = std::move(lock);
    path_ = path;
    return true;
}

void SetLock::Release() {
    lock_.reset(); // unlocks
    path_.clear();
}

bool SetLock::holds(const QString& setPath) const {
    return lock_ && path_ == QFileInfo(LockPath(setPath)).absoluteFilePath();
}
