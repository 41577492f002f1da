#include "TMainForm.h"

#include "BattleList.h"
#include "BattlePreferences.h"
#include "Cursors.h"
#include "HelpWindow.h"
#include "MapScaleMenu.h"
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
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kScrollBarThickness = 12;
constexpr int kPanelHeight = 96;
constexpr int kMinWidth = 420;
constexpr int kMinHeight = 275;

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
    : QMainWindow(parent), programFolder_(programFolder),
      sounds_(programFolder), context_{battle_,       symbols_, definitions_, sounds_,
                                       programFolder, {},       {},           {}},
      renderer_(battle_, symbols_, prefs), commands_(context_) {
    setObjectName(QStringLiteral("MainForm"));
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
    commands_.askMessage = [this](int number, int mode) { return askMessage(number, mode); };
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
    chooseOpenPath = [this](const QString& title, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, folder, filter);
    };
    chooseSavePath = [this](const QString& title, const QString& folder, const QString& filter) {
        QFileDialog dialog(this, title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("scn"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    CreatePanels();
    CreateMenus();

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
    battle_.settings.symbolSetName = "varnholm";
    battle_.settings.iconName = "sword";
    LoadDefinitions(programFolder_, definitions_, context_.messages);
    ClearHexInfo();
    // Opens centred on the screen.
    resize(1024, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

QString TMainForm::BattlesFolder() const {
    return ::BattlesFolder(programFolder_);
}

void TMainForm::ShowWarning(const QString& caption, const QString& text) {
    QMessageBox box(caption == QStringLiteral("Error") ? QMessageBox::Critical
                                                       : QMessageBox::Warning,
                    caption, text, QMessageBox::Ok, this);
    box.exec();
}

QAction* TMainForm::action(const QString& name) const {
    return findChild<QAction*>(name);
}

QString TMainForm::statusText() const {
    return infLbl_->text();
}

QAction* TMainForm::AddAction(QMenu* menu, const QString& name, const QString& caption,
                              void (TMainForm::*handler)(), bool enabled) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    return a;
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File "));
    AddAction(file, "OpenMapFile1", "Open Battle", &TMainForm::OpenMapFileClick)
        ->setShortcut(QKeySequence::Open);
    AddAction(file, "CreateNewMap1", "Create New Battle", &TMainForm::CreateNewMap1Click)
        ->setShortcut(QKeySequence::New);
    AddAction(file, "SaveMapFile", "Save Battle", &TMainForm::SavMapClick, false)
        ->setShortcut(QKeySequence::Save);
    AddAction(file, "SaveMapAs", "Save Battle As...", &TMainForm::SaveMapAsClick, false)
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    AddAction(file, "Exit1", "Exit", &TMainForm::Exit1Click)
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    recentSeparator_ = file->addSeparator();
    const QStringList names{"MapA1", "MapB1", "MapC1", "MapD1", "MapE1"};
    for (int k = 0; k < 5; ++k) {
        recentItems_[size_t(k)] =
            AddAction(file, names[k], QStringLiteral("Map%1").arg(QChar('A' + k)), nullptr);
        connect(recentItems_[size_t(k)], &QAction::triggered, this, [this, k] { OpenRecent(k); });
    }

    QMenu* battle = menuBar()->addMenu(QStringLiteral("Battle"));
    AddAction(battle, "ModifyScenario1", "Battle Settings", &TMainForm::ModifyScenario1Click,
              false);
    AddAction(battle, "Information1", "Army Statistics", &TMainForm::Information1Click, false);
    AddAction(battle, "ObjectiveList", "Terrain Objective Status", &TMainForm::ObjectiveListClick,
              false);
    AddAction(battle, "BtlMapInfo", "Map Information", &TMainForm::InformationClick, false);

    QMenu* terrain = menuBar()->addMenu(QStringLiteral("Terrain"));
    AddAction(terrain, "PlaceLv1Ter", "Place Primary Terrain", nullptr, false);
    AddAction(terrain, "FillPrime", "Fill Primary Terrain", nullptr, false);
    AddAction(terrain, "PlaceLv2Ter", "Place Secondary Terrain", nullptr, false);
    const std::pair<const char*, int> terrainModes[] = {{"PlaceLv1Ter", ModePlacePrimary},
                                                        {"FillPrime", ModeFillPrimary},
                                                        {"PlaceLv2Ter", ModeAddSecondary}};
    for (const auto& [name, mode] : terrainModes)
        connect(action(name), &QAction::triggered, this, [this, mode] { TerrainCommand(mode); });

    QMenu* units = menuBar()->addMenu(QStringLiteral("Units"));
    AddAction(units, "AddModifyUnit1", "Add/Modify Units", nullptr, false);
    AddAction(units, "WestOB", "Western Forces Order of Battle", nullptr, false);
    AddAction(units, "EastOB", "Eastern Forces Order of Battle", nullptr, false);
    units->addSeparator();
    AddAction(units, "AddModifyReinforcements1", "Add/Modify Reinforcements ", nullptr, false);
    AddAction(units, "WestRForce", "Western Reinforcement Schedule", nullptr, false);
    AddAction(units, "EastRForce", "Eastern Reinforcement Schedule", nullptr, false);
    units->addSeparator();
    AddAction(units, "AddStructure", "Add/Modify Structures", nullptr, false);
    units->addSeparator();
    AddAction(units, "CopyUnit1", "Copy Unit", nullptr, false);
    AddAction(units, "CutUnit1", "Cut Unit", nullptr, false);
    AddAction(units, "PasteUnit1", "Paste Unit", nullptr, false);
    const std::pair<const char*, int> unitModes[] = {
        {"AddModifyUnit1", ModeUnits},    {"AddModifyReinforcements1", ModeReinforcements},
        {"AddStructure", ModeStructures}, {"CopyUnit1", ModeCopyUnit},
        {"CutUnit1", ModeCutUnit},        {"PasteUnit1", ModePasteUnit}};
    for (const auto& [name, mode] : unitModes)
        connect(action(name), &QAction::triggered, this, [this, mode] { SetMode(mode); });
    connect(action("WestOB"), &QAction::triggered, this, [this] { SideReportClick(1, false); });
    connect(action("EastOB"), &QAction::triggered, this, [this] { SideReportClick(2, false); });
    connect(action("WestRForce"), &QAction::triggered, this, [this] { SideReportClick(1, true); });
    connect(action("EastRForce"), &QAction::triggered, this, [this] { SideReportClick(2, true); });

    QMenu* special = menuBar()->addMenu(QStringLiteral("Special Hexes"));
    AddAction(special, "SetSpecialHexMarkers1", "Set Special Hex Markers",
              &TMainForm::SetHexMarkersClick, false);
    AddAction(special, "AddModifyObjective1", "Set/ Modify Terrain Objective", nullptr, false);
    AddAction(special, "PlaceCaltrops1", "Place Caltrops", &TMainForm::PlaceCaltrops1Click, false);
    connect(action("AddModifyObjective1"), &QAction::triggered, this,
            [this] { SetMode(ModeObjective); });

    QMenu* mapText = menuBar()->addMenu(QStringLiteral("Map Text"));
    AddAction(mapText, "MapText", "Add/Modify Map Text", nullptr, false);
    connect(action("MapText"), &QAction::triggered, this, [this] { SetMode(ModeMapText); });

    QMenu* preferences = menuBar()->addMenu(QStringLiteral("Preferences"));
    for (const auto& [name, caption] : {std::pair{"ShowVicHex", "Victory Objective is: On"},
                                        std::pair{"RForce", "Reinforcement Hexes are: On"},
                                        std::pair{"MapOverlay", "Map Overlay is: On"},
                                        std::pair{"PlaceNameTgl", "Map Text is: On"}}) {
        const QString actionName = QString::fromLatin1(name);
        AddAction(preferences, actionName, caption, nullptr, false);
        connect(action(actionName), &QAction::triggered, this,
                [this, actionName] { TogglePreference(actionName); });
    }
    AddAction(preferences, "SaveMapPos", "Save Map Position is On", &TMainForm::SaveMapPosClick,
              false);
    AddAction(preferences, "SetTableColor1", "Set Game Table Color",
              &TMainForm::SetTableColor1Click, false);
    AddMapScaleMenu(preferences, mapWin_->scale(), [this](int scale) {
        mapWin_->SetScale(scale);
        if (!WriteBattlePreferences(programFolder_, {scale}))
            Warn(context_.messages, QStringLiteral("Could not save the preferences."));
        FormResize();
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    AddAction(help, "HelpIndex", "Contents", &TMainForm::HelpIndexClick);
    AddAction(help, "KeywordSearch1", "Keyword Search", &TMainForm::KeywordSearch1Click);
    AddAction(help, "About", "About Fieldmark Varnholm", &TMainForm::AboutClick);
    UpdateRecentItems();
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
    infoLayout->addWidget(infLbl_);

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
    battle_.modified = false;
    battleActive = false;
    commandMode = ModeNone;
    context_.dialogValue = 0;
    prefs = DisplayPrefs{};
    battle_.settings.saveViewPosition = 1;
    context_.terrainSelection = 0;
    battle_.settings.tableColour = 0;
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
    if (battleActive) {
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
    for (const char* name : {"ModifyScenario1",
                             "Information1",
                             "AddModifyUnit1",
                             "CopyUnit1",
                             "CutUnit1",
                             "AddModifyReinforcements1",
                             "AddStructure",
                             "WestOB",
                             "EastOB",
                             "WestRForce",
                             "EastRForce",
                             "SetSpecialHexMarkers1",
                             "AddModifyObjective1",
                             "PlaceCaltrops1",
                             "BtlMapInfo",
                             "ShowVicHex",
                             "RForce",
                             "MapOverlay",
                             "PlaceNameTgl",
                             "SaveMapPos",
                             "SetTableColor1",
                             "PlaceLv1Ter",
                             "PlaceLv2Ter",
                             "FillPrime",
                             "MapText",
                             "SaveMapAs"})
        action(name)->setEnabled(enable);
    zoomIn_->setEnabled(enable);
    zoomOut_->setEnabled(enable);
    action("ObjectiveList")->setEnabled(enable && battle_.objectives().count() > 0);
    action("SaveMapFile")->setEnabled(enable && !untitled);
    if (!enable)
        action("PasteUnit1")->setEnabled(false);
}

void TMainForm::SetSideCaptions() {
    const QString a = battle_.settings.sideAName.text(), b = battle_.settings.sideBName.text();
    action("WestOB")->setText(a + QStringLiteral(" Order of Battle"));
    action("EastOB")->setText(b + QStringLiteral(" Order of Battle"));
    action("WestRForce")->setText(a + QStringLiteral(" Reinforcement Schedule"));
    action("EastRForce")->setText(b + QStringLiteral(" Reinforcement Schedule"));
}

void TMainForm::SetSaveMapPosCaption() {
    action("SaveMapPos")
        ->setText(QStringLiteral("Save Map Position is ") + (battle_.settings.saveViewPosition
                                                                 ? QStringLiteral("On")
                                                                 : QStringLiteral("Off")));
}

void TMainForm::UpdateRecentItems() {
    for (int k = 0; k < 5; ++k) {
        QAction* item = recentItems_[size_t(k)];
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
