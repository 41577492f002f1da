// The main window's layout, menus, start-up and the display of the session's state.
#include "TForm1.h"

#include "ColourRules.h"
#include "DialogPlacement.h"
#include "GridViews.h"
#include "SmallDialogs.h"

#include <FileNames.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Short faces for the tool buttons; the hint carries the tool's name.
struct ToolFace {
    int code;
    const char* face;
};
const ToolFace kModeFaces[] = {
    {ModeDraw, "Draw"},         {ModeLine, "Line"},       {ModeRectangle, "Rect"},
    {ModeEllipse, "Ellipse"},   {ModeRegionFill, "Fill"}, {ModeGrabColour, "Grab"},
    {ModeSwitchColour, "Swap"}, {ModeAirBrush, "Air"},    {ModeSelectRegion, "Select"},
    {ModePasteRegion, "Paste"},
};

QImage LoadPicture(const QString& folder, const QString& relative, QStringList& missing) {
    const QString path = FindFileAnyCase(QDir(folder).filePath(relative));
    QImage image(path);
    if (image.isNull())
        missing << path;
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildPicturePanel(), 0, Qt::AlignTop);
    layout->addWidget(BuildToolPanel(), 0, Qt::AlignTop);
    layout->addWidget(BuildGridPanel(), 1);
    setCentralWidget(central);
    BuildMenus();
    ConnectMouse();
    resize(1280, 960);
    readOnlyLabel_ = new QLabel("Viewing only: save under another name to keep changes");
    statusBar()->addPermanentWidget(readOnlyLabel_);
    readOnlyLabel_->hide();
    session_.askLocked = [this](const QString& question) {
        ButtonChoiceDialog ask(this, "Symbol Set In Use", QString(question).replace('\r', '\n'),
                               {{"View Only", 1}, {"Open Anyway", 2}, {"Cancel", 3}}, 3);
        ask.setObjectName("SetInUse");
        const int answer = ask.Ask();
        return answer == 1   ? LockAnswer::ReadOnly
               : answer == 2 ? LockAnswer::OpenAnyway
                             : LockAnswer::Cancel;
    };
    session_.confirmOverwrite = [this](const QString& question) {
        ButtonChoiceDialog ask(this, "Symbol Set Changed On Disk",
                               QString(question).replace('\r', '\n'),
                               {{"Replace", 1}, {"Cancel", 2}}, 2);
        return ask.Ask() == 1;
    };
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &TForm1::WriteRecoveryCopy);
}

void TForm1::SetUpApplication() {
    // Only the application name: a display name would be appended to every caption.
    QApplication::setApplicationName("Fieldmark Symbol Editor");
}

void TForm1::SetUp(const QString& programFolder) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screenDepth_ = screen->depth();
    session_.SetUp(programFolder);
    terrainMenu_->setEnabled(false);
    unitMenu_->setEnabled(false);
    resetOrder_->setEnabled(false);
    optimise_->setEnabled(false);
    QStringList missing;
    palette_ = LoadPicture(programFolder, "bmps/ketpal.bmp", missing);
    logo_ = LoadPicture(programFolder, "bmps/fmsym.bmp", missing);
    colourGrid_->SetPalette(palette_);
    if (!missing.isEmpty())
        ShowMessage(this, QMessageBox::Critical, "Error",
                    "Could not load the picture(s):\n" + missing.join('\n') +
                        "\nThe colour grid and the logo stay grey.");
    transparentSwatch_->SetColour(session_.transparentColour);
    Refresh();
}

void TForm1::FormShow() {
    if (screenDepth_ < 16)
        ShowMessage(
            this, QMessageBox::Warning, "Warning",
            "Varnholm was designed to run in Windows High Color (16 bit) mode or greater.\n"
            "Varnholm has determined that your Windows Color Palette Display Setting\n"
            "is currently lower than 16 bit. Please enter your Contol Panel, select Display,\n"
            "then settings, and increase your Color Palette Setting to High Color (16 bit).");
}

void TForm1::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->addAction("Open Symbol Set", QKeySequence::Open, this, &TForm1::LoadClick);
    file->addAction("Create New Set", this, &TForm1::NewSetClick);
    saveSet_ =
        file->addAction("Save Symbol Set", QKeySequence::Save, this, &TForm1::SaveSymbolSet1Click);
    saveSetAs_ = file->addAction("Save Symbol Set As...", this, &TForm1::SaveSymbolSetAs1Click);
    file->addSeparator();
    file->addAction("Exit", QKeySequence::Quit, this, &QWidget::close);

    QMenu* symbols = menuBar()->addMenu("Symbols");
    terrainMenu_ = symbols->addAction("Map/Board Symbols", this, [this] { EditSymbols(1); });
    unitMenu_ = symbols->addAction("Game Pieces", this, [this] { EditSymbols(2); });
    symbols->addSeparator();
    previousSymbol_ = symbols->addAction("Previous Symbol", QKeySequence(Qt::Key_PageUp), this,
                                         [this] { StepSymbol(-1); });
    nextSymbol_ = symbols->addAction("Next Symbol", QKeySequence(Qt::Key_PageDown), this,
                                     [this] { StepSymbol(+1); });

    QMenu* edit = menuBar()->addMenu("Edit");
    undoAction_ = edit->addAction("Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), this,
                                  [this] { OneShot([this] { session_.tools.UndoWrkClick(); }); });
    redoAction_ =
        edit->addAction("Redo", this, [this] { OneShot([this] { session_.tools.RedoClick(); }); });
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    flipLeftRight_ = edit->addAction("Filp Image Left to Right", this, [this] {
        OneShot([this] { session_.tools.HorizFlipClick(); });
    });
    flipTopBottom_ = edit->addAction("Flip Image Top to Bottom", this, [this] {
        OneShot([this] { session_.tools.VertFlipClick(); });
    });

    deriveLevels_ = edit->addAction("Derive Other Levels", QKeySequence(Qt::CTRL | Qt::Key_D), this,
                                    [this] { OneShot([this] { session_.DeriveOtherLevels(); }); });

    QMenu* regions = menuBar()->addMenu("Image Regions");
    importRegion_ = regions->addAction("Import Image Region", this, &TForm1::LoadBrushClick);
    exportRegion_ = regions->addAction("Export Image Region", this, &TForm1::SaveBrushClick);

    QMenu* preferences = menuBar()->addMenu("Preferences");
    gridToggle_ = preferences->addAction("Turn Grid Off", this, &TForm1::CellGridToggle);
    preferences->addAction("AirBrush Settings", this, &TForm1::AdjABSetClick);
    setXColour_ = preferences->addAction("Set Transparent Color", this, &TForm1::SetXColorClick);
    resetOrder_ = preferences->addAction("Reset Symbol Order", this, &TForm1::ResetOrderClick);
    optimise_ = preferences->addAction("Optimize Symbol Set", this, &TForm1::OptimiseClick);
    preferences->addSeparator();
    preferences->addAction("Fit Grid to Window", QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] {
        session_.fitGrid = true;
        Refresh();
    });

    QMenu* help = menuBar()->addMenu("Help");
    help->addAction("Contents", this, [this] { ShowHelp(false); });
    help->addAction("Keyword Search", this, [this] { ShowHelp(true); });
    help->addAction("About Field Mark Symbol Editor", this, &TForm1::AboutClick);
}

QWidget* TForm1::BuildPicturePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    symbolName_ = new QLabel;
    symbolName_->setAlignment(Qt::AlignCenter);
    symbolName_->setMinimumWidth(130);
    layout->addWidget(symbolName_);
    auto* box = new QGroupBox("Actual Image Size");
    auto* boxLayout = new QVBoxLayout(box);
    actualImage_ = new QLabel;
    actualImage_->setFixedSize(124, 124);
    actualImage_->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(actualImage_);
    layout->addWidget(box);
    zoomPlus_ = new QPushButton("Zoom +");
    zoomMinus_ = new QPushButton("Zoom -");
    saveImage_ = new QPushButton("Save");
    next_ = new QPushButton("Next");
    for (QPushButton* b : {zoomPlus_, zoomMinus_, saveImage_, next_})
        layout->addWidget(b);
    connect(zoomPlus_, &QPushButton::clicked, this, &TForm1::ZmLvPlsClick);
    connect(zoomMinus_, &QPushButton::clicked, this, &TForm1::ZmLvMinClick);
    connect(saveImage_, &QPushButton::clicked, this, &TForm1::SaveImgClick);
    connect(next_, &QPushButton::clicked, this, &TForm1::NxtSymClick);
    layout->addStretch();
    return panel;
}

QWidget* TForm1::BuildToolPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    auto* tools = new QGridLayout;
    int slot = 0;
    const auto place = [&](QToolButton* b) {
        b->setFixedSize(58, 26);
        tools->addWidget(b, slot / 3, slot % 3);
        ++slot;
    };
    for (const ToolFace& face : kModeFaces) {
        auto* b = new QToolButton;
        b->setText(face.face);
        const ModeInfo& info = ModeInfoFor(face.code);
        b->setToolTip(ToolHint(info.button, info.key));
        b->setShortcut(QKeySequence(QString::fromLatin1(info.key)));
        b->setCheckable(true);
        b->setProperty("mode", face.code);
        const int code = face.code;
        connect(b, &QToolButton::clicked, this, [this, code] { SetDrawMode(code); });
        place(b);
        modeButtons_.push_back(b);
        if (code == ModePasteRegion)
            pasteButton_ = b;
        else
            toolWidgets_.push_back(b);
    }
    const auto oneShot = [&](const QString& face, const char* hint, const char* key,
                             bool ownShortcut, auto handler) {
        auto* b = new QToolButton;
        b->setText(face);
        b->setToolTip(ToolHint(hint, key));
        // Undo and Redo have their keys on the Edit menu; a second owner would make the
        // keys ambiguous.
        if (ownShortcut)
            b->setShortcut(QKeySequence(QString::fromLatin1(key)));
        connect(b, &QToolButton::clicked, this, handler);
        place(b);
        return b;
    };
    toolWidgets_.push_back(oneShot("Undo", "Undo Last Action", "Ctrl+Z", false,
                                   [this] { OneShot([this] { session_.tools.UndoWrkClick(); }); }));
    toolWidgets_.push_back(oneShot("Redo", "Redo Last Undone Action", "Ctrl+Y", false,
                                   [this] { OneShot([this] { session_.tools.RedoClick(); }); }));
    toolWidgets_.push_back(oneShot("CLR", "Clear to Secondary Color", "C", true,
                                   [this] { OneShot([this] { session_.tools.ClrClick(); }); }));
    toolWidgets_.push_back(
        oneShot("Text", "Add Text To Symbol", "T", true, [this] { SetTxtMdeClick(); }));
    drawHexButton_ = oneShot("Hex", "Draw Terrain Hex Side Lines", "H", true, [this] {
        OneShot(
            [this] { session_.tools.DrwHexClick(session_.set.layout(), session_.set.realHex()); });
    });
    layout->addLayout(tools);

    colourGrid_ = new ColourGridView;
    layout->addWidget(colourGrid_);
    auto* custom = new QPushButton("Custom");
    custom->setToolTip("Create Custom Colors");
    connect(custom, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    layout->addWidget(custom);

    auto* colours = new QGridLayout;
    primaryBox_ = new ColourBox;
    secondaryBox_ = new ColourBox;
    transparentSwatch_ = new ColourBox;
    transparentSwatch_->setToolTip("Transparent Color");
    colours->addWidget(new QLabel("Primary Color"), 0, 0);
    colours->addWidget(primaryBox_, 0, 1);
    colours->addWidget(new QLabel("Secondary Color"), 1, 0);
    colours->addWidget(secondaryBox_, 1, 1);
    xImage_ = new QCheckBox("X-Image");
    colours->addWidget(xImage_, 2, 0);
    colours->addWidget(transparentSwatch_, 2, 1);
    colours->addWidget(new QLabel("Color Index"), 3, 0);
    colourIndex_ = new QLabel("---");
    colourIndex_->setFrameShape(QFrame::Panel);
    colourIndex_->setFrameShadow(QFrame::Sunken);
    colours->addWidget(colourIndex_, 3, 1);
    layout->addLayout(colours);
    layout->addStretch();
    connect(xImage_, &QCheckBox::clicked, this, &TForm1::TransBoxClick);
    return panel;
}

void TForm1::Refresh() {
    const ControlState& c = session_.controls;
    setWindowTitle(session_.windowCaption());
    saveSet_->setEnabled(c.saveSet);
    saveSetAs_->setEnabled(c.saveSetAs);
    terrainMenu_->setEnabled(c.symbolMenus);
    unitMenu_->setEnabled(c.symbolMenus);
    resetOrder_->setEnabled(c.resetOrder);
    optimise_->setEnabled(c.optimise);
    importRegion_->setEnabled(c.importRegion);
    exportRegion_->setEnabled(!session_.tools.region().isNull());
    setXColour_->setEnabled(c.setXColour);
    flipLeftRight_->setEnabled(c.tools);
    flipTopBottom_->setEnabled(c.tools);
    deriveLevels_->setEnabled(c.tools);
    previousSymbol_->setEnabled(session_.symbolOpen());
    nextSymbol_->setEnabled(session_.symbolOpen());
    undoAction_->setEnabled(c.tools && session_.work.undo().canUndo());
    redoAction_->setEnabled(c.tools && session_.work.undo().canRedo());
    next_->setEnabled(c.next);
    saveImage_->setEnabled(c.saveImage && !session_.readOnly());
    readOnlyLabel_->setVisible(session_.readOnly());
    zoomPlus_->setEnabled(c.zoomPlus);
    zoomMinus_->setEnabled(c.zoomMinus);
    for (QWidget* w : toolWidgets_)
        w->setEnabled(c.tools);
    pasteButton_->setEnabled(c.tools && session_.tools.regionAvailable());
    drawHexButton_->setEnabled(c.drawHex);
    for (QToolButton* b : modeButtons_)
        b->setChecked(b->property("mode").toInt() == session_.tools.mode());
    {
        const QSignalBlocker quiet(xImage_);
        xImage_->setEnabled(c.xImageEnabled);
        xImage_->setChecked(c.xImageChecked);
    }
    primaryBox_->SetColour(session_.tools.primary());
    secondaryBox_->SetColour(session_.tools.secondary());
    transparentSwatch_->SetColour(session_.transparentColour);
    symbolName_->setText(session_.symbolOpen() ? session_.symbolName() : QString());
    zoomLevel_->setText(session_.zoomLabel());
    modeLabel_->setText("Mode:" + session_.tools.modeLabel());
    grid_->setCursor(ModeInfoFor(session_.tools.mode()).cursor);
    if (session_.fitGrid)
        FitGridToWindow();
    BlastGrid();
    UpdateRecovery();
}

QString TForm1::statusText() const {
    return statusBar()->currentMessage();
}

void TForm1::BlastGrid() {
    if (!session_.setOpen && !logo_.isNull()) {
        actualImage_->setPixmap(QPixmap::fromImage(
            logo_.scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        actualImage_->setPixmap(QPixmap::fromImage(session_.work.picture));
    }
    grid_->SetImage(session_.RedrawGrid());
    // The hex clip may have changed the picture itself.
    if (session_.setOpen)
        actualImage_->setPixmap(QPixmap::fromImage(session_.work.picture));
}

void TForm1::ShowError(const SetResult& result) {
    if (!result)
        ShowMessage(this, QMessageBox::Critical, "Error",
                    QString(result.message).replace('\r', '\n'));
}

bool TForm1::Reported(const SetResult& result) {
    ShowError(result);
    return result.ok;
}
