#pragma once
// The lock beside an open set ("<base>.lock"): while one window holds it, a second window
// opening the set learns that it is open elsewhere. A lock left by a program that ended
// without closing (a crash) is stale and taken over.

#include <QLockFile>
#include <QString>

#include <memory>

class SetLock {
public:
    // Takes the lock of the set at `setPath`, releasing the one held before. False when a
    // running program holds it; `holder` then describes that program.
    bool Take(const QString& setPath, QString& holder);
    void Release();
    bool holds(const QString& setPath) const;

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};

QString LockPath(const QString& setPath);
