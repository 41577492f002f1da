#include "RecoveryStore.h"

#include <AtomicWrite.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <algorithm>

namespace {

constexpr quint32 kMagic = 0x464d5352; // "FMSR"
constexpr quint32 kVersion = 1;
const QString kCopySuffix = QStringLiteral(".rec");
const QString kLockSuffix = QStringLiteral(".lock");

QString LockPathFor(const QString& copyPath) {
    return copyPath.left(copyPath.size() - kCopySuffix.size()) + kLockSuffix;
}

} // namespace

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << kVersion << copy.setPath << copy.newSet << qint32(copy.kind)
        << qint32(copy.symbol) << copy.symbolName << qint32(copy.zoomLevel) << copy.transparent
        << quint32(copy.transparentColour) << copy.written;
    for (const QImage& level : copy.levels)
        out << level;
    return bytes;
}

bool DecodeRecoveryCopy(const QByteArray& bytes, RecoveryCopy& copy) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, version = 0, colour = 0;
    qint32 kind = 0, symbol = 0, zoom = 0;
    RecoveryCopy read;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion)
        return false;
    in >> read.setPath >> read.newSet >> kind >> symbol >> read.symbolName >> zoom >>
        read.transparent >> colour >> read.written;
    for (QImage& level : read.levels)
        in >> level;
    if (in.status() != QDataStream::Ok || kind < 1 || kind > 2 || symbol < 1 || zoom < 1 ||
        zoom > kLevelCount)
        return false;
    for (const QImage& level : read.levels) {
        if (level.isNull())
            return false;
    }
    read.kind = kind;
    read.symbol = symbol;
    read.zoomLevel = zoom;
    read.transparentColour = colour;
    copy = std::move(read);
    return true;
}

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {
    // The process id keeps names apart between running copies; the random part keeps a
    // later run with a reused process id from taking a gone run's name.
    id_ = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
          QString::number(QRandomGenerator::global()->generate(), 16);
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::copyPath() const {
    return QDir(folder_).filePath(QLatin1String(kPrefix) + id_ + kCopySuffix);
}

bool RecoveryStore::Start() {
    if (lock_)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    auto lock = std::make_unique<QLockFile>(LockPathFor(copyPath()));
    lock->setStaleLockTime(0); // held for the whole run, however long
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);
    return true;
}

SetResult RecoveryStore::Write(const RecoveryCopy& copy) {
    if (!lock_)
        return SetResult::Failure(QStringLiteral("The recovery folder is not available."));
    SetResult r = WriteFileAtomically(copyPath(), EncodeRecoveryCopy(copy));
    if (r)
        hasCopy_ = true;
    return r;
}

void RecoveryStore::Remove() {
    if (hasCopy_ || QFileInfo::exists(copyPath()))
        QFile::remove(copyPath());
    hasCopy_ = false;
}

std::vector<LeftCopy> RecoveryStore::FindLeftCopies() const {
    std::vector<LeftCopy> found;
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QLatin1String(kPrefix) + QLatin1Char('*') + kCopySuffix}, QDir::Files);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (path == copyPath())
            continue;
        auto lock = std::make_shared<QLockFile>(LockPathFor(path));
        lock->setStaleLockTime(0);
        // A running program holds its lock; the lock of a run that is gone can be taken.
        if (!lock->tryLock(0))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        LeftCopy left{path, {}, lock};
        if (DecodeRecoveryCopy(file.readAll(), left.copy))
            found.push_back(std::move(left));
    }
    std::sort(found.begin(), found.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.copy.written > b.copy.written; });
    return found;
}

void RecoveryStore::Discard(LeftCopy& left) {
    QFile::remove(left.path);
    if (left.lock)
        left.lock->unlock(); // removes the lock file
    left.lock.reset();
}

QString RecoveryQuestion(const RecoveryCopy& copy) {
    return QStringLiteral("Restore the unsaved changes to '") + copy.symbolName +
           QStringLiteral("' from ") +
           copy.written.toLocalTime().toString(QStringLiteral("HH:mm")) + QStringLiteral("?");
}
