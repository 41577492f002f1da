#pragma once
// The symbol list of one kind ("Map/Board Symbols" or "Game Pieces"): the rows in display
// order, the selected position, which buttons are available, and what each button does to
// the set. The questions it needs (a name, a unit size, the removal warning) are asked
// through SymbolListPrompts so the rules run without a window.

#include "EditorSession.h"
#include "NamePrompts.h"

#include <optional>

class SymbolListPrompts {
public:
    virtual ~SymbolListPrompts() = default;
    virtual bool AskName(NamePromptLogic& prompt) = 0;   // "Enter Symbol Name:"
    virtual bool AskUnitSize(UnitSizeLogic& dialog) = 0; // "Create New Unit Symbol"
    virtual bool ConfirmRemove() = 0;                    // the removal warning, OK = true
    virtual void ShowError(const QString& message) = 0;  // a failed set operation
};

struct ListButtons {
    bool edit = false, create = false, copy = false, rename = false, remove = false;
    bool up = false, down = false;
};

inline const QString kRemoveWarning = QStringLiteral(
    "Removeing a symbol will effect any battle files that use\rthe symbol set. If this symbol "
    "set is currently used by a\rbattle file, it is recommended that you cancel this "
    "operation.\r \rContinue Remove Symbol Operation?");

class SymbolListLogic {
public:
    // `selection` is the main window's: its kind names the list, its symbol is the one open
    // in the main window (0 when none of this kind) and its position is the list's.
    SymbolListLogic(SymbolSet& set, SymbolSelection& selection, QRgb transparentColour);

    QString caption() const;
    int count() const { return set_.count(kind_); }
    int position() const { return selection_.position; }
    std::vector<QString> FillGrid() const; // names in display order
    int GetImgDx(int position) const;      // record shown at a position, 0 for none
    ListButtons SymSelect() const;
    QString UpdateCounter() const;
    // The selected symbol's level-3 picture over its mask, stretched over `size`.
    QImage PreViewSym(QSize size) const;
    // Each row's level-3 picture over its mask, in `side` by `side` squares, in list order.
    std::vector<QImage> Thumbnails(int side) const;

    void FormActivate();
    void SymListClick(int row);
    void SymListDblClick(int row);
    void OpenSymClick();
    void NewSymClick(SymbolListPrompts& prompts);
    void CpySymClick(SymbolListPrompts& prompts);
    void RenSymClick(SymbolListPrompts& prompts);
    void DelSymClick(SymbolListPrompts& prompts);
    void SymUpClick();
    void SymDnClick();
    void CancelSymClick();
    // Writes the display order; returns the failure, if any.
    SetResult FormClose();

    // Set once the list is to close: true for OK (open selection.symbol), false for Cancel.
    std::optional<bool> closeResult;
    bool removedOpen() const { return removedOpen_; }
    // The open symbol's number, kept pointing at the same picture across removals.
    int openSymbol() const { return openSymbol_; }

private:
    // Record r's level-3 picture over its mask on the transparent colour.
    QImage ShownPicture(int r, const QImage& bitmap, const QImage& masks) const;
    void SetSymIndex(int action, int position);
    void CloseWith(bool ok) { closeResult = ok; }
    bool Report(const SetResult& result, SymbolListPrompts& prompts);

    SymbolSet& set_;
    SymbolSelection& selection_;
    SymbolKind kind_;
    QRgb transparentColour_;
    int openSymbol_;
    bool removedOpen_ = false;
};
