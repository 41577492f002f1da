#include "EditorSession.h"

#include "ColourRules.h"
#include "GridGeometry.h"
#include "PixelLayer.h"

#include <FileNames.h>
#include <SetMaintenance.h>

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
    controls.symbolMenus = controls.resetOrder = controls.optimise = true;
    controls.importRegion = true;
    controls.saveSet = !newSet;
    controls.saveSetAs = true;
    selection.symbol = 0;
    setOpen = true;
    ZapWorkArea();
    tools.SetDrawMode(ModeDraw);
    dirty_[0] = dirty_[1] = false;
    SetControls(false);
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
    newSet = false;
    set = std::move(probe);
    AdoptReadSet();
    return OpenOutcome::Opened;
}

SetResult EditorSession::CreateNewImageSet(int layout, bool realHex) {
    SymbolSet made;
    if (SetResult r = ::CreateNewSet(made, programFolder, layout, realHex, hexSizes); !r)
        return r;
    newLayout = layout;
    newRealHex = realHex;
    set.setPath = made.setPath;
    newSet = true;
    if (SetResult r = InitSet(true); !r)
        return r;
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
    result = SaveSetTo(probe, source, destination);
    if (!result)
        return OpenOutcome::Failed;
    SymbolSet copy;
    result = copy.Read(destination);
    if (!result)
        return OpenOutcome::Failed;
    newSet = true;
    set = std::move(copy);
    AdoptReadSet();
    controls.saveSet = false;
    return OpenOutcome::Opened;
}

SetResult EditorSession::SaveSymbolSet() {
    if (!setOpen)
        return SetResult::Success();
    if (SetResult r = SaveActiveImage(); !r)
        return r;
    return set.WriteSetFile();
}

SetResult EditorSession::SaveSetAs(const QString& typed) {
    if (!setOpen)
        return SetResult::Success();
    const QString path = SetPathForTypedName(typed);
    if (QFileInfo(path).absoluteFilePath().compare(QFileInfo(set.setPath).absoluteFilePath(),
                                                   Qt::CaseInsensitive) == 0)
        return SaveSymbolSet();
    if (SetResult r = SaveSetTo(set, set.setPath, path); !r)
        return r;
    // The pictures being edited stay as they are; only the set's name changes.
    controls.symbolMenus = controls.resetOrder = controls.optimise = true;
    controls.saveSetAs = controls.importRegion = true;
    newSet = false;
    controls.saveSet = true;
    if (symbolOpen())
        return SaveSymbolSet();
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
