#pragma once
// Guards for the battle file a window shows: another program (or another editor) may
// change it or hold it open.
//
// - The stamp of the file as this window last read or wrote it: size, modification time
//   and a digest of the bytes. A save first compares the file with its stamp, so changes
//   made by someone else are not overwritten without a question.
// - A lock beside the battle (".<file name>.lock" in the battle's folder) while a window
//   shows it; a second window on the same battle is warned. The lock names its process:
//   a lock whose process has ended (a crash) is stale and taken over.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class QLockFile;

inline const QString kBattleChangedOnDisk =
    QStringLiteral("The battle file changed on disk since it was opened. Replace it?");

struct BattleFileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray digest;

    bool operator==(const BattleFileStamp&) const = default;
};

// The stamp of the file as it is now; exists is false for a missing file.
BattleFileStamp StampOfFile(const QString& path);
// The stamp of bytes just written to or read from path (the time from the file).
BattleFileStamp StampOfBytes(const QString& path, const QByteArray& bytes);

// True when the file at path is no longer the one stamped: changed, replaced or removed.
// A file that did not exist when stamped counts as changed when it exists now.
bool ChangedSince(const QString& path, const BattleFileStamp& stamp);

// The lock file beside a battle file.
QString BattleLockPath(const QString& battlePath);

class BattleLock {
public:
    BattleLock();
    ~BattleLock(); // releases
    BattleLock(const BattleLock&) = delete;
    BattleLock& operator=(const BattleLock&) = delete;

    // Takes the lock of battlePath (releasing the one held before). False when another
    // running editor holds it; holder then says which ("process 4711 on host"). A folder
    // where no lock can be made is not a refusal: nothing is held and the result is true.
    bool Take(const QString& battlePath, QString* holder = nullptr);
    void Release();
    QString heldPath() const { return path_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};

// The warning shown when the battle is open in another window.
QString BattleOpenElsewhereText(const QString& battlePath, const QString& holder);
