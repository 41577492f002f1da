#include "TMainForm.h"

#include "AboveToolWindows.h"
#include "BattleList.h"
#include "BattlePreferences.h"
#include "BattleRecovery.h"
#include "CheckDock.h"
#include "ChooseFile.h"
#include "Cursors.h"
#include "HelpWindow.h"
#include "Latin1Guards.h"
#include "MapEditTools.h"
#include "MapPictureExport.h"
#include "MapWidget.h"
#include "ProgramFolder.h"
#include "TAboutMBld.h"
#include "TAddBase.h"
#include "TAddLocation.h"
#include "TAddUnit.h"
#include "TAddVHex.h"
#include "TDefStats.h"
#include "TFactionOB.h"
#include "TMapInfo.h"
#include "TModifyBattle.h"
#include "TNewMap.h"
#include "TOrvMsgBox.h"
#include "TRForceRoster.h"
#include "TSelectColor.h"
#include "TSelectHxMrk.h"
#include "TSelectTer.h"
#include "TStats.h"
#include "TVicHexes.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kScrollBarThickness = 12;
constexpr int kPanelHeight = 96;
constexpr int kMinWidth = 420;
constexpr int kMinHeight = 275;
constexpr int kRefusalMilliseconds = 4000;

const QString kProgramCaption = QStringLiteral("Field Mark Varnholm");

// The central widget lays its children out by hand, as the map needs exact sizes.
class ClientArea : public QWidget {
public:
    explicit ClientArea(std::function<void()> onResize) : onResize_(std::move(onResize)) {}

protected:
    void resizeEvent(QResizeEvent*) override { onResize_(); }

private:
    std::function<void()> onResize_;
};

QImage LoadPicture(const QString& folder, const QString& name) {
    return QImage(FindEntry(folder, name)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TMainForm::TMainForm(const QString& programFolder, MessageSink warnings, QWidget* parent)
    : QMainWindow(parent), programFolder_(programFolder), sounds_(programFolder),
      context_{document_, document_.symbols(), definitions_, sounds_, programFolder, {}, {}, {}},
      renderer_(document_.battle(), document_.symbols(), prefs,
                [this](int zoomLevel, int originHex) { document_.SetView(zoomLevel, originHex); }),
      commands_(context_) {
    setObjectName(QStringLiteral("MainForm"));
    connect(&setWatcher_, &SetWatcher::Changed, this, &TMainForm::OfferSetReload);
    setWindowTitle(kProgramCaption);
    setMinimumSize(kMinWidth, kMinHeight);
    if (warnings)
        context_.messages = std::move(warnings);
    else
        context_.messages = [this](const QString& caption, const QString& text) {
            ShowWarning(caption, text);
        };
    // The dialogs live as long as the window and are refilled at each showing.
    msgBox_ = std::make_unique<TOrvMsgBox>(sounds_, this);
    askMessage = msgBox_->Shower();
    context_.showRefusal = [this](const QString& reason) { ShowRefusal(reason); };
    commands_.askMessage = [this](int number, int mode) {
        return AskWithoutWaitCursor(number, mode);
    };
    commands_.redrawBeforeQuestion = [this] {
        mapWin_->setCursor(HandCursor());
        RedrawAll();
    };
    newMap_ = std::make_unique<TNewMap>(context_, msgBox_->Shower(), this);
    modifyBattle_ = std::make_unique<TModifyBattle>(context_, msgBox_->Shower(), this);
    mapInfo_ = std::make_unique<TMapInfo>(context_, this);
    selectColor_ = std::make_unique<TSelectColor>(context_, this);
    about_ = std::make_unique<TAboutMBld>(programFolder_, this);
    selectTer_ = std::make_unique<TSelectTer>(context_, this);
    selectHxMrk_ = std::make_unique<TSelectHxMrk>(context_, this);
    addBase_ = std::make_unique<TAddBase>(context_, this);
    addVHex_ = std::make_unique<TAddVHex>(context_, this);
    addLocation_ = std::make_unique<TAddLocation>(context_, this);
    addUnit_ = std::make_unique<TAddUnit>(context_, this);
    stats_ = std::make_unique<TStats>(context_, this);
    factionOB_ = std::make_unique<TFactionOB>(context_, this);
    rforceRoster_ = std::make_unique<TRForceRoster>(context_, this);
    vicHexes_ = std::make_unique<TVicHexes>(context_, this);
    defStats_ = std::make_unique<TDefStats>(context_, this);
    addUnit_->logic().showWeaponTable = [this](int kind) { defStats_->ShowTable(kind); };
    // Characters the battle file cannot hold are refused as they are typed, in every field.
    for (QWidget* dialog : std::initializer_list<QWidget*>{
             newMap_.get(), modifyBattle_.get(), selectTer_.get(), addBase_.get(), addVHex_.get(),
             addLocation_.get(), addUnit_.get()})
        GuardLatin1Fields(dialog, [this](const QString& reason) { ShowRefusal(reason); });
    recovery_ = std::make_unique<BattleRecovery>(document_, RecoveryFolder(), programFolder_,
                                                 context_.messages, this);
    recovery_->askToSaveChanges = [this] { return AskToSaveChanges(); };
    recovery_->onProtectionOff = [this](const QString& message) { SetStatus(message); };
    recovery_->onRestored = [this] {
        context_.hexMask = document_.symbols().realHex != 0;
        ActivateBattle(true);
    };
    mapPictureExport_ = std::make_unique<MapPictureExport>(this);
    chooseOpenPath = [this](const QString& title, const QString& folder, const QString& filter) {
        return ChooseFileIn(this, QFileDialog::AcceptOpen, title, folder, filter);
    };
    chooseSavePath = [this](const QString& title, const QString& folder, const QString& filter) {
        return ChooseFileIn(this, QFileDialog::AcceptSave, title, folder, filter,
                            QStringLiteral("scn"));
    };
    confirmReplace = [this](const QString& path) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Save Battle File"),
                        QFileInfo(path).fileName() +
                            QStringLiteral(" already exists.\nDo you want to replace it?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        KeepAboveToolWindows(&box);
        return box.exec() == QMessageBox::Yes;
    };

    document_.heldElsewhere = [this](const QString& path, const QString& holder) {
        Warn(context_.messages, BattleOpenElsewhereText(path, holder));
    };
    confirmReplaceChanged = [this](const QString&) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Save Battle File"),
                        kBattleChangedOnDisk, QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        KeepAboveToolWindows(&box);
        return box.exec() == QMessageBox::Yes;
    };

    CreateCheckDock();
    CreatePanels();
    CreateMenus();
    CreatePaintCommands();
    CreateMapEditTools();
    KeepCommandKeysOnTheMap(); // once every command has its key
    AddMenuKeys();

    // Start-up: the display check, the battle icon, the defaults and the definitions.
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() < 16) {
        QMessageBox::warning(
            this, QStringLiteral("Warning"),
            QStringLiteral(
                "Varnholm was designed to run in Windows High Color (16 bit) mode or greater.\r"
                "Varnholm has determined that your Window's Color Palette Display Setting\r"
                "is currently lower than 16 bit. Please enter your Contol Panel, select Display,\r"
                "then settings, and increase your Color Palette Setting to High Color (16 "
                "bit).\r"));
    }
    const QString icons = FindEntry(programFolder_, QStringLiteral("icons"));
    context_.iconPicture = LoadPicture(icons, QStringLiteral("sword.bmp"));
    document_.SetUpEmpty([](Battle& b) {
        b.settings.symbolSetName = "varnholm";
        b.settings.iconName = "sword";
    });
    LoadDefinitions(programFolder_, definitions_, context_.messages);
    ClearHexInfo();
    // Opens centred on the screen, or where it stood when it last closed.
    resize(1024, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RestorePlaces();
}

TMainForm::~TMainForm() = default;

QString TMainForm::BattlesFolder() const {
    return ::BattlesFolder(programFolder_);
}

void TMainForm::ShowWarning(const QString& caption, const QString& text) {
    QMessageBox box(caption == QStringLiteral("Error") ? QMessageBox::Critical
                                                       : QMessageBox::Warning,
                    caption, text, QMessageBox::Ok, this);
    KeepAboveToolWindows(&box);
    box.exec();
}

QString TMainForm::statusText() const {
    return infLbl_->text();
}

int TMainForm::AskWithoutWaitCursor(int number, int mode) {
    // A question under the wait cursor looks like a program that is still busy.
    int waits = 0;
    for (; QApplication::overrideCursor(); ++waits)
        QApplication::restoreOverrideCursor();
    const int answer = askMessage(number, mode);
    for (; waits > 0; --waits)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    return answer;
}

void TMainForm::SetStatus(const QString& text) {
    refusalTimer_->stop(); // a refusal shown before must not overwrite this later
    infLbl_->setText(text);
}

void TMainForm::ShowRefusal(const QString& reason) {
    if (!refusalTimer_->isActive())
        statusBeforeRefusal_ = infLbl_->text();
    infLbl_->setText(reason);
    refusalTimer_->start();
}

void TMainForm::CreatePanels() {
    central_ = new ClientArea([this] { FormResize(); });
    setCentralWidget(central_);
    mapWin_ = new MapWidget(renderer_, central_);
    mapWin_->setCursor(HandCursor());
    connect(mapWin_, &MapWidget::mouseMoved, this, &TMainForm::MapWinMouseMove);
    connect(mapWin_, &MapWidget::mousePressed, this, &TMainForm::MapWinMouseDown);
    connect(mapWin_, &MapWidget::wheelTurned, this, &TMainForm::Wheel);
    mapWin_->SetScale(ReadBattlePreferences(programFolder_).mapScale);

    scrollVert_ = new QScrollBar(Qt::Vertical, central_);
    scrollVert_->setObjectName(QStringLiteral("ScrollVert"));
    scrollHorz_ = new QScrollBar(Qt::Horizontal, central_);
    scrollHorz_->setObjectName(QStringLiteral("ScrollHorz"));
    scrollVert_->setEnabled(false);
    scrollHorz_->setEnabled(false);
    connect(scrollHorz_, &QScrollBar::valueChanged, this, &TMainForm::ScrollHorzChange);
    connect(scrollVert_, &QScrollBar::valueChanged, this, &TMainForm::ScrollVertChange);

    mPanel_ = new QWidget(central_);
    mPanel_->setObjectName(QStringLiteral("MPanel"));
    mPanel_->setAutoFillBackground(true);
    const auto makeLabels = [](const QStringList& names, std::array<QLabel*, 5>& labels,
                               QWidget* panel) {
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(6, 3, 6, 3);
        layout->setSpacing(0);
        for (int i = 0; i < 5; ++i) {
            labels[size_t(i)] = new QLabel(panel);
            labels[size_t(i)]->setObjectName(names[i]);
            layout->addWidget(labels[size_t(i)]);
        }
    };
    auto* iPanel = new QFrame(mPanel_);
    iPanel->setObjectName(QStringLiteral("IPanel"));
    iPanel->setFrameShape(QFrame::StyledPanel);
    makeLabels({"HexNo", "PrmTer", "SecTer", "ObjLbl", "MTLbl"}, hexLabels_, iPanel);
    auto* unitPanel = new QFrame(mPanel_);
    unitPanel->setObjectName(QStringLiteral("UnitPanel"));
    unitPanel->setFrameShape(QFrame::StyledPanel);
    makeLabels({"SdeLbl", "UntLbl", "StsLbl1", "BseLbl", "RnfLbl"}, unitLabels_, unitPanel);

    auto* zmPnl = new QWidget(mPanel_);
    zmPnl->setObjectName(QStringLiteral("ZmPnl"));
    auto* zoomLayout = new QVBoxLayout(zmPnl);
    zoomLayout->setContentsMargins(0, 0, 0, 0);
    zoomIn_ = new QToolButton(zmPnl);
    zoomIn_->setObjectName(QStringLiteral("ZoomIn"));
    zoomIn_->setText(QStringLiteral("+"));
    zoomIn_->setToolTip(QStringLiteral("Zoom In"));
    zoomOut_ = new QToolButton(zmPnl);
    zoomOut_->setObjectName(QStringLiteral("ZoomOut"));
    zoomOut_->setText(QStringLiteral("-"));
    zoomOut_->setToolTip(QStringLiteral("Zoom Out"));
    for (QToolButton* b : {zoomIn_, zoomOut_}) {
        b->setFixedSize(28, 28);
        b->setEnabled(false);
        zoomLayout->addWidget(b);
    }
    connect(zoomIn_, &QToolButton::clicked, this, &TMainForm::ZoomInClick);
    connect(zoomOut_, &QToolButton::clicked, this, &TMainForm::ZoomOutClick);

    auto* infoBar = new QFrame(mPanel_);
    infoBar->setObjectName(QStringLiteral("InfoBar"));
    infoBar->setFrameShape(QFrame::StyledPanel);
    auto* infoLayout = new QHBoxLayout(infoBar);
    infoLayout->setContentsMargins(6, 0, 6, 0);
    infLbl_ = new QLabel(QStringLiteral("Battle not active"), infoBar);
    infLbl_->setObjectName(QStringLiteral("InfLbl"));
    refusalTimer_ = new QTimer(this);
    refusalTimer_->setSingleShot(true);
    refusalTimer_->setInterval(kRefusalMilliseconds);
    // The line goes back to what it said before; a later status text stops the timer.
    connect(refusalTimer_, &QTimer::timeout, this,
            [this] { infLbl_->setText(statusBeforeRefusal_); });
    infoLayout->addWidget(infLbl_);
    infoLayout->addWidget(checkDock_->countLabel(), 0, Qt::AlignRight);

    auto* grid = new QGridLayout(mPanel_);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    grid->addWidget(iPanel, 0, 0);
    grid->addWidget(unitPanel, 0, 1);
    grid->addWidget(zmPnl, 0, 2);
    grid->addWidget(infoBar, 1, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_)
        FormActivate();
}

void TMainForm::FormActivate() {
    activated_ = true;
    closing = false;
    commandMode = ModeNone;
    prefs = DisplayPrefs{};
    document_.SetUpEmpty([](Battle& b) {
        b.settings.saveViewPosition = 1;
        b.settings.tableColour = 0;
    });
    context_.terrainSelection = 0;
    renderer_.tableColour = Qt::black;
    const QString bmps = FindEntry(programFolder_, QStringLiteral("bmps"));
    context_.palette = LoadPicture(bmps, QStringLiteral("ketpal.bmp"));
    if (context_.palette.isNull())
        Warn(context_.messages,
             QStringLiteral("The palette picture \"ketpal.bmp\" could not be loaded from %1;\r"
                            "the map background stays black.")
                 .arg(bmps));
    mapWin_->setCursor(HandCursor());
    FormResize();
    recentBattles = LoadBattleList(programFolder_);
    UpdateRecentItems();
    recovery_->Start();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
}

void TMainForm::FormResize() {
    if (closing || !central_)
        return;
    const int clientW = central_->width(), clientH = central_->height();
    const int w = std::max(clientW - (kScrollBarThickness + 1), 1);
    const int h = std::max(clientH - (kScrollBarThickness + kPanelHeight + 1), 1);
    mapWin_->setGeometry(0, 0, w, h);
    scrollVert_->setGeometry(w + 1, 0, kScrollBarThickness, h + 1);
    scrollHorz_->setGeometry(0, h + 1, w, kScrollBarThickness);
    mPanel_->setGeometry(0, h + 1 + kScrollBarThickness, clientW, kPanelHeight);
    if (battleActive()) {
        if (renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(),
                                       context_.messages)) {
            SetScrollBars();
            RedrawAll();
        }
    } else {
        ShowLogo();
    }
}

void TMainForm::ShowLogo() {
    const QString bmps = FindEntry(programFolder_, QStringLiteral("bmps"));
    mapWin_->ShowLogo(LoadPicture(bmps, QStringLiteral("fmedt.bmp")));
}

void TMainForm::EnableBattleCommands(bool enable) {
    const MainFormActions& a = actions_;
    for (QAction* item : {a.modifyScenario,
                          a.information,
                          a.addModifyUnit,
                          a.copyUnit,
                          a.cutUnit,
                          a.addModifyReinforcements,
                          a.addStructure,
                          a.westOB,
                          a.eastOB,
                          a.westRForce,
                          a.eastRForce,
                          a.specialHexMarkers,
                          a.addModifyObjective,
                          a.placeCaltrops,
                          a.mapInformation,
                          a.showVicHex,
                          a.reinforcementHexes,
                          a.mapOverlay,
                          a.placeNameToggle,
                          a.saveMapPos,
                          a.setTableColor,
                          a.placePrimary,
                          a.placeSecondary,
                          a.fillPrimary,
                          a.mapText,
                          a.saveMapAs,
                          a.exportMapPicture})
        item->setEnabled(enable);
    zoomIn_->setEnabled(enable);
    zoomOut_->setEnabled(enable);
    for (QAction* key : {a.zoomInKey, a.zoomOutKey}) {
        if (key)
            key->setEnabled(enable);
    }
    a.objectiveList->setEnabled(enable && document_.battle().objectives().count() > 0);
    a.saveMapFile->setEnabled(enable && !untitled());
    a.saveUntitledKey->setEnabled(enable && untitled());
    // No paste without a battle; the next battle may take the unit copied before.
    a.pasteUnit->setEnabled(enable && unitCopied_);
    a.checkBattle->setEnabled(enable);
    UpdateEditMenu();
    if (mapEdit_) {
        mapEdit_->EnableCommands(enable);
        if (enable)
            mapEdit_->BattleShown();
    }
}

void TMainForm::SetSideCaptions() {
    const QString a = document_.battle().settings.sideAName.text(),
                  b = document_.battle().settings.sideBName.text();
    actions_.westOB->setText(a + QStringLiteral(" Order of Battle"));
    actions_.eastOB->setText(b + QStringLiteral(" Order of Battle"));
    actions_.westRForce->setText(a + QStringLiteral(" Reinforcement Schedule"));
    actions_.eastRForce->setText(b + QStringLiteral(" Reinforcement Schedule"));
}

void TMainForm::SetSaveMapPosCaption() {
    actions_.saveMapPos->setText(QStringLiteral("Save Map Position is ") +
                                 (document_.battle().settings.saveViewPosition
                                      ? QStringLiteral("On")
                                      : QStringLiteral("Off")));
}

void TMainForm::UpdateRecentItems() {
    for (int k = 0; k < 5; ++k) {
        QAction* item = actions_.recent[size_t(k)];
        item->setVisible(k < recentBattles.size());
        if (k < recentBattles.size())
            item->setText(recentBattles[k]);
    }
    recentSeparator_->setVisible(!recentBattles.isEmpty());
}

void TMainForm::ClearHexInfo() {
    for (QLabel* l : hexLabels_)
        l->clear();
    for (QLabel* l : unitLabels_)
        l->clear();
}
