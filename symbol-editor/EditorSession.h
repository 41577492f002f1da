#pragma once
// The symbol editor's state without its window: the open set, the symbol being edited with
// its three level pictures, the zoom level, transparency, the drawing tools and which
// commands are available. The main window shows this state and asks the user the questions
// the flows need.

#include "DrawingTools.h"
#include "EditorPicture.h"
#include "GridGeometry.h"
#include "RecoveryStore.h"

#include <SetLock.h>
#include <SymbolSet.h>
#include <SymbolStorage.h>

#include <optional>

// What the main window enables and shows.
struct ControlState {
    bool symbolMenus = false; // "Map/Board Symbols", "Game Pieces"
    bool resetOrder = false;
    bool optimise = false;
    bool importRegion = false;
    bool saveSet = false;   // "Save Symbol Set"
    bool saveSetAs = false; // "Save Symbol Set As..."
    bool next = false;
    bool saveImage = false; // the "Save" button
    bool tools = false;
    bool zoomPlus = false;
    bool zoomMinus = false;
    bool xImageEnabled = false;
    bool xImageChecked = false;
    bool setXColour = true; // enabled from start-up until a symbol is first opened
    bool drawHex = false;
    bool exportRegion = false;
};

// The symbol the list chose; it keeps the kind and position between visits.
struct SymbolSelection {
    int kind = 0;     // 1 terrain, 2 unit, 0 none
    int symbol = 0;   // record number, 0 none
    int position = 0; // list position, 0 none
};

struct SavePrompt {
    QString caption;
    QString question;
};

// Where "Save Symbol Set As..." would write, and what the window must ask or say first.
class SetWriteScope;

struct SaveAsPlan {
    QString path;          // the normalised ".set" path
    bool ownSet = false;   // the open set's own file: an ordinary save
    bool replaces = false; // another set of that name exists: ask before replacing it
    QString refusal;       // the name cannot be used, and why
};

// The answer to "the set is open in another window".
enum class LockAnswer { ReadOnly, OpenAnyway, Cancel };

inline SymbolKind KindOf(int kind) {
    return kind == 2 ? SymbolKind::Unit : SymbolKind::Terrain;
}

class EditorSession {
public:
    EditorSession();

    // Start-up ---------------------------------------------------------------------------
    // Reads the preferences in the program folder; primary colour visible black, secondary
    // the transparent colour.
    void SetUp(const QString& programFolder);
    QString programFolder;

    // The set ---------------------------------------------------------------------------
    SymbolSet set;
    bool setOpen = false;
    bool newSet = false;
    std::array<int, kLevelCount> hexSizes{3, 15, 28};
    int newLayout = 0; // layout and style the next "Create New Image Set" starts from
    bool newRealHex = true;

    QString windowCaption() const;
    QString battlesFolder() const;
    // Adopts set.setPath as the open set; with `read` loads it.
    SetResult InitSet(bool read);
    // The open flow after the file dialog and the save question. A name whose file does
    // not exist is ignored without a message; a file that is no set leaves the open set.
    // A set open in another window is opened as askLocked answers (Cancel: Cancelled).
    enum class OpenOutcome { Ignored, Failed, Opened, Cancelled };
    OpenOutcome OpenSet(const QString& typed, SetResult& result);
    static QString MissingSetMessage(const QString& path);

    // Asked when the set to open is locked by another window; without it: read-only.
    std::function<LockAnswer(const QString& question)> askLocked;
    // Asked before replacing set files another window or program changed since they were
    // read; without it such a write fails.
    std::function<bool(const QString& question)> confirmOverwrite;
    bool readOnly() const { return setOpen && set.readOnly; }
    // "Create a New Set": the set "new" in the program folder, with the hex sizes.
    SetResult CreateNewImageSet(int layout, bool realHex);
    // "Copy an Existing Set": copied to "new" in the program folder and opened.
    OpenOutcome CopyExistingSet(const QString& typed, SetResult& result);
    SetResult SaveSymbolSet();
    SaveAsPlan PlanSaveSetAs(const QString& typed) const;
    // Copies the set under `typed` (normalised) and adopts it; its own name just saves.
    // The copy and the open symbol are written as one.
    SetResult SaveSetAs(const QString& typed);
    SetResult ResetSymbolOrder();

    // Pending work ----------------------------------------------------------------------
    std::optional<SavePrompt> ShouldSavePrompt(int mode) const;
    // After "Yes" in set mode with the new-set flag the caller runs the save-as flow.
    bool YesMeansSaveAs(int mode) const { return mode == 1 && newSet; }

    // The symbol --------------------------------------------------------------------------
    SymbolSelection selection;
    bool symbolOpen() const { return selection.symbol > 0 && zoomLevel > 0; }
    bool dirty(int kind) const { return kind >= 1 && kind <= 2 && dirty_[kind - 1]; }
    QString symbolName() const;
    // Before the symbol list: what to restore on Cancel. Another kind starts unselected.
    SymbolSelection BeginEditSymbols(int kind);
    // After the symbol list: on OK open selection.symbol, otherwise restore `before`.
    SetResult FinishEditSymbols(bool ok, const SymbolSelection& before);
    SetResult LoadCurrentSymbol();
    SetResult SaveActiveImage();
    void ZapWorkArea();

    // Zoom and the grid -----------------------------------------------------------------
    int zoomLevel = 0; // 1..3, 0 none
    LevelPictures levels;
    EditorPicture work;
    int cell = 8;
    bool gridOn = true;
    // The canvas follows the window's size until the artist zooms it by hand.
    bool fitGrid = true;
    void SetCell(int screenPixels);
    bool gridLinesShown() const { return gridOn && cell >= kGridLinesFrom; }
    void ZmLvPlsClick();
    void ZmLvMinClick();
    void SetImgSize();
    void Pic2Master();
    void Pic2Grid();
    void CellGridToggle();
    // "Derive Other Levels": the two other levels made from the one being edited, each
    // one undo step of its own level.
    void DeriveOtherLevels();
    QString zoomLabel() const;
    // Page Up / Page Down: the symbol `step` places before or after the open one in the
    // list's order; the caller has asked about unsaved changes.
    SetResult OpenNeighbourSymbol(int step);
    // Redraws: clips a real-hex terrain picture to its hexagon and returns the grid image.
    QImage RedrawGrid();

    // Transparency ----------------------------------------------------------------------
    bool transparent = false;
    QRgb transparentColour;
    void TransBoxClick(bool checked);
    // "Set Transparent Color" accepted: writes the preferences, recolours a transparent
    // symbol and restarts the undo ring.
    // Takes the colour for this run and keeps it in the preferences file; a failure to
    // write the file is returned (the colour still applies).
    SetResult SetTransparentColour(QRgb colour);

    // Tools --------------------------------------------------------------------------------
    DrawingTools tools;
    void SetControls(bool on);
    ControlState controls;

    // Whether the pictures or the transparency differ from what the set holds.
    bool DiffersFromStored() const;

    // Crash recovery ------------------------------------------------------------------
    // A symbol is open and has changes the set does not hold.
    bool hasUnsavedSymbol() const;
    // Counts edits, so the window knows when the recovery copy is out of date.
    int editGeneration() const { return editGeneration_; }
    void NoteEdit() { ++editGeneration_; }
    RecoveryCopy MakeRecoveryCopy() const;
    // Opens the copy's set and symbol and puts the copy's pictures in place, unsaved.
    SetResult RestoreRecoveryCopy(const RecoveryCopy& copy);

private:
    // Takes `read`'s lock, asking when another window holds it; false when cancelled.
    bool TakeLockFor(SymbolSet& read);
    // Locks the program folder's "new" set for a new or copied set.
    SetResult LockNewSet();
    // The open symbol's pictures into the set (pending in the caller's write scope).
    SetResult StoreOpenSymbol();
    // The open symbol and the ".set" into `write`, which then commits.
    SetResult CommitSymbolAndSet(SetWriteScope& write);
    // After the set holds the symbol: clean flags, the stored pictures remembered.
    void MarkSymbolStored();
    SetLock lock_;
    std::array<int, 2> countsBeforeList_{}; // terrain and unit counts when the list opened
    void MarkDirty();
    // After undo or redo: dirty exactly when the pictures differ from the stored ones.
    void RecheckDirty();
    void RememberStored();
    // Takes `set` (just read) as the open set: menus, no symbol, clean flags.
    void AdoptReadSet();
    LevelPictures stored_; // the symbol as the set holds it (transparent colour shown)
    bool storedTransparent_ = false;
    int editGeneration_ = 0;
    QImage overlay_;
    void RepaintLevels(QRgb from, QRgb to);
    bool dirty_[2] = {false, false};
};
