// The main window's commands: the set flows, the symbol list, zoom, transparency, the
// tools and the mouse on the grid.
#include "ColourRules.h"
#include "DialogPlacement.h"
#include "GridGeometry.h"
#include "GridViews.h"
#include "HelpWindow.h"
#include "NewSetLogic.h"
#include "SmallDialogs.h"
#include "SymbolDialogs.h"
#include "SymbolListLogic.h"
#include "TDefragSet.h"
#include "TForm1.h"

#include "AtomicWrite.h"
#include "TSymbols.h"

#include <BmpFile.h>
#include <FileNames.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

namespace {
const QString kSetFilter = QStringLiteral("Fieldmark Symbol Sets (*.set);;All Files (*)");
const QString kBmpFilter = QStringLiteral("BMP (*.bmp);;All Files (*)");

// An exported region replaces its file only when it was written whole.
SetResult SaveRegion(const QString& path, const QImage& region) {
    return WriteBitmapAtomically(path, region.convertToFormat(QImage::Format_RGB888));
}

// Region files: only the typed name is lower-cased; ".bmp" is added when it is missing.
QString RegionPathForTypedName(const QString& typed) {
    const QFileInfo info(typed);
    QString name = info.fileName().toLower();
    if (!name.contains(QLatin1String(".bmp")))
        name += QLatin1String(".bmp");
    return FindFileAnyCase(QDir(info.path()).filePath(name));
}

// Waits with the wait cursor while a command runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

// File --------------------------------------------------------------------------------------

int TForm1::ShouldSave(int mode) {
    const auto prompt = session_.ShouldSavePrompt(mode);
    if (!prompt)
        return 0;
    int answer = TGetUsr(this, prompt->caption, prompt->question);
    if (answer == 1) {
        // A save that did not happen (the file dialog cancelled, or the save failed) stops
        // the command that asked, as Cancel does: nothing is lost.
        const bool saved =
            session_.YesMeansSaveAs(mode) ? RunSaveSetAs() : Reported(session_.SaveActiveImage());
        if (!saved)
            answer = 3;
    }
    Refresh();
    return answer;
}

void TForm1::LoadClick() {
    const QString name =
        AskOpenFileName(this, "Select Set to Open", session_.battlesFolder(), kSetFilter);
    if (name.isEmpty() || ShouldSave(1) == 3)
        return;
    OpenSetFile(name, false);
}

void TForm1::OpenSetFile(const QString& path, bool reportMissing) {
    SetResult result;
    EditorSession::OpenOutcome outcome;
    {
        WaitCursor wait;
        outcome = session_.OpenSet(path, result);
    }
    Refresh();
    if (outcome == EditorSession::OpenOutcome::Ignored && reportMissing)
        ShowError(SetResult::Failure(
            EditorSession::MissingSetMessage(FindFileAnyCase(SetPathForTypedName(path)))));
    else if (outcome == EditorSession::OpenOutcome::Failed)
        ShowError(result);
    if (outcome != EditorSession::OpenOutcome::Opened)
        return;
    if (!session_.set.readNotice.isEmpty())
        statusBar()->showMessage(session_.set.readNotice);
    ChooseKindAndEdit();
}

void TForm1::ChooseKindAndEdit() {
    const int kind = TGetChoice(this);
    if (kind == 1 || kind == 2)
        EditSymbols(kind);
}

void TForm1::NewSetClick() {
    const int choice = TGetNewSet(this);
    if (choice < 1 || ShouldSave(1) == 3)
        return;
    if (choice == 1) {
        const int layout = session_.setOpen ? session_.set.layout() : session_.newLayout;
        const bool realHex = session_.setOpen ? session_.set.realHex() : session_.newRealHex;
        NewSetLogic logic(session_.hexSizes, layout, realHex);
        TNewImg dialog(this, logic);
        if (ExecAbove(dialog) != QDialog::Accepted)
            return;
        SetResult result;
        {
            WaitCursor wait;
            result = session_.CreateNewImageSet(logic.layout(), logic.realHex());
        }
        Refresh();
        ShowError(result);
        if (result)
            ChooseKindAndEdit();
        return;
    }
    const QString name =
        AskOpenFileName(this, "Select Set to Copy", session_.battlesFolder(), kSetFilter);
    if (name.isEmpty())
        return;
    SetResult result;
    EditorSession::OpenOutcome outcome;
    {
        WaitCursor wait;
        outcome = session_.CopyExistingSet(name, result);
    }
    Refresh();
    if (outcome == EditorSession::OpenOutcome::Failed)
        ShowError(result);
    else if (outcome == EditorSession::OpenOutcome::Opened)
        ChooseKindAndEdit();
}

void TForm1::SaveSymbolSet1Click() {
    if (!session_.setOpen || !session_.controls.saveSet)
        return;
    WaitCursor wait;
    ShowError(session_.SaveSymbolSet());
    Refresh();
}

void TForm1::SaveSymbolSetAs1Click() {
    if (session_.setOpen)
        RunSaveSetAs();
}

bool TForm1::RunSaveSetAs() {
    const QString name =
        AskSaveFileName(this, "Save Symbol Set As...", session_.battlesFolder(), kSetFilter, "set");
    if (name.isEmpty())
        return false;
    const SaveAsPlan plan = session_.PlanSaveSetAs(name);
    if (!plan.refusal.isEmpty())
        return Reported(SetResult::Failure(plan.refusal));
    if (plan.replaces && !AskReplace(this, "Save Symbol Set As...", plan.path))
        return false;
    SetResult result;
    {
        WaitCursor wait;
        result = session_.SaveSetAs(name);
    }
    Refresh();
    return Reported(result);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (ShouldSave(1) == 3) {
        event->ignore();
        return;
    }
    // A normal end: nothing is left to recover.
    recoveryTimer_.stop();
    recovery_.Remove();
    event->accept();
}

// Symbols ------------------------------------------------------------------------------

void TForm1::EditSymbols(int kind) {
    if (!session_.setOpen)
        return;
    if (session_.symbolOpen() && session_.dirty(session_.selection.kind) && ShouldSave(2) == 3)
        return;
    SymbolSelection before = session_.BeginEditSymbols(kind);
    SymbolListLogic logic(session_.set, session_.selection, session_.transparentColour);
    TSymbols list(this, logic);
    const bool ok = ExecAbove(list) == QDialog::Accepted;
    // Removals in the list renumber the open symbol; keep it on the same picture.
    if (before.kind == kind)
        before.symbol = logic.openSymbol();
    {
        WaitCursor wait;
        ShowError(session_.FinishEditSymbols(ok, before));
    }
    Refresh();
}

void TForm1::NxtSymClick() {
    ChooseKindAndEdit();
}

void TForm1::SaveImgClick() {
    WaitCursor wait;
    ShowError(session_.SaveActiveImage());
    Refresh();
}

void TForm1::ZmLvPlsClick() {
    session_.ZmLvPlsClick();
    Refresh();
}

void TForm1::ZmLvMinClick() {
    session_.ZmLvMinClick();
    Refresh();
}

// Preferences ---------------------------------------------------------------------------

void TForm1::CellGridToggle() {
    session_.CellGridToggle();
    gridToggle_->setText(session_.gridOn ? "Turn Grid Off" : "Turn Grid On");
    Refresh();
}

void TForm1::AdjABSetClick() {
    TAirBrshSet dialog(this, session_.tools.airBrush);
    if (ExecAbove(dialog) == QDialog::Accepted)
        session_.tools.airBrush = dialog.values();
}

void TForm1::SetXColorClick() {
    TGetColor dialog(this, session_.transparentColour);
    if (ExecAbove(dialog) != QDialog::Accepted)
        return;
    ShowError(session_.SetTransparentColour(dialog.colour()));
    Refresh();
}

void TForm1::ResetOrderClick() {
    ShowError(session_.ResetSymbolOrder());
}

void TForm1::OptimiseClick() {
    if (!session_.setOpen)
        return;
    TDefragSet dialog(this, session_.set);
    ExecAbove(dialog);
    Refresh();
}

void TForm1::TransBoxClick(bool checked) {
    session_.TransBoxClick(checked);
    Refresh();
}

// Tools ---------------------------------------------------------------------------------

void TForm1::SetDrawMode(int code) {
    session_.tools.SetDrawMode(code);
    Refresh();
}

void TForm1::OneShot(const std::function<void()>& command) {
    if (!session_.symbolOpen() || !session_.controls.tools)
        return;
    WaitCursor wait;
    command();
    Refresh();
}

void TForm1::SetTxtMdeClick() {
    if (!session_.symbolOpen())
        return;
    SymbolTextLogic logic(session_.work.picture, textFont_);
    TImgTxt dialog(this, logic);
    if (ExecAbove(dialog) != QDialog::Accepted)
        return;
    session_.tools.ApplyText(logic.result());
    Refresh();
}

void TForm1::LoadBrushClick() {
    if (!session_.setOpen)
        return;
    const QString name =
        AskOpenFileName(this, "Open Image Region", session_.programFolder, kBmpFilter);
    if (name.isEmpty())
        return;
    const QString path = RegionPathForTypedName(name);
    if (!QFileInfo::exists(path))
        return;
    QImage region;
    QString reason;
    if (!ReadBmpFile(path, region, reason)) {
        ShowMessage(this, QMessageBox::Critical, "Error", reason);
        return;
    }
    session_.tools.SetRegion(region);
    if (session_.symbolOpen())
        session_.tools.SetDrawMode(ModePasteRegion);
    Refresh();
}

void TForm1::SaveBrushClick() {
    if (session_.tools.region().isNull())
        return;
    const QString name =
        AskSaveFileName(this, "Save Image Region", session_.programFolder, kBmpFilter, "bmp");
    if (name.isEmpty())
        return;
    const QString path = RegionPathForTypedName(name);
    if (QFileInfo::exists(path) && !AskReplace(this, "Save Image Region", path))
        return;
    ShowError(SaveRegion(path, session_.tools.region()));
}

void TForm1::SpeedButton1Click() {
    const QColor colour = AskColour(this, QColor::fromRgb(session_.tools.primary()), "Custom");
    if (colour.isValid())
        session_.tools.SetPrimary(colour.rgb());
    Refresh();
}

void TForm1::ShowColourIndex(QRgb colour) {
    colourIndex_->setText(ColourIndexText(PaletteIndexOf(palette_, colour)));
}

void TForm1::ConnectMouse() {
    connect(grid_, &PixelGridView::Pressed, this, [this](Qt::MouseButton button, QPoint p) {
        if (!session_.symbolOpen() || !session_.controls.tools)
            return;
        session_.tools.DrwGrdMouseDown(button, GridPixel(p, session_.cell));
        Refresh();
    });
    connect(grid_, &PixelGridView::Moved, this, [this](QPoint p) {
        const QPoint pixel = GridPixel(p, session_.cell);
        if (session_.work.picture.valid(pixel))
            gridCell_->setText("Grid Cell:" + GridCellText(pixel));
        if (session_.tools.dragging()) {
            session_.tools.DrwGrdMouseMove(pixel);
            BlastGrid();
        }
    });
    connect(grid_, &PixelGridView::Released, this, [this](QPoint p) {
        if (!session_.tools.dragging())
            return;
        session_.tools.DrwGrdMouseUp(GridPixel(p, session_.cell));
        session_.NoteEdit(); // the stroke went on after its press
        Refresh();
    });
    connect(grid_, &PixelGridView::ZoomWheel, this, [this](int steps) {
        if (steps > 0)
            ZmLvPlsClick();
        else
            ZmLvMinClick();
    });
    connect(colourGrid_, &ColourGridView::CellPressed, this,
            [this](Qt::MouseButton button, int column, int row) {
                if (palette_.valid(column, row))
                    session_.tools.SetColourFromButton(button, palette_.pixel(column, row));
                Refresh();
            });
    connect(colourGrid_, &ColourGridView::CellHovered, this, [this](int column, int row) {
        colourIndex_->setText(ColourIndexText(GridCellIndex(column, row)));
    });
    connect(primaryBox_, &ColourBox::Pressed, this, [this](Qt::MouseButton button) {
        session_.tools.PCBoxMouseDown(button);
        Refresh();
    });
    connect(secondaryBox_, &ColourBox::Pressed, this, [this](Qt::MouseButton button) {
        session_.tools.SCBoxMouseDown(button);
        Refresh();
    });
    connect(transparentSwatch_, &ColourBox::Pressed, this, [this](Qt::MouseButton button) {
        session_.tools.SetColourFromButton(button, session_.transparentColour);
        Refresh();
    });
    connect(primaryBox_, &ColourBox::Hovered, this,
            [this] { ShowColourIndex(session_.tools.primary()); });
    connect(secondaryBox_, &ColourBox::Hovered, this,
            [this] { ShowColourIndex(session_.tools.secondary()); });
    connect(transparentSwatch_, &ColourBox::Hovered, this,
            [this] { ShowColourIndex(session_.transparentColour); });
}

// Help ----------------------------------------------------------------------------------

void TForm1::ShowHelp(bool keywordSearch) {
    static HelpWindow* window = nullptr;
    if (!window)
        window = new HelpWindow(this, session_.programFolder);
    window->ShowContents(keywordSearch);
}

void TForm1::AboutClick() {
    QMessageBox about(this);
    about.setWindowTitle("About Field Mark Symbol Editor");
    about.setText("Fieldmark Symbol Editor\n\nCreates and edits the terrain and unit symbol sets "
                  "the battle editor draws with.");
    if (!logo_.isNull())
        about.setIconPixmap(QPixmap::fromImage(logo_.scaled(96, 96, Qt::KeepAspectRatio)));
    ExecAbove(about);
}
