#include "EditorSession.h"

#include "ColourRules.h"
#include "GridGeometry.h"
#include "PixelLayer.h"

#include <FileNames.h>
#include <SetMaintenance.h>
#include <SetWriteScope.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

EditorSession::EditorSession() : transparentColour(kDefaultTransparentColour), tools(work) {
    work.onChange = [this] { MarkDirty(); };
    work.onHistoryMove = [this] { RecheckDirty(); };
    work.picture = SymbolSet::NewPicture(QSize(120, 120), 0xff808080);
}

void EditorSession::SetUp(const QString& folder) {
    programFolder = folder;
    transparentColour = ReadTransparentColour(folder);
    tools.SetPrimary(kVisibleBlack);
    tools.SetSecondary(transparentColour);
    tools.SetDrawMode(ModeDraw);
    tools.airBrush = AirBrushSettings{};
    cell = SetGrdMax(work.picture.width(), work.picture.height());
    overlay_ = SetCellGrid(work.picture.size(), cell, gridOn);
}

QString EditorSession::windowCaption() const {
    if (!setOpen)
        return QStringLiteral("Field Mark Symbol Editor");
    return QStringLiteral("Fieldmark Symbols: ") + set.baseName();
}

QString EditorSession::battlesFolder() const {
    return FindFileAnyCase(QDir(programFolder).filePath(QStringLiteral("battles")));
}

SetResult EditorSession::InitSet(bool read) {
    if (read) {
        SymbolSet loaded;
        SetResult r = loaded.Read(set.setPath);
        if (!r)
            return r; // the editor stays as it was
        set = std::move(loaded);
    }
    AdoptReadSet();
    return SetResult::Success();
}

void EditorSession::AdoptReadSet() {
    controls.symbolMenus = true;
    controls.resetOrder = controls.optimise = !set.readOnly;
    controls.importRegion = true;
    controls.saveSet = !newSet && !set.readOnly;
    controls.saveSetAs = true;
    selection.symbol = 0;
    setOpen = true;
    ZapWorkArea();
    tools.SetDrawMode(ModeDraw);
    dirty_[0] = dirty_[1] = false;
    SetControls(false);
    work.DropHistories();
}

EditorSession::OpenOutcome EditorSession::OpenSet(const QString& typed, SetResult& result) {
    const QString path = FindFileAnyCase(SetPathForTypedName(typed));
    if (!QFileInfo::exists(path))
        return OpenOutcome::Ignored;
    // A file that is no set, or a damaged or incomplete one, leaves the editor exactly as it
    // was: the open set, its symbol, the pending edits and their flags.
    SymbolSet probe;
    result = probe.Read(path);
    if (!result)
        return OpenOutcome::Failed;
    if (!TakeLockFor(probe))
        return OpenOutcome::Cancelled;
    newSet = false;
    set = std::move(probe);
    AdoptReadSet();
    return OpenOutcome::Opened;
}

QString EditorSession::MissingSetMessage(const QString& path) {
    return QStringLiteral("The symbol set file %1 does not exist.")
        .arg(QFileInfo(path).absoluteFilePath());
}

bool EditorSession::TakeLockFor(SymbolSet& read) {
    read.confirmOverwrite = [this](const QString& question) {
        return confirmOverwrite && confirmOverwrite(question);
    };
    QString holder;
    if (lock_.Take(read.setPath, holder))
        return true;
    const QString question = QStringLiteral("The symbol set %1 is open in another window: %2.\r"
                                            "Open it for viewing only, or open it anyway?")
                                 .arg(read.baseName(), holder);
    const LockAnswer answer = askLocked ? askLocked(question) : LockAnswer::ReadOnly;
    if (answer == LockAnswer::Cancel)
        return false;
    // Opened anyway: the other window's saves are noticed before this one writes.
    read.readOnly = answer == LockAnswer::ReadOnly;
    lock_.Release();
    return true;
}

SetResult EditorSession::LockNewSet() {
    QString holder;
    if (lock_.Take(QDir(programFolder).filePath(QStringLiteral("new.set")), holder))
        return SetResult::Success();
    return SetResult::Failure(
        QStringLiteral("Another window is making a new symbol set in %1: %2.\rSave that set "
                       "under its own name first.")
            .arg(programFolder, holder));
}

SetResult EditorSession::CreateNewImageSet(int layout, bool realHex) {
    if (SetResult r = LockNewSet(); !r)
        return r;
    SymbolSet made;
    if (SetResult r = ::CreateNewSet(made, programFolder, layout, realHex, hexSizes); !r)
        return r;
    newLayout = layout;
    newRealHex = realHex;
    set.setPath = made.setPath;
    newSet = true;
    if (SetResult r = InitSet(true); !r)
        return r;
    TakeLockFor(set);
    if (SetResult r = ResetOrder(set); !r)
        return r;
    controls.saveSet = false;
    return SetResult::Success();
}

EditorSession::OpenOutcome EditorSession::CopyExistingSet(const QString& typed, SetResult& result) {
    const QString source = FindFileAnyCase(SetPathForTypedName(typed));
    if (!QFileInfo::exists(source))
        return OpenOutcome::Ignored;
    // A set that cannot be read is not copied, and the editor stays as it was.
    SymbolSet probe;
    result = probe.Read(source);
    if (!result)
        return OpenOutcome::Failed;
    const QString destination = QDir(programFolder).filePath(QStringLiteral("new.set"));
    result = LockNewSet();
    if (!result)
        return OpenOutcome::Failed;
    result = SaveSetTo(probe, source, destination);
    if (!result)
        return OpenOutcome::Failed;
    SymbolSet copy;
    result = copy.Read(destination);
    if (!result)
        return OpenOutcome::Failed;
    TakeLockFor(copy);
    newSet = true;
    set = std::move(copy);
    AdoptReadSet();
    controls.saveSet = false;
    return OpenOutcome::Opened;
}

SetResult EditorSession::SaveSymbolSet() {
    if (!setOpen)
        return SetResult::Success();
    SetWriteScope write(set);
    if (SetResult r = CommitSymbolAndSet(write); !r)
        return r;
    MarkSymbolStored();
    return SetResult::Success();
}

SetResult EditorSession::CommitSymbolAndSet(SetWriteScope& write) {
    if (SetResult r = StoreOpenSymbol(); !r)
        return r;
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    return write.Commit();
}

SaveAsPlan EditorSession::PlanSaveSetAs(const QString& typed) const {
    SaveAsPlan plan;
    plan.path = FindFileAnyCase(SetPathForTypedName(typed));
    plan.refusal = SetNameRefusal(plan.path);
    plan.ownSet = QFileInfo(plan.path).absoluteFilePath().compare(
                      QFileInfo(set.setPath).absoluteFilePath(), Qt::CaseInsensitive) == 0;
    plan.replaces = !plan.ownSet && QFileInfo::exists(plan.path);
    return plan;
}

SetResult EditorSession::SaveSetAs(const QString& typed) {
    if (!setOpen)
        return SetResult::Success();
    const SaveAsPlan plan = PlanSaveSetAs(typed);
    if (!plan.refusal.isEmpty())
        return SetResult::Failure(plan.refusal);
    if (plan.ownSet && set.readOnly)
        return SetResult::Failure(
            QStringLiteral("This window shows %1 for viewing only: save it under another name.")
                .arg(set.baseName()));
    if (plan.ownSet)
        return SaveSymbolSet();
    SetLock destinationLock;
    QString holder;
    if (!destinationLock.Take(plan.path, holder))
        return SetResult::Failure(
            QStringLiteral("The symbol set %1 is open in another window: %2.\rClose it there "
                           "first, or choose another name.")
                .arg(plan.path, holder));
    {
        SetWriteScope write(set);
        if (SetResult r = SaveSetTo(set, set.setPath, plan.path); !r)
            return r;
        if (SetResult r = CommitSymbolAndSet(write); !r)
            return r;
    }
    lock_ = std::move(destinationLock);
    // The pictures being edited stay as they are; only the set's name changes.
    controls.symbolMenus = controls.resetOrder = controls.optimise = true;
    controls.saveSetAs = controls.importRegion = true;
    newSet = false;
    controls.saveSet = true;
    MarkSymbolStored();
    return SetResult::Success();
}

SetResult EditorSession::ResetSymbolOrder() {
    return ResetOrder(set);
}

std::optional<SavePrompt> EditorSession::ShouldSavePrompt(int mode) const {
    if (!dirty_[0] && !dirty_[1] && !newSet)
        return std::nullopt;
    if (mode == 2)
        return SavePrompt{QStringLiteral("Save symbol?"),
                          QStringLiteral("Save changes to symbol ") + symbolName() + "?"};
    if (newSet)
        return SavePrompt{QStringLiteral("Save NEW symbol set?"),
                          QStringLiteral("Save NEW symbol set?")};
    return SavePrompt{QStringLiteral("Save symbol set?"),
                      QStringLiteral("Save changes to symbol set ") + set.baseName() + "?"};
}
