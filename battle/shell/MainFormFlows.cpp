// The main window's battle flows: open, new, save, save as, exit, the settings, the
// table colour, the side report checks and help.
#include "BattleFile.h"
#include "BattleList.h"
#include "BattleRecovery.h"
#include "HelpWindow.h"
#include "MapWidget.h"
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
        OpenBattleFile(path);
}

void TMainForm::OpenRecent(int index) {
    if (index >= 0 && index < recentBattles.size() && AskToSaveChanges())
        OpenBattleFile(recentBattles[index]);
}

void TMainForm::OpenBattleFile(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const OpenOutcome outcome = document_.Open(path, context_.messages);
    QApplication::restoreOverrideCursor();
    if (outcome != OpenOutcome::ReadFailed)
        recovery_->Forget(); // the battle shown before is gone
    switch (outcome) {
    case OpenOutcome::ReadFailed:
        return;
    case OpenOutcome::SetFailed:
        ReturnToNoBattle();
        return;
    case OpenOutcome::Opened:
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
    SetScrollBars();
    SetZoomButtons();
    setWindowTitle(QStringLiteral("Fieldmark Varnholm:") +
                   document_.battle().settings.battleName.text());
}

void TMainForm::ReturnToNoBattle() {
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
    if (newMap_->exec() != 1)
        return;
    recovery_->Forget();
    context_.hexMask = document_.symbols().realHex != 0;
    ActivateBattle(false);
}

bool TMainForm::SaveBattleTo(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = document_.SaveTo(path, definitions_, context_.messages);
    QApplication::restoreOverrideCursor();
    if (!written)
        return false; // still modified, and not listed as a recent battle
    RecordInBattleList(recentBattles, path, programFolder_, context_.messages);
    UpdateRecentItems();
    recovery_->Forget();
    return true;
}

void TMainForm::SavMapClick() {
    if (document_.shown() && !document_.untitled())
        SaveBattleTo(document_.path());
}

void TMainForm::SaveMapAsClick() {
    SaveBattleAs();
}

bool TMainForm::SaveBattleAs() {
    if (!battleActive())
        return false;
    const QString chosen =
        chooseSavePath(QStringLiteral("Save Battle File"), BattlesFolder(), kBattleFilter);
    const QString path = BattleSaveName(chosen);
    if (path.isEmpty())
        return false;
    // The chooser asked about replacing the name it returned, not about a longer one.
    if (path != chosen && QFileInfo::exists(path) && !confirmReplace(path))
        return false;
    if (!SaveBattleTo(path))
        return false;
    actions_.saveMapFile->setEnabled(true);
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
    setWindowTitle(QStringLiteral("Fieldmark Varnholm:") +
                   document_.battle().settings.battleName.text());
}

void TMainForm::InformationClick() {
    mapInfo_->exec();
}

void TMainForm::SideReportClick(int side, bool reinforcements) {
    bool any = false;
    for (const UnitRecord& u : document_.battle().units())
        any = any || (u.side == side && (!reinforcements || u.activationTurn >= 2));
    if (!any) {
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
