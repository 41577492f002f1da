#pragma once
// The symbol editor's main window. It owns the EditorSession, shows its state, wires the
// mouse to the drawing tools and runs the flows that need dialogs.

#include "EditorSession.h"
#include "RecoveryStore.h"
#include "SymbolTextLogic.h"

#include <QMainWindow>
#include <QTimer>

class ColourBox;
class ColourGridView;
class PixelGridView;
class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The application's names; the window captions are exactly the editor's own.
    static void SetUpApplication();

    void SetUp(const QString& programFolder);
    void FormShow();
    EditorSession& session() { return session_; }
    // Shows the session's state after it was changed directly (start-up, tests).
    void ShowSession() { Refresh(); }

    // Crash recovery: takes this run's place in the recovery folder and offers what a run
    // that ended without closing left behind. The store's folder can be given for tests.
    void OfferRecovery();
    // FormShow and OfferRecovery once the window manager has placed the window, so that
    // their questions open over it.
    void StartUpQuestions();
    RecoveryStore& recovery() { return recovery_; }
    // The status line's current message (notices that need no answer).
    QString statusText() const;
    static constexpr int kRecoveryDelayMs = 3000;

    // File ---------------------------------------------------------------------------------
    void LoadClick();
    // Opens the set at `path` as "Open" does once a file is chosen; a path naming no file
    // is reported when `reportMissing` (a name from the command line).
    void OpenSetFile(const QString& path, bool reportMissing);
    // The set named on the command line, opened after the start-up questions.
    QString openAtStart;
    void NewSetClick();
    void SaveSymbolSet1Click();
    void SaveSymbolSetAs1Click();
    int ShouldSave(int mode);
    // Symbols ------------------------------------------------------------------------------
    void EditSymbols(int kind);
    void NxtSymClick();
    void SaveImgClick();
    void ZmLvPlsClick();
    void ZmLvMinClick();
    // Preferences -----------------------------------------------------------------------
    void CellGridToggle();
    void AdjABSetClick();
    void SetXColorClick();
    void ResetOrderClick();
    void OptimiseClick();
    void TransBoxClick(bool checked);
    // Tools ------------------------------------------------------------------------------
    void SetDrawMode(int code);
    void SetTxtMdeClick();
    void LoadBrushClick();
    void SaveBrushClick();
    void SpeedButton1Click();
    // Help ---------------------------------------------------------------------------------
    void ShowHelp(bool keywordSearch);
    void AboutClick();

    // Page Up / Page Down: the previous or next symbol of the list's order.
    void StepSymbol(int step);
    // The canvas: the cell size that fits the grid's area; the wheel zooming at a point.
    void FitGridToWindow();
    void ZoomCanvasAt(int steps, QPoint at);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildToolPanel();
    QWidget* BuildPicturePanel();
    QWidget* BuildGridPanel();
    void ConnectMouse();
    // Shows the session's state: enabling, captions, colours and both pictures.
    void Refresh();
    void BlastGrid();
    void ShowError(const SetResult& result);
    void ChooseKindAndEdit();
    // False when the dialog was cancelled or the save failed.
    bool RunSaveSetAs();
    // Shows a failure; returns whether `result` succeeded.
    bool Reported(const SetResult& result);
    void UpdateRecovery();
    void WriteRecoveryCopy();
    // The recovery folder cannot be written: said once, in the status line.
    void NoteRecoveryOff();
    bool recoveryOffNoted_ = false;
    void OneShot(const std::function<void()>& command);
    void ShowColourIndex(QRgb colour);

    EditorSession session_;
    TextFont textFont_;
    QImage palette_;
    QImage logo_;
    int screenDepth_ = 24;
    RecoveryStore recovery_;
    QTimer recoveryTimer_;
    int recoveryGeneration_ = -1; // the edit the timer was started for
    int startUpWaits_ = 0;        // for the window manager to place the window

    // Menu items the state enables.
    QAction* saveSet_ = nullptr;
    QAction* saveSetAs_ = nullptr;
    QAction* terrainMenu_ = nullptr;
    QAction* unitMenu_ = nullptr;
    QAction* resetOrder_ = nullptr;
    QAction* optimise_ = nullptr;
    QAction* importRegion_ = nullptr;
    QAction* exportRegion_ = nullptr;
    QAction* gridToggle_ = nullptr;
    QAction* setXColour_ = nullptr;
    QAction* flipLeftRight_ = nullptr;
    QAction* flipTopBottom_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* deriveLevels_ = nullptr;
    QAction* previousSymbol_ = nullptr;
    QAction* nextSymbol_ = nullptr;
    QAction* redoAction_ = nullptr;

    // Picture panel.
    QLabel* symbolName_ = nullptr;
    QLabel* actualImage_ = nullptr;
    QPushButton* zoomPlus_ = nullptr;
    QPushButton* zoomMinus_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* next_ = nullptr;

    // Tools and colours.
    std::vector<QToolButton*> modeButtons_;
    std::vector<QWidget*> toolWidgets_; // enabled with the tools
    QToolButton* pasteButton_ = nullptr;
    QToolButton* drawHexButton_ = nullptr;
    ColourGridView* colourGrid_ = nullptr;
    ColourBox* primaryBox_ = nullptr;
    ColourBox* secondaryBox_ = nullptr;
    ColourBox* transparentSwatch_ = nullptr;
    QCheckBox* xImage_ = nullptr;
    QLabel* colourIndex_ = nullptr;

    // Grid and status.
    PixelGridView* grid_ = nullptr;
    QScrollArea* gridScroll_ = nullptr;
    QLabel* gridCell_ = nullptr;
    QLabel* zoomLevel_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QLabel* readOnlyLabel_ = nullptr;
};
