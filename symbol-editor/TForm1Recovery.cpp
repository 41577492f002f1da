// The main window's side of crash recovery: keeping the copy of the unsaved symbol up to
// date a few seconds after the last edit, and offering a left copy at start-up.
#include "SmallDialogs.h"
#include "TForm1.h"

#include <QApplication>
#include <QStatusBar>
#include <QWindow>

#include <utility>

void TForm1::UpdateRecovery() {
    if (!session_.hasUnsavedSymbol()) {
        // Saved, discarded or nothing open: the copy would only offer old work.
        recoveryTimer_.stop();
        recoveryGeneration_ = -1;
        if (recovery_.hasCopy())
            recovery_.Remove();
        return;
    }
    // Started again by every edit, so the copy is written once the designer pauses.
    if (session_.editGeneration() != recoveryGeneration_) {
        recoveryGeneration_ = session_.editGeneration();
        recoveryTimer_.start();
    }
}

void TForm1::WriteRecoveryCopy() {
    if (!session_.hasUnsavedSymbol())
        return;
    if (session_.tools.dragging()) {
        recoveryTimer_.start(); // after the stroke
        return;
    }
    if (!recovery_.Start()) {
        NoteRecoveryOff(); // the run goes on without copies, and says so once
        return;
    }
    // A failed write keeps the previous copy whole; the next edit tries again.
    recovery_.Write(session_.MakeRecoveryCopy());
}

void TForm1::StartUpQuestions() {
    if (windowHandle() && !windowHandle()->isExposed() && ++startUpWaits_ < 40) {
        QTimer::singleShot(50, this, &TForm1::StartUpQuestions);
        return;
    }
    FormShow();
    OfferRecovery();
    if (!openAtStart.isEmpty() && ShouldSave(1) != 3)
        OpenSetFile(std::exchange(openAtStart, QString()), true);
}

void TForm1::NoteRecoveryOff() {
    if (recoveryOffNoted_)
        return;
    recoveryOffNoted_ = true;
    statusBar()->showMessage(
        QStringLiteral("Crash protection is off: the recovery folder %1 cannot be written.")
            .arg(recovery_.folder()));
}

void TForm1::OfferRecovery() {
    if (!recovery_.Start())
        NoteRecoveryOff();
    std::vector<LeftCopy> left = recovery_.FindLeftCopies();
    for (LeftCopy& copy : left) {
        ButtonChoiceDialog offer(this, "Restore Unsaved Changes", RecoveryQuestion(copy.copy),
                                 {{"Yes", 1}, {"No", 2}}, 0);
        offer.setObjectName("RecoveryOffer");
        const int answer = offer.Ask();
        if (answer == 2) {
            RecoveryStore::Discard(copy);
            continue;
        }
        if (answer != 1)
            continue; // closed without an answer: offered again at the next start
        SetResult result;
        {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            result = session_.RestoreRecoveryCopy(copy.copy);
            QApplication::restoreOverrideCursor();
        }
        Refresh();
        if (!Reported(result))
            continue;
        // The restored work is this run's now: its own copy replaces the left one.
        if (recovery_.Start() && recovery_.Write(session_.MakeRecoveryCopy()))
            RecoveryStore::Discard(copy);
        return; // one symbol is edited at a time; other copies wait for the next start
    }
}
