// The session's side of crash recovery: what a recovery copy holds of the symbol being
// edited, and taking such a copy up again as unsaved changes.
#include "EditorSession.h"

#include "PixelLayer.h"

#include <QFileInfo>

bool EditorSession::hasUnsavedSymbol() const {
    return symbolOpen() && dirty(selection.kind);
}

RecoveryCopy EditorSession::MakeRecoveryCopy() const {
    RecoveryCopy copy;
    copy.setPath = QFileInfo(set.setPath).absoluteFilePath();
    copy.newSet = newSet;
    copy.kind = selection.kind;
    copy.symbol = selection.symbol;
    copy.symbolName = symbolName();
    copy.zoomLevel = zoomLevel;
    for (int level = 1; level <= kLevelCount; ++level)
        copy.levels[level - 1] = (level == zoomLevel ? work.picture : levels[level - 1]).copy();
    copy.transparent = transparent;
    copy.transparentColour = transparentColour;
    copy.written = QDateTime::currentDateTime();
    return copy;
}

SetResult EditorSession::RestoreRecoveryCopy(const RecoveryCopy& copy) {
    const auto refuse = [&copy](const QString& why) {
        return SetResult::Failure(QStringLiteral("The unsaved changes to '") + copy.symbolName +
                                  QStringLiteral("' cannot be restored: ") + why);
    };
    SetResult result;
    const OpenOutcome outcome = OpenSet(copy.setPath, result);
    if (outcome == OpenOutcome::Ignored)
        return refuse(QStringLiteral("the symbol set ") + copy.setPath +
                      QStringLiteral(" no longer exists."));
    if (outcome == OpenOutcome::Failed)
        return result;
    if (outcome == OpenOutcome::Cancelled)
        return refuse(QStringLiteral("the symbol set is open in another window."));
    newSet = copy.newSet;
    controls.saveSet = !newSet;
    const SymbolKind kind = KindOf(copy.kind);
    if (copy.symbol > set.count(kind) ||
        QString::fromLatin1(set.record(kind, copy.symbol).name) != copy.symbolName)
        return refuse(QStringLiteral("the symbol is no longer in the set."));
    const std::vector<int>& order = kind == SymbolKind::Unit ? set.unitOrder : set.terrainOrder;
    const auto at = std::find(order.begin(), order.end(), copy.symbol);
    selection = {copy.kind, copy.symbol, at == order.end() ? 0 : int(at - order.begin()) + 1};
    if (SetResult r = LoadCurrentSymbol(); !r)
        return r;
    for (int level = 0; level < kLevelCount; ++level) {
        if (copy.levels[level].size() != levels[level].size())
            return refuse(QStringLiteral("the symbol's size has changed."));
    }
    for (int level = 0; level < kLevelCount; ++level) {
        levels[level] = copy.levels[level].convertToFormat(QImage::Format_RGB32);
        if (copy.transparent && copy.transparentColour != transparentColour)
            SwitchColour(levels[level], copy.transparentColour, transparentColour);
    }
    transparent = copy.transparent;
    // Undo takes a restored level back to what the set holds.
    for (int level = 1; level <= kLevelCount; ++level) {
        if (levels[level - 1] != stored_[level - 1]) {
            work.SelectLevel(level);
            work.undo().PushUndo(stored_[level - 1]);
        }
    }
    zoomLevel = copy.zoomLevel;
    SetImgSize();
    RecheckDirty();
    NoteEdit();
    return SetResult::Success();
}
