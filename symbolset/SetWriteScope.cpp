#include "SetWriteScope.h"

#include "AtomicWrite.h"
#include "SetSwitch.h"

#include <QFileInfo>

#include <algorithm>

SetWriteScope::SetWriteScope(SymbolSet& set) : set_(set) {
    if (!set_.pending_) {
        set_.pending_ = std::make_shared<PendingSetFiles>();
        outermost_ = true;
    }
    ++set_.pending_->depth;
    before_ = set_;
}

SetWriteScope::~SetWriteScope() {
    if (!committed_)
        set_ = before_;
    if (set_.pending_)
        --set_.pending_->depth;
    if (outermost_)
        set_.pending_.reset();
}

SetResult SetWriteScope::Commit() {
    if (!outermost_) {
        committed_ = true;
        return SetResult::Success();
    }
    if (set_.readOnly)
        return SetResult::Failure(
            QStringLiteral("The symbol set %1 is open for viewing only; save it under another "
                           "name to keep the changes.")
                .arg(set_.setPath));
    if (set_.diskStatePath == set_.setPath && ReadSetDiskState(set_.setPath) != set_.diskState) {
        const QString question =
            QStringLiteral("The symbol set %1 was changed on disk by another window or program "
                           "since it was opened here.\rReplace it with this window's version?")
                .arg(set_.baseName());
        if (!set_.confirmOverwrite || !set_.confirmOverwrite(question))
            return SetResult::Failure(
                QStringLiteral("The symbol set %1 was not saved: it was changed on disk since it "
                               "was opened here.")
                    .arg(set_.setPath));
    }
    std::vector<SetFileChange> changes;
    for (const auto& [path, image] : set_.pending_->bitmaps) {
        QByteArray bytes;
        if (SetResult r = EncodeBitmap(path, image, bytes); !r)
            return r;
        changes.push_back({QFileInfo(path).fileName(), bytes});
    }
    for (const auto& [path, bytes] : set_.pending_->bytes)
        changes.push_back({QFileInfo(path).fileName(), bytes});
    for (const QString& path : set_.pending_->removed)
        changes.push_back({QFileInfo(path).fileName(), {}, true});
    // The ".set" describes the bitmaps: it is renamed last.
    std::stable_partition(changes.begin(), changes.end(), [](const SetFileChange& c) {
        return !c.fileName.endsWith(kSetSuffix, Qt::CaseInsensitive);
    });
    if (SetResult r = SwitchSetFiles(set_.setPath, changes); !r)
        return r;
    set_.diskState = ReadSetDiskState(set_.setPath);
    set_.diskStatePath = set_.setPath;
    committed_ = true;
    return SetResult::Success();
}
