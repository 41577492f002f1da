#pragma once
// Crash recovery of the battle editor. While the shown battle has unsaved changes a timer
// on the window thread keeps a recovery copy of it up to date; the copy goes when the
// battle is saved, discarded or the window closes normally. At start-up the copies left by
// editors that ended without closing normally are offered back, one question each.

#include "BattleRecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <functional>

class Battle;
class TMainForm;

enum class RestoreAnswer {
    Restore, // "Yes": the battle comes back, modified
    Discard, // "No": the copy is deleted
    Later,   // the question was closed: the copy stays for the next start
};

class BattleRecovery : public QObject {
    Q_OBJECT
public:
    // How often the battle is looked at, and so the longest an edit waits for its copy.
    static constexpr int kIntervalMs = 2500;

    BattleRecovery(TMainForm& form, const QString& folder);

    // At the window's first showing: takes this editor's lock, starts the timer and, once
    // the window is up, offers the leftover copies.
    void Start();
    // The battle was saved or discarded, or the window closes: its copy goes.
    void Forget();
    // Writes the copy while a battle is shown with unsaved changes, else deletes it. The
    // battle is only read: the copy holds the units in the designer's order.
    void Tick();
    // Offers every leftover copy with its date and time; a second restore first asks
    // whether to save the battle restored before.
    void OfferLeftovers();
    bool offersDone() const { return offersDone_; }

    // The question; the window's Yes/No box unless a test answers.
    std::function<RestoreAnswer(const QString& question)> askRestore;
    BattleRecoveryStore& store() { return store_; }

private:
    bool Restore(const LeftoverCopy& copy, Battle& restored);
    RestoreAnswer AskInWindow(const QString& question);

    TMainForm& form_;
    BattleRecoveryStore store_;
    QTimer timer_;
    bool offersDone_ = false;
};
