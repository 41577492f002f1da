// The symbol being edited: opening, storing, zoom levels, the grid and transparency.
#include "ColourRules.h"
#include "EditorSession.h"
#include "GridGeometry.h"
#include "LevelDerivation.h"
#include "PixelLayer.h"

namespace {
const QRgb kWorkAreaGrey = 0xff808080;
const QRgb kPureBlack = 0xff000000;
} // namespace

QString EditorSession::symbolName() const {
    if (!setOpen || selection.symbol < 1 || selection.symbol > set.count(KindOf(selection.kind)))
        return {};
    return QString::fromLatin1(set.record(KindOf(selection.kind), selection.symbol).name);
}

SymbolSelection EditorSession::BeginEditSymbols(int kind) {
    const SymbolSelection before = selection;
    countsBeforeList_ = {set.count(SymbolKind::Terrain), set.count(SymbolKind::Unit)};
    if (kind != selection.kind) {
        selection.symbol = 0;
        selection.position = 0;
    }
    selection.kind = kind;
    return before;
}

SetResult EditorSession::FinishEditSymbols(bool ok, const SymbolSelection& before) {
    // A removal renumbers the later records of its kind; their histories would be misplaced.
    if (set.count(SymbolKind::Terrain) < countsBeforeList_[0])
        work.DropHistoriesOfKind(1);
    if (set.count(SymbolKind::Unit) < countsBeforeList_[1])
        work.DropHistoriesOfKind(2);
    if (!ok) {
        selection = before;
        return SetResult::Success();
    }
    return LoadCurrentSymbol();
}

SetResult EditorSession::LoadCurrentSymbol() {
    const SymbolKind kind = KindOf(selection.kind);
    if (selection.kind == 0 || selection.symbol < 1 || selection.symbol > set.count(kind)) {
        ZapWorkArea();
        return SetResult::Success();
    }
    LevelPictures loaded;
    bool isTransparent = false;
    if (SetResult r = LoadSymbol(set, kind, selection.symbol, loaded, isTransparent); !r) {
        ZapWorkArea();
        return r;
    }
    for (QImage& picture : loaded)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    levels = std::move(loaded);
    transparent = isTransparent;
    if (transparent)
        RepaintLevels(kPureBlack, transparentColour);
    // Fresh pictures: whatever was pending was saved or declined before the list opened.
    dirty_[0] = dirty_[1] = false;
    controls.saveImage = false;
    RememberStored();
    work.OpenHistoryOf(selection.kind, selection.symbol);
    zoomLevel = 1;
    SetImgSize();
    controls.next = true;
    return SetResult::Success();
}

SetResult EditorSession::SaveActiveImage() {
    if (!symbolOpen())
        return SetResult::Success();
    if (SetResult r = StoreOpenSymbol(); !r)
        return r;
    MarkSymbolStored();
    return SetResult::Success();
}

SetResult EditorSession::StoreOpenSymbol() {
    if (!symbolOpen())
        return SetResult::Success();
    Pic2Master();
    LevelPictures stored = levels;
    if (transparent) {
        for (QImage& picture : stored)
            SwitchColour(picture, transparentColour, kPureBlack);
    }
    return StoreSymbol(set, KindOf(selection.kind), selection.symbol, stored, transparent);
}

void EditorSession::MarkSymbolStored() {
    if (!symbolOpen())
        return;
    dirty_[selection.kind - 1] = false;
    controls.saveImage = false;
    RememberStored();
}

void EditorSession::RememberStored() {
    stored_ = levels;
    for (QImage& picture : stored_)
        picture = picture.copy();
    storedTransparent_ = transparent;
}

bool EditorSession::DiffersFromStored() const {
    if (!symbolOpen())
        return false;
    if (transparent != storedTransparent_)
        return true;
    for (int level = 1; level <= kLevelCount; ++level) {
        const QImage& now = level == zoomLevel ? work.picture : levels[level - 1];
        if (now != stored_[level - 1])
            return true;
    }
    return false;
}

void EditorSession::RecheckDirty() {
    if (selection.kind < 1 || selection.kind > 2)
        return;
    dirty_[selection.kind - 1] = DiffersFromStored();
    controls.saveImage = dirty_[selection.kind - 1];
    NoteEdit();
}

void EditorSession::ZapWorkArea() {
    selection.symbol = 0;
    zoomLevel = 0;
    work.picture.fill(kWorkAreaGrey);
    controls.zoomPlus = controls.zoomMinus = false;
    controls.saveImage = false;
    SetControls(false);
}

void EditorSession::ZmLvPlsClick() {
    if (zoomLevel < 1 || zoomLevel >= kLevelCount)
        return;
    tools.EndDrag(); // the stroke belongs to the level it began on
    Pic2Master();
    ++zoomLevel;
    SetImgSize();
}

void EditorSession::ZmLvMinClick() {
    if (zoomLevel <= 1)
        return;
    tools.EndDrag();
    Pic2Master();
    --zoomLevel;
    SetImgSize();
}

void EditorSession::SetImgSize() {
    const QImage& level = levels[zoomLevel - 1];
    work.picture = SymbolSet::NewPicture(level.size());
    cell = SetGrdMax(level.width(), level.height());
    overlay_ = SetCellGrid(level.size(), cell, gridLinesShown());
    controls.zoomPlus = zoomLevel < kLevelCount;
    controls.zoomMinus = zoomLevel > 1;
    if (set.opaque()) {
        controls.xImageChecked = false;
        controls.setXColour = false;
    } else {
        controls.xImageChecked = transparent;
        controls.setXColour = transparent;
    }
    Pic2Grid();
    // Each level keeps its own history across zoom changes.
    work.SelectLevel(zoomLevel);
    tools.clip = nullptr;
    if (selection.kind == 1 && set.realHex()) {
        const QImage shape = set.hexShapes[zoomLevel - 1];
        tools.clip = [shape](QImage& picture) { ClipToHexShape(picture, shape); };
    }
}

void EditorSession::Pic2Master() {
    if (zoomLevel >= 1)
        levels[zoomLevel - 1] = work.picture.copy();
}

void EditorSession::Pic2Grid() {
    if (zoomLevel < 1)
        return;
    work.picture = levels[zoomLevel - 1].copy();
    SetControls(true);
}

void EditorSession::DeriveOtherLevels() {
    if (!symbolOpen())
        return;
    tools.EndDrag();
    Pic2Master();
    const Transparency seen{transparent && !set.opaque(), transparentColour};
    const bool hexClip = selection.kind == 1 && set.realHex();
    for (int level = 1; level <= kLevelCount; ++level) {
        if (level == zoomLevel)
            continue;
        QImage& picture = levels[level - 1];
        const QImage derived = DeriveLevel(levels[zoomLevel - 1], picture.size(), seen,
                                           hexClip ? set.hexShapes[level - 1] : QImage());
        work.SaveFlagOfLevel(level, picture);
        picture = derived;
    }
}

void EditorSession::CellGridToggle() {
    gridOn = !gridOn;
    overlay_ = SetCellGrid(work.picture.size(), cell, gridLinesShown());
}

void EditorSession::SetCell(int screenPixels) {
    cell = std::clamp(screenPixels, 1, kMaxZoomCell);
    overlay_ = SetCellGrid(work.picture.size(), cell, gridLinesShown());
}

SetResult EditorSession::OpenNeighbourSymbol(int step) {
    if (!symbolOpen())
        return SetResult::Success();
    const std::vector<int>& order = set.order(KindOf(selection.kind));
    auto at = std::find(order.begin(), order.end(), selection.symbol);
    if (at == order.end())
        return SetResult::Success();
    const int position = int(at - order.begin()) + 1 + step;
    if (position < 1 || position > int(order.size()))
        return SetResult::Success();
    selection.position = position;
    selection.symbol = order[position - 1];
    return LoadCurrentSymbol();
}

QString EditorSession::zoomLabel() const {
    if (zoomLevel < 1)
        return QStringLiteral("Zoom Level: -");
    return QStringLiteral("Zoom Level: ") + QString::number(zoomLevel);
}

QImage EditorSession::RedrawGrid() {
    if (symbolOpen() && selection.kind == 1 && set.realHex())
        ClipToHexShape(work.picture, set.hexShapes[zoomLevel - 1]);
    if (overlay_.size() != work.picture.size() * cell)
        overlay_ = SetCellGrid(work.picture.size(), cell, gridLinesShown());
    return BlastGrid(work.picture, cell, overlay_, gridLinesShown());
}

void EditorSession::TransBoxClick(bool checked) {
    if (!symbolOpen())
        return;
    if (!checked) {
        transparent = false;
        controls.setXColour = false;
    } else {
        Pic2Master();
        const QRgb corner = levels[0].pixel(0, 0);
        RepaintLevels(corner, transparentColour);
        transparent = true;
        controls.setXColour = true;
        Pic2Grid();
    }
    controls.xImageChecked = transparent;
    work.SetSaveFlag();
}

SetResult EditorSession::SetTransparentColour(QRgb colour) {
    colour = DrawableColour(colour);
    const bool kept = WriteTransparentColour(programFolder, colour);
    const QRgb old = transparentColour;
    transparentColour = colour;
    if (symbolOpen() && transparent) {
        Pic2Master();
        RepaintLevels(old, colour);
        for (QImage& picture : stored_)
            SwitchColour(picture, old, colour);
        Pic2Grid();
        // Every kept picture holds the old colour.
        work.DropHistoriesOfKind(1);
        work.DropHistoriesOfKind(2);
        work.InitUndo();
    }
    if (!kept)
        return SetResult::Failure(QStringLiteral("Could not write the preferences file ") +
                                  PreferencesPath(programFolder) + QLatin1Char('.'));
    return SetResult::Success();
}

void EditorSession::RepaintLevels(QRgb from, QRgb to) {
    for (QImage& picture : levels)
        SwitchColour(picture, from, to);
}

void EditorSession::SetControls(bool on) {
    controls.tools = on;
    controls.drawHex = on && selection.kind == 1;
    controls.xImageEnabled = on && setOpen && !set.opaque();
}

void EditorSession::MarkDirty() {
    if (selection.kind >= 1 && selection.kind <= 2)
        dirty_[selection.kind - 1] = true;
    controls.saveImage = true;
    NoteEdit();
}
