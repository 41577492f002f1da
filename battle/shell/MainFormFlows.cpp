// The main window's battle flows: open, new, save, save as, exit, the settings, the
// table colour, the side report checks and help.
#include "BattleFile.h"
#include "BattleList.h"
#include "BattleRecovery.h"
#include "DialogPlacement.h"
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
    if (!document_.NeedsSaveQuestion())
        return true;
    switch (askMessage(MsgSaveChanges, OrvTwoButtons)) {
    case OrvNo:
        return true;
    case OrvYes:
        return document_.untitled() ? SaveBattleAs() : SaveBattleTo(document_.path());
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
        OpenBattleFile(ExistingFileForTypedName(path, QStringLiteral(".scn")));
}

void TMainForm::OpenRecent(int index) {
    if (index >= 0 && index < recentBattles.size() && AskToSaveChanges())
        OpenBattleFile(recentBattles[index]);
}

void TMainForm::OpenBattleFile(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const OpenOutcome outcome = document_.Open(path, context_.messages);
    QApplication::restoreOverrideCursor();
    if (outcome != OpenOutcome::ReadFailed) {
        context_.unitTemplate.Forget(); // new units of this battle start with the defaults
        recovery_->Forget();            // the battle shown before is gone
    }
    switch (outcome) {
    case OpenOutcome::ReadFailed:
        return;
    case OpenOutcome::SetFailed:
        ReturnToNoBattle();
        return;
    case OpenOutcome::Opened:
        RememberBattleOnSet(programFolder_, document_.battle().settings.symbolSetName.text(),
                            document_.path());
        context_.hexMask = document_.symbols().realHex != 0;
        ActivateBattle(true);
        return;
    }
}

void TMainForm::ApplyTableColour() {
    renderer_.tableColour = context_.PaletteColour(document_.battle().settings.tableColour);
}

void TMainForm::ActivateBattle(bool opened) {
    // The picker lists the rows of the set it was filled from: it must not outlive it.
    selectTer_->close();
    if (opened)
        ApplyTableColour();
    renderer_.hexMask = context_.hexMask;
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    SetSaveMapPosCaption();
    RedrawAll();
    EnableBattleCommands(true);
    SetSideCaptions();
    SetStatus(QStringLiteral("Battle Active."));
    setWatcher_.Watch(BattlesFolder(), document_.battle().settings.symbolSetName.text());
    ClearHexInfo(); // nothing of the battle shown before
    RefreshHexInfo();
    mapWin_->setFocus(); // the command keys act while the map has the keyboard
    SetScrollBars();
    SetZoomButtons();
    ShowBattleCaption();
}

void TMainForm::ShowBattleCaption() {
    setWindowTitle(QStringLiteral("Fieldmark Varnholm:") +
                   document_.battle().settings.battleName.text() + QStringLiteral("[*]"));
    setWindowModified(battleActive() && document_.modified());
}

bool TMainForm::MayOverwrite(const QString& path) {
    return !document_.ChangedOnDisk(path) || confirmReplaceChanged(path);
}

void TMainForm::ReturnToNoBattle() {
    setWatcher_.Stop();
    selectTer_->close();
    document_.Close();
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
    newMap_->logic().battleShown = battleActive();
    if (newMap_->exec() != 1)
        return;
    recovery_->Forget();
    context_.unitTemplate.Forget();
    context_.hexMask = document_.symbols().realHex != 0;
    ActivateBattle(false);
}

bool TMainForm::SaveBattleTo(const QString& path) {
    if (!MayOverwrite(path))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = document_.SaveTo(path, definitions_, context_.messages);
    QApplication::restoreOverrideCursor();
    if (!written)
        return false; // still modified, and not listed as a recent battle
    RecordInBattleList(recentBattles, path, programFolder_, context_.messages);
    RememberBattleOnSet(programFolder_, document_.battle().settings.symbolSetName.text(), path);
    UpdateRecentItems();
    recovery_->Forget();
    return true;
}

void TMainForm::SavMapClick() {
    if (!document_.shown())
        return;
    if (document_.untitled())
        SaveBattleAs(); // Ctrl+S on a battle never saved
    else
        SaveBattleTo(document_.path());
}

void TMainForm::SaveMapAsClick() {
    SaveBattleAs();
}

bool TMainForm::SaveBattleAs() {
    if (!battleActive())
        return false;
    // Offered under its own file, or a battle never saved under its name in Battles.
    QString offered = document_.path();
    if (document_.untitled() || offered.isEmpty()) {
        const QString name = document_.battle().settings.battleName.text().trimmed().replace(
            QLatin1Char('/'), QLatin1Char('-'));
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
    renderer_.Release();
    document_.Close();
    if (help_)
        help_->close();
    recovery_->Forget(); // saved or declined: a normal end leaves no copy
    event->accept();
}

void TMainForm::ModifyScenario1Click() {
    {
        const BattleDocument::Visit visit(document_, QStringLiteral("Battle Settings"));
        modifyBattle_->exec();
    }
    SetSideCaptions();
    ShowBattleCaption();
}

void TMainForm::InformationClick() {
    mapInfo_->exec();
}

void TMainForm::SideReportClick(int side, bool reinforcements) {
    // The reports' own side rule: a unit of any side but 1 belongs to side 2.
    if (!SideHasUnits(document_.battle(), side, reinforcements)) {
        askMessage(reinforcements ? MsgNoReinforcements : MsgNoUnits, OrvOneButton);
        return;
    }
    if (reinforcements) {
        rforceRoster_->ExecForSide(side);
        return;
    }
    // A double click on a row of the order of battle opens the unit editor on that unit.
    const int unit = factionOB_->ExecForSide(side);
    if (unit > 0 && document_.battle().units().valid(unit)) {
        const UnitRecord& u = document_.battle().unit(unit);
        ScrollToHex(u.hex); // the designer sees where the unit stands while editing it
        OpenUnitEditor(u.hex, u.activationTurn > 1 ? ModeReinforcements : ModeUnits);
    }
}

void TMainForm::SetTableColor1Click() {
    selectColor_->exec();
    const int colour = selectColor_->logic().answer();
    document_.Edit(QStringLiteral("Set Game Table Color"),
                   [&](Battle& b) { b.settings.tableColour = uint8_t(colour & 0xff); });
    ApplyTableColour();
    if (battleActive())
        RedrawAll();
    else
        ShowLogo();
}

HelpWindow& TMainForm::Help() {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(FindEntry(
            FindEntry(programFolder_, QStringLiteral("help")), QStringLiteral("fmbattle")));
        // Over the main window at its first showing, no larger than it, not wherever the
        // window manager puts a new window; afterwards where the designer left it.
        help_->resize(help_->size().boundedTo(size()));
        PlaceWindow(help_.get(), this);
    }
    return *help_;
}

void TMainForm::HelpIndexClick() {
    Help().ShowContents();
}

void TMainForm::KeywordSearch1Click() {
    Help().ShowSearch();
}

void TMainForm::AboutClick() {
    about_->exec();
}
