#pragma once
// Crash recovery of the battle editor. While the shown battle has unsaved changes a timer
// on the window thread keeps a recovery copy of it up to date; the copy goes when the
// battle is saved, discarded or the window closes normally. At start-up the copies left by
// editors that ended without closing normally are offered back, one question each.

#include "BattleRecoveryStore.h"
#include "MessageSink.h"

#include <QObject>
#include <QTimer>

#include <functional>

class Battle;
class BattleDocument;
class QWidget;

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

    // The copies of document are kept in folder; a restored battle's set is looked for
    // beside its file and in the program folder's Battles. Questions stand above parent.
    BattleRecovery(BattleDocument& document, const QString& folder, const QString& programFolder,
                   MessageSink messages, QWidget* parent);

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
    // A copy was restored into the document: the window shows it.
    // Before a second copy replaces the battle a first one restored: the save question;
    // false keeps the second copy for later.
    std::function<bool()> askToSaveChanges = [] { return true; };
    std::function<void()> onRestored;
    // Said once a run, when the folder cannot take this editor's copies: the window puts it
    // in the status line, as the editing goes on without them.
    std::function<void(const QString& message)> onProtectionOff;
    BattleRecoveryStore& store() { return store_; }

private:
    bool Restore(const LeftoverCopy& copy, Battle& battle);
    RestoreAnswer AskInWindow(const QString& question);
    void NoteProtectionOff();

    BattleDocument& document_;
    QString programFolder_;
    MessageSink messages_;
    QWidget* parent_;
    BattleRecoveryStore store_;
    QTimer timer_;
    bool offersDone_ = false;
    bool protectionOffNoted_ = false;
};
