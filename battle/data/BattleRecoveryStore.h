#pragma once
// Recovery copies of unsaved battles. Each running battle editor takes a lock of its own
// in the per-user recovery folder and keeps at most one copy there, named like its lock.
// A copy whose lock no running editor holds was left by an editor that ended without
// closing normally (killed, crashed, power lost); the next editor to start offers it back.
//
// Names in the folder: "fmbattle-<token>.lock" (the lock), "fmbattle-<token>.scn" (the
// battle, in the battle file format) and "fmbattle-<token>.note" (the sidecar: the battle's
// own file, its name and the time of the copy). The symbol editor keeps its own
// "fmsymbol-…" files in the same folder.

#include "BattleFile.h"
#include "MessageSink.h"
#include "RecoveryFolder.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class Battle;
class QLockFile;

// What the sidecar beside a copy records.
struct RecoveryNote {
    QString originalPath; // the battle's own file; empty for a battle never saved
    QString battleName;
    QDateTime written; // when the copy was written
};

// A copy left by an editor no longer running. The store that found it holds its lock
// until it is discarded or released, so no other editor offers it meanwhile.
struct LeftoverCopy {
    QString id; // "fmbattle-<token>"
    QString copyPath;
    RecoveryNote note;
};

// "Restore the unsaved changes to 'Varnholm Ford' from 2026-12-09 14:32?": the date and
// the time, whatever day it is now.
QString RestoreQuestion(const RecoveryNote& note, const QDateTime& now);

class BattleRecoveryStore {
public:
    explicit BattleRecoveryStore(QString folder);
    // The locks go; the copy stays unless Remove deleted it.
    ~BattleRecoveryStore();
    BattleRecoveryStore(const BattleRecoveryStore&) = delete;
    BattleRecoveryStore& operator=(const BattleRecoveryStore&) = delete;

    // Creates the folder and takes this editor's lock under a fresh name. False when the
    // folder cannot be made or locked in; the store then writes nothing.
    bool Claim();
    const QString& folder() const { return folder_; }
    QString copyPath() const; // empty before Claim
    bool hasCopy() const { return hasCopy_; }

    // Writes bytes as this editor's copy with note beside it, each file atomically; bytes
    // and note equal to the last ones written (the time aside) are not written again.
    // Refused (false, nothing written) before Claim, when the copy would land on the
    // battle's own file, or when a file this store did not write stands at its place.
    bool Write(const QByteArray& bytes, const RecoveryNote& note);
    // Deletes this editor's copy and its sidecar.
    void Remove();

    // The copies no running editor holds, newest first, each now locked by this store.
    // A leftover without a readable sidecar, or a sidecar or lock without a copy, is
    // deleted on the way.
    std::vector<LeftoverCopy> TakeLeftovers();
    // Reads a leftover into out, a fresh battle holding only what persists between
    // battles. Refused when the bytes are not a battle the battle reader accepts.
    BattleDecodeResult ReadCopy(const LeftoverCopy& copy, Battle& out,
                                const MessageSink& sink) const;
    // Deletes a leftover's copy, sidecar and lock.
    void Discard(const LeftoverCopy& copy);
    // Lets a leftover go, files kept, for an editor started later.
    void Release(const LeftoverCopy& copy);

private:
    QString PathOf(const QString& id, const char* suffix) const;
    void RemoveFiles(const QString& id) const;

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    std::map<QString, std::unique_ptr<QLockFile>> held_; // leftovers taken, by id
    bool hasCopy_ = false;
    QByteArray lastBytes_; // and the note, as last written
    RecoveryNote lastNote_;
};

// The sidecar's bytes, and back; false for anything but a sidecar this store wrote.
QByteArray EncodeRecoveryNote(const RecoveryNote& note);
bool DecodeRecoveryNote(const QByteArray& bytes, RecoveryNote& out);
