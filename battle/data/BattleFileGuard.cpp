#include "BattleFileGuard.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

BattleFileStamp StampOfFile(const QString& path) {
    BattleFileStamp stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    return StampOfBytes(path, file.readAll());
}

BattleFileStamp StampOfBytes(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    BattleFileStamp stamp;
    stamp.exists = info.isFile();
    if (!stamp.exists)
        return stamp;
    stamp.size = bytes.size();
    stamp.modified = info.lastModified();
    stamp.digest = Digest(bytes);
    return stamp;
}

bool ChangedSince(const QString& path, const BattleFileStamp& stamp) {
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp.exists;
    if (!stamp.exists)
        return true;
    // Size and time first: the digest is read only when they agree, as a same-size
    // rewrite within the clock's resolution still differs in its bytes.
    if (info.size() != stamp.size || info.lastModified() != stamp.modified)
        return true;
    return StampOfFile(path).digest != stamp.digest;
}

QString BattleLockPath(const QString& battlePath) {
    const QFileInfo info(battlePath);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

BattleLock::BattleLock() = default;

BattleLock::~BattleLock() {
    Release();
}

bool BattleLock::Take(const QString& battlePath, QString* holder) {
    Release();
    auto lock = std::make_unique<QLockFile>(BattleLockPath(battlePath));
    // Only a lock whose process has ended is stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        path_ = battlePath;
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true; // a folder without room for a lock: open without one
    if (holder) {
        qint64 pid = 0;
        QString host, application;
        *holder = lock->getLockInfo(&pid, &host, &application)
                      ? QStringLiteral("process %1 on %2").arg(pid).arg(host)
                      : QStringLiteral("another editor");
    }
    return false;
}

void BattleLock::Release() {
    if (lock_)
        lock_->unlock();
    lock_.reset();
    path_.clear();
}

QString BattleOpenElsewhereText(const QString& battlePath, const QString& holder) {
    return QStringLiteral("The battle %1 is open in another Fieldmark window (%2).\r"
                          "Changes saved in one window can replace those saved in the other.")
        .arg(QFileInfo(battlePath).fileName(), holder);
}
