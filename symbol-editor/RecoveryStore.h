#pragma once
// Crash recovery: while the symbol being edited has unsaved changes, a copy of its working
// pictures is kept in the per-user recovery folder, so that a run that ends without closing
// (killed, crashed, power lost) can be taken up again at the next start. Each run holds a
// lock file of its own beside its copy; a copy whose lock nobody holds was left by a run
// that is gone, and only such copies are offered. Nothing here touches the user's files.

#include <RecoveryFolder.h>
#include <SetResult.h>
#include <SymbolStorage.h>

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

// What a recovery copy holds: which set and symbol, and the symbol's working state.
struct RecoveryCopy {
    QString setPath; // the open set's ".set" file
    bool newSet = false;
    int kind = 0;   // 1 terrain, 2 unit
    int symbol = 0; // record number
    QString symbolName;
    int zoomLevel = 1;
    // The three level pictures as shown (transparent pixels in the transparent colour); the
    // masks follow from them and the transparent flag when the symbol is stored.
    LevelPictures levels;
    bool transparent = false;
    QRgb transparentColour = 0;
    QDateTime written;
};

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy);
// False for anything that is not a whole copy of this program.
bool DecodeRecoveryCopy(const QByteArray& bytes, RecoveryCopy& copy);

// A copy left by a run that is gone; its lock is held until it is restored or removed.
struct LeftCopy {
    QString path;
    RecoveryCopy copy;
    std::shared_ptr<QLockFile> lock;
};

class RecoveryStore {
public:
    static constexpr const char* kPrefix = "fmsymbol-";

    explicit RecoveryStore(const QString& folder = RecoveryFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Creates the folder and takes this run's lock; false when that is impossible (the
    // run then keeps no copies).
    bool Start();
    // Writes this run's copy atomically (the old copy stays whole when writing fails).
    SetResult Write(const RecoveryCopy& copy);
    // This run has nothing unsaved any more (saved, discarded or closed normally).
    void Remove();
    bool hasCopy() const { return hasCopy_; }
    QString copyPath() const;
    const QString& folder() const { return folder_; }

    // Copies of runs that are gone, newest first. Unreadable copies are skipped.
    std::vector<LeftCopy> FindLeftCopies() const;
    // Removes a left copy and its lock file.
    static void Discard(LeftCopy& left);

private:
    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    bool hasCopy_ = false;
};

// "Restore the unsaved changes to '<symbol name>' from HH:MM?"
QString RecoveryQuestion(const RecoveryCopy& copy);
