#include "BattleRecoveryStore.h"

#include "AtomicWrite.h"
#include "Battle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>

#include <algorithm>

namespace {

const QString kPrefix = QStringLiteral("fmbattle-");
constexpr char kLockSuffix[] = ".lock";
constexpr char kCopySuffix[] = ".scn";
constexpr char kNoteSuffix[] = ".note";
constexpr int kNoteFormat = 1;

// A lock that counts as held only while its process runs: by default a lock file older
// than 30 seconds would pass for abandoned even though its editor is still open.
std::unique_ptr<QLockFile> MakeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

// Takes a leftover's lock. A lock file whose owner cannot be read (cut short by a power
// loss) counts as abandoned once it is older than any lock still being written.
bool TakeLock(QLockFile& lock) {
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError || lock.getLockInfo(nullptr, nullptr, nullptr))
        return false; // held by an editor that is running
    const QDateTime changed = QFileInfo(lock.fileName()).lastModified();
    if (changed.secsTo(QDateTime::currentDateTime()) < 10)
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

QString Token() {
    static int serial = 0;
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QString::number(QDateTime::currentMSecsSinceEpoch(), 36))
        .arg(++serial);
}

// Both names lead to one file, through links or relative parts.
bool SameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

} // namespace

QString RestoreQuestion(const RecoveryNote& note, const QDateTime& now) {
    // Date and time always: after several editors ended, the copies are told apart by them.
    Q_UNUSED(now);
    const QString when = note.written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    // Concatenated, not formatted: the battle name is the designer's text.
    return QStringLiteral("Restore the unsaved changes to '") + note.battleName +
           QStringLiteral("' from ") + when + QStringLiteral("?");
}

QByteArray EncodeRecoveryNote(const RecoveryNote& note) {
    QJsonObject o;
    o[QStringLiteral("format")] = kNoteFormat;
    o[QStringLiteral("path")] = note.originalPath;
    o[QStringLiteral("name")] = note.battleName;
    o[QStringLiteral("written")] = note.written.toUTC().toString(Qt::ISODateWithMs);
    return QJsonDocument(o).toJson();
}

bool DecodeRecoveryNote(const QByteArray& bytes, RecoveryNote& out) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    const QJsonValue path = o.value(QStringLiteral("path"));
    const QJsonValue name = o.value(QStringLiteral("name"));
    const QJsonValue written = o.value(QStringLiteral("written"));
    if (o.value(QStringLiteral("format")).toInt() != kNoteFormat || !path.isString() ||
        !name.isString() || !written.isString())
        return false;
    const QDateTime time = QDateTime::fromString(written.toString(), Qt::ISODateWithMs);
    if (!time.isValid())
        return false;
    out = RecoveryNote{path.toString(), name.toString(), time};
    return true;
}

BattleRecoveryStore::BattleRecoveryStore(QString folder) : folder_(std::move(folder)) {}

BattleRecoveryStore::~BattleRecoveryStore() = default;

QString BattleRecoveryStore::PathOf(const QString& id, const char* suffix) const {
    return folder_ + QLatin1Char('/') + id + QLatin1String(suffix);
}

QString BattleRecoveryStore::copyPath() const {
    return id_.isEmpty() ? QString() : PathOf(id_, kCopySuffix);
}

bool BattleRecoveryStore::Claim() {
    if (lock_)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QString id = kPrefix + Token();
        if (QFileInfo::exists(PathOf(id, kCopySuffix)) ||
            QFileInfo::exists(PathOf(id, kNoteSuffix)))
            continue;
        auto lock = MakeLock(PathOf(id, kLockSuffix));
        if (!lock->tryLock(0)) {
            if (lock->error() != QLockFile::LockFailedError)
                return false; // the folder refuses files
            continue;
        }
        id_ = id;
        lock_ = std::move(lock);
        return true;
    }
    return false;
}

bool BattleRecoveryStore::Write(const QByteArray& bytes, const RecoveryNote& note) {
    if (!lock_)
        return false;
    const QString copy = copyPath();
    if (!note.originalPath.isEmpty() && SameFile(copy, note.originalPath))
        return false;
    if (!hasCopy_ && (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink()))
        return false; // not ours to replace
    if (hasCopy_ && bytes == lastBytes_ && note.originalPath == lastNote_.originalPath &&
        note.battleName == lastNote_.battleName)
        return true;
    // The sidecar first: a copy is only ever found with a note that names its file.
    if (!WriteFileAtomically(PathOf(id_, kNoteSuffix), EncodeRecoveryNote(note)))
        return false;
    if (!WriteFileAtomically(copy, bytes))
        return false;
    hasCopy_ = true;
    lastBytes_ = bytes;
    lastNote_ = note;
    return true;
}

void BattleRecoveryStore::Remove() {
    if (!hasCopy_)
        return;
    QFile::remove(PathOf(id_, kCopySuffix));
    QFile::remove(PathOf(id_, kNoteSuffix));
    hasCopy_ = false;
    lastBytes_.clear();
}

void BattleRecoveryStore::RemoveFiles(const QString& id) const {
    QFile::remove(PathOf(id, kCopySuffix));
    QFile::remove(PathOf(id, kNoteSuffix));
}

std::vector<LeftoverCopy> BattleRecoveryStore::TakeLeftovers() {
    std::vector<LeftoverCopy> found;
    QSet<QString> ids;
    const QStringList names =
        QDir(folder_).entryList({kPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        ids.insert(name.section(QLatin1Char('.'), 0, 0));
    for (const QString& id : ids) {
        if (id == id_ || held_.count(id))
            continue;
        auto lock = MakeLock(PathOf(id, kLockSuffix));
        if (!TakeLock(*lock))
            continue; // its editor is still running
        LeftoverCopy copy{id, PathOf(id, kCopySuffix), {}};
        QFile note(PathOf(id, kNoteSuffix));
        const bool readable = QFileInfo(copy.copyPath).isFile() && note.open(QIODevice::ReadOnly) &&
                              DecodeRecoveryNote(note.readAll(), copy.note);
        if (!readable) {
            RemoveFiles(id); // nothing that could be offered
            continue;        // the lock goes with `lock`
        }
        held_[id] = std::move(lock);
        found.push_back(copy);
    }
    std::sort(found.begin(), found.end(), [](const LeftoverCopy& a, const LeftoverCopy& b) {
        return a.note.written > b.note.written;
    });
    return found;
}

BattleDecodeResult BattleRecoveryStore::ReadCopy(const LeftoverCopy& copy, Battle& out,
                                                 const MessageSink& sink) const {
    QFile file(copy.copyPath);
    if (!file.open(QIODevice::ReadOnly))
        return BattleDecodeResult::Refused;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return BattleDecodeResult::Refused;
    return DecodeBattle(bytes, out, sink);
}

void BattleRecoveryStore::Discard(const LeftoverCopy& copy) {
    RemoveFiles(copy.id);
    held_.erase(copy.id); // unlocking deletes the lock file
}

void BattleRecoveryStore::Release(const LeftoverCopy& copy) {
    held_.erase(copy.id);
}
