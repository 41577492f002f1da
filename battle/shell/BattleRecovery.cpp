#include "BattleRecovery.h"

#include "Battle.h"
#include "BattleDocument.h"
#include "BattleFile.h"
#include "ProgramFolder.h"
#include "SetFormat.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>

#include <memory>
#include <utility>

namespace {

// A Yes/No question whose Escape key and close box answer neither: the copy then waits
// for the next start instead of being deleted by a slip of the hand.
class RestoreQuestionBox : public QMessageBox {
public:
    static constexpr int kLater = -1;

    RestoreQuestionBox(const QString& text, QWidget* parent)
        : QMessageBox(QMessageBox::Question, QStringLiteral("Restore Changes?"), text,
                      QMessageBox::Yes | QMessageBox::No, parent) {
        setObjectName(QStringLiteral("RestoreQuestion"));
        setDefaultButton(QMessageBox::Yes);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            done(kLater);
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        done(kLater);
    }
};

// The folders a restored battle's set may come from, in order: beside the battle's own
// file, as for an open, then Battles, where a battle never saved took its set from.
QStringList SetFolders(const QString& originalPath, const QString& programFolder) {
    QStringList folders;
    if (!originalPath.isEmpty())
        folders << QFileInfo(originalPath).absolutePath();
    folders << BattlesFolder(programFolder);
    return folders;
}

bool HoldsSet(const QString& folder, const QString& setName) {
    return !setName.isEmpty() && !setName.contains(QLatin1Char('/')) &&
           QFileInfo(FindEntry(folder, setName + kSetSuffix)).isFile();
}

} // namespace

BattleRecovery::BattleRecovery(BattleDocument& document, const QString& folder,
                               const QString& programFolder, MessageSink messages, QWidget* parent)
    : document_(document), programFolder_(programFolder), messages_(std::move(messages)),
      parent_(parent), store_(folder) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &BattleRecovery::Tick);
    askRestore = [this](const QString& question) { return AskInWindow(question); };
}

void BattleRecovery::Start() {
    if (!store_.Claim()) {
        NoteProtectionOff();
        offersDone_ = true;
        return;
    }
    timer_.start();
    // After the window has been shown, so the question stands above it.
    QTimer::singleShot(0, this, &BattleRecovery::OfferLeftovers);
}

void BattleRecovery::Forget() {
    store_.Remove();
}

void BattleRecovery::Tick() {
    const Battle& battle = document_.battle();
    if (!document_.shown() || !document_.modified()) {
        store_.Remove();
        return;
    }
    const RecoveryNote note{document_.untitled() ? QString() : document_.path(),
                            battle.settings.battleName.text(), QDateTime::currentDateTime()};
    // A failed write keeps the previous copy; the next tick tries again.
    if (!store_.Write(
            EncodeBattle(battle, battle.settings.saveCount, document_.symbols().terrainCount()),
            note))
        NoteProtectionOff();
}

void BattleRecovery::NoteProtectionOff() {
    if (std::exchange(protectionOffNoted_, true))
        return;
    const QString message =
        QStringLiteral("Crash protection is off: the recovery folder %1 cannot be written.")
            .arg(store_.folder());
    qWarning("%s", qUtf8Printable(message));
    if (onProtectionOff)
        onProtectionOff(message);
}

RestoreAnswer BattleRecovery::AskInWindow(const QString& question) {
    RestoreQuestionBox box(question, parent_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return RestoreAnswer::Restore;
    case QMessageBox::No:
        return RestoreAnswer::Discard;
    default:
        return RestoreAnswer::Later;
    }
}

void BattleRecovery::OfferLeftovers() {
    const std::vector<LeftoverCopy> leftovers = store_.TakeLeftovers();
    // Every copy is offered, newest first; restoring a second one replaces the battle
    // restored before only after the usual question whether to save it.
    bool restored = false;
    for (const LeftoverCopy& copy : leftovers) {
        // What persists from battle to battle comes from the battle in memory, as for an open.
        auto battle = std::make_unique<Battle>();
        battle->terrainAttrs = document_.battle().terrainAttrs;
        battle->unitClipboard = document_.battle().unitClipboard;
        switch (store_.ReadCopy(copy, *battle, messages_)) {
        case BattleDecodeResult::Decoded:
            break;
        case BattleDecodeResult::Refused:
            store_.Discard(copy); // no reader of this program could ever take it
            continue;
        case BattleDecodeResult::NoHexArray:
            store_.Release(copy);
            continue;
        }
        switch (askRestore(RestoreQuestion(copy.note, QDateTime::currentDateTime()))) {
        case RestoreAnswer::Restore: {
            if (restored && !askToSaveChanges()) {
                store_.Release(copy);
                break;
            }
            const bool done = Restore(copy, *battle);
            restored = restored || done;
            if (done)
                Tick();
            // The leftover goes only once this editor's own copy holds the battle.
            if (done && store_.hasCopy())
                store_.Discard(copy);
            else
                store_.Release(copy);
            break;
        }
        case RestoreAnswer::Discard:
            store_.Discard(copy);
            break;
        case RestoreAnswer::Later:
            store_.Release(copy);
            break;
        }
    }
    offersDone_ = true;
}

bool BattleRecovery::Restore(const LeftoverCopy& copy, Battle& battle) {
    const QString setName = battle.settings.symbolSetName.text();
    const QString path = copy.note.originalPath;
    for (const QString& folder : SetFolders(path, programFolder_)) {
        if (!HoldsSet(folder, setName))
            continue;
        LoadedSymbolSet set;
        if (!LoadSymbolSet(folder, setName, set, messages_))
            break;
        set.ComputeCellSteps();
        // A fresh history: undo cannot go back past the restored battle, which stays
        // modified until it is saved.
        document_.Adopt(std::move(battle), std::move(set), path);
        if (onRestored)
            onRestored();
        return true;
    }
    // Concatenated, not formatted: both names are the designer's text.
    Warn(messages_, QStringLiteral("The unsaved changes to '") + copy.note.battleName +
                        QStringLiteral("' cannot be shown: the symbol set \"") + setName +
                        QStringLiteral("\" could not be loaded.\rThe recovery copy is "
                                       "kept for the next start."));
    return false;
}
