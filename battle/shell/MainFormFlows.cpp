// The main window's battle flows: open, new, save, save as, exit, the settings, the
// table colour, the side report checks and help.
#include "BattleFile.h"
#include "BattleList.h"
#include "BattleRecovery.h"
#include "HelpWindow.h"
#include "MapWidget.h"
#include "NewBattleAttrs.h"
#include "OpenBattle.h"
#include "ProgramFolder.h"
#include "TAboutMBld.h"
#include "TFactionOB.h"
#include "TMainForm.h"
#include "TMapInfo.h"
#include "TModifyBattle.h"
#include "TNewMap.h"
#include "TOrvMsgBox.h"
#include "TRForceRoster.h"
#include "TSelectColor.h"
#include "TSelectTer.h"
#include "UnitSides.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace {

const QString kBattleFilter = QStringLiteral("Fieldmark Scenario Files (*.scn)");
const QString kProgramCaption = QStringLiteral("Field Mark Varnholm");

// The name keeps the case it was typed in; only a missing extension is added.
QString BattleSaveName(const QString& chosen) {
    if (chosen.isEmpty() || chosen.endsWith(QLatin1String(".scn"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".scn");
}

} // namespace

bool TMainForm::AskToSaveChanges() {
    if (!battleActive || !battle_.modified)
        return true;
    switch (askMessage(MsgSaveChanges, OrvTwoButtons)) {
    case OrvNo:
        return true;
    case OrvYes:
        return untitled ? SaveBattleAs() : SaveBattleTo(battlePath);
    default:
        return false;
    }
}

void TMainForm::OpenMapFileClick() {
    if (!AskToSaveChanges())
        return;
    const QString path =
        chooseOpenPath(QStringLiteral("Open Battle File"), BattlesFolder(), kBattleFilter);
    if (!path.isEmpty())
        OpenBattleFile(path);
}

void TMainForm::OpenRecent(int index) {
    if (index >= 0 && index < recentBattles.size() && AskToSaveChanges())
        OpenBattleFile(recentBattles[index]);
}

void TMainForm::OpenBattleFile(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const OpenOutcome outcome = OpenBattle(path, battle_, symbols_, battlePath, context_.messages);
    QApplication::restoreOverrideCursor();
    if (outcome != OpenOutcome::ReadFailed) {
        context_.unitTemplate.Forget(); // new units of this battle start with the defaults
        recovery_->Forget();            // the battle shown before is gone
        history_.Reset();               // another battle: the state read is the one on disk
    }
    switch (outcome) {
    case OpenOutcome::ReadFailed:
        return;
    case OpenOutcome::SetFailed:
        ReturnToNoBattle();
        return;
    case OpenOutcome::Opened:
        RememberBattleOnSet(programFolder_, battle_.settings.symbolSetName.text(), battlePath);
        TakeBattleFile(battlePath);
        context_.hexMask = symbols_.realHex != 0;
        untitled = false;
        ActivateBattle(true);
        return;
    }
}

void TMainForm::ApplyTableColour() {
    renderer_.tableColour = context_.PaletteColour(battle_.settings.tableColour);
}

void TMainForm::ActivateBattle(bool opened) {
    // The picker lists the rows of the set it was filled from: it must not outlive it.
    selectTer_->close();
    battleActive = true;
    if (opened)
        ApplyTableColour();
    renderer_.hexMask = context_.hexMask;
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    SetSaveMapPosCaption();
    RedrawAll();
    EnableBattleCommands(true);
    SetSideCaptions();
    SetStatus(QStringLiteral("Battle Active."));
    ClearHexInfo(); // nothing of the battle shown before
    RefreshHexInfo();
    mapWin_->setFocus(); // the command keys act while the map has the keyboard
    SetScrollBars();
    SetZoomButtons();
    ShowBattleCaption();
}

void TMainForm::ShowBattleCaption() {
    setWindowTitle(QStringLiteral("Fieldmark Varnholm:") + battle_.settings.battleName.text() +
                   QStringLiteral("[*]"));
    setWindowModified(battleActive && battle_.modified);
}

// The battle file shown from now on: its stamp, and the lock beside it, with a warning when
// another window shows it already.
void TMainForm::TakeBattleFile(const QString& path) {
    fileStamp_ = StampOfFile(path);
    stampedPath_ = path;
    if (fileLock_.heldPath() == path)
        return;
    QString holder;
    if (!fileLock_.Take(path, &holder))
        Warn(context_.messages, BattleOpenElsewhereText(path, holder));
}

bool TMainForm::MayOverwrite(const QString& path) {
    if (path != stampedPath_)
        return true; // another file: the save box asked about replacing it
    return !ChangedSince(path, fileStamp_) || confirmReplaceChanged(path);
}

void TMainForm::ReturnToNoBattle() {
    selectTer_->close();
    battleActive = false;
    renderer_.Release();
    // No command may act on a battle that is not shown.
    EnableBattleCommands(false);
    scrollHorz_->setEnabled(false);
    scrollVert_->setEnabled(false);
    ClearHexInfo();
    SetStatus(QStringLiteral("Battle not active"));
    ShowLogo();
    setWindowTitle(kProgramCaption);
}

void TMainForm::CreateNewMap1Click() {
    if (!AskToSaveChanges())
        return;
    newMap_->logic().battleShown = battleActive;
    if (newMap_->exec() != 1)
        return;
    recovery_->Forget();
    context_.unitTemplate.Forget();
    fileLock_.Release();
    fileStamp_ = {};
    stampedPath_.clear();
    context_.hexMask = symbols_.realHex != 0;
    history_.Reset(false); // modified until it is saved
    untitled = true;
    battlePath.clear();
    ActivateBattle(false);
}

bool TMainForm::SaveBattleTo(const QString& path) {
    if (!MayOverwrite(path))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written =
        WriteBattleFile(path, battle_, definitions_, symbols_.terrainCount(), context_.messages);
    QApplication::restoreOverrideCursor();
    if (!written)
        return false; // still modified, and not listed as a recent battle
    history_.MarkSaved();
    TakeBattleFile(path);
    RecordInBattleList(recentBattles, path, programFolder_, context_.messages);
    RememberBattleOnSet(programFolder_, battle_.settings.symbolSetName.text(), path);
    UpdateRecentItems();
    recovery_->Forget();
    return true;
}

void TMainForm::SavMapClick() {
    if (!battleActive)
        return;
    if (untitled)
        SaveBattleAs(); // Ctrl+S on a battle never saved
    else
        SaveBattleTo(battlePath);
}

void TMainForm::SaveMapAsClick() {
    SaveBattleAs();
}

bool TMainForm::SaveBattleAs() {
    if (!battleActive)
        return false;
    // Offered under its own file, or a battle never saved under its name in Battles.
    QString offered = battlePath;
    if (untitled || offered.isEmpty()) {
        const QString name = battle_.settings.battleName.text().trimmed().replace(QLatin1Char('/'),
                                                                                  QLatin1Char('-'));
        offered = name.isEmpty() ? BattlesFolder()
                                 : QDir(BattlesFolder()).filePath(name + QStringLiteral(".scn"));
    }
    const QString chosen =
        chooseSavePath(QStringLiteral("Save Battle File"), offered, kBattleFilter);
    const QString path = BattleSaveName(chosen);
    if (path.isEmpty())
        return false;
    // The chooser asked about replacing the name it returned, not about a longer one.
    if (path != chosen && QFileInfo::exists(path) && !confirmReplace(path))
        return false;
    if (!SaveBattleTo(path))
        return false;
    battlePath = path;
    untitled = false;
    actions_.saveMapFile->setEnabled(true);
    actions_.saveUntitledKey->setEnabled(false);
    ShowBattleCaption();
    return true;
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A battle whose save question was cancelled, or whose save failed, keeps the window.
    if (!AskToSaveChanges()) {
        event->ignore();
        return;
    }
    closing = true;
    RememberPlaces();
    fileLock_.Release();
    renderer_.Release();
    battleActive = false;
    if (help_)
        help_->close();
    recovery_->Forget(); // saved or declined: a normal end leaves no copy
    event->accept();
}

void TMainForm::ModifyScenario1Click() {
    RecordStep(QStringLiteral("Battle Settings"), [this] { modifyBattle_->exec(); });
    SetSideCaptions();
    ShowBattleCaption();
}

void TMainForm::InformationClick() {
    mapInfo_->exec();
}

void TMainForm::SideReportClick(int side, bool reinforcements) {
    // The reports' own side rule: a unit of any side but 1 belongs to side 2.
    if (!SideHasUnits(battle_, side, reinforcements)) {
        askMessage(reinforcements ? MsgNoReinforcements : MsgNoUnits, OrvOneButton);
        return;
    }
    context_.dialogValue = side;
    if (reinforcements) {
        rforceRoster_->exec();
        return;
    }
    // The order of battle puts the units into canonical order; a double click on a row
    // opens the unit editor on that unit.
    const int unit = factionOB_->exec();
    if (unit > 0 && battle_.units().valid(unit)) {
        const UnitRecord& u = battle_.unit(unit);
        ScrollToHex(u.hex); // the designer sees where the unit stands while editing it
        OpenUnitEditor(u.hex, u.activationTurn > 1 ? ModeReinforcements : ModeUnits);
    }
}

void TMainForm::SetTableColor1Click() {
    context_.dialogValue = 1;
    selectColor_->exec();
    RecordStep(QStringLiteral("Set Game Table Color"),
               [this] { battle_.settings.tableColour = uint8_t(context_.dialogValue & 0xff); });
    ApplyTableColour();
    if (battleActive)
        RedrawAll();
    else
        ShowLogo();
}

void TMainForm::HelpIndexClick() {
    if (!help_)
        help_ = std::make_unique<HelpWindow>(FindEntry(
            FindEntry(programFolder_, QStringLiteral("help")), QStringLiteral("fmbattle")));
    help_->ShowContents();
}

void TMainForm::KeywordSearch1Click() {
    if (!help_)
        help_ = std::make_unique<HelpWindow>(FindEntry(
            FindEntry(programFolder_, QStringLiteral("help")), QStringLiteral("fmbattle")));
    help_->ShowSearch();
}

void TMainForm::AboutClick() {
    about_->exec();
}
