#include "BattleRecovery.h"

#include "Battle.h"
#include "BattleFile.h"
#include "ProgramFolder.h"
#include "SetFormat.h"
#include "TMainForm.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>

#include <memory>

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

BattleRecovery::BattleRecovery(TMainForm& form, const QString& folder)
    : form_(form), store_(folder) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &BattleRecovery::Tick);
    askRestore = [this](const QString& question) { return AskInWindow(question); };
}

void BattleRecovery::Start() {
    if (!store_.Claim()) {
        qWarning("No recovery copies: the folder %s cannot be written.",
                 qUtf8Printable(store_.folder()));
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
    const Battle& battle = form_.battle();
    if (!form_.battleActive || !battle.modified) {
        store_.Remove();
        return;
    }
    const RecoveryNote note{form_.untitled ? QString() : form_.battlePath,
                            battle.settings.battleName.text(), QDateTime::currentDateTime()};
    store_.Write(
        EncodeBattle(battle, battle.settings.saveCount, form_.context().symbols.terrainCount()),
        note);
}

RestoreAnswer BattleRecovery::AskInWindow(const QString& question) {
    RestoreQuestionBox box(question, &form_);
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
        battle->terrainAttrs = form_.battle().terrainAttrs;
        battle->unitClipboard = form_.battle().unitClipboard;
        switch (store_.ReadCopy(copy, *battle, form_.context().messages)) {
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
            if (restored && !form_.AskToSaveChanges()) {
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

bool BattleRecovery::Restore(const LeftoverCopy& copy, Battle& restored) {
    EditorContext& context = form_.context();
    const QString setName = restored.settings.symbolSetName.text();
    const QString path = copy.note.originalPath;
    for (const QString& folder : SetFolders(path, context.programFolder)) {
        if (!HoldsSet(folder, setName))
            continue;
        if (!LoadSymbolSet(folder, setName, context.symbols, context.messages))
            break;
        context.symbols.ComputeCellSteps();
        context.hexMask = context.symbols.realHex != 0;
        form_.battle() = std::move(restored);
        form_.battlePath = path;
        form_.untitled = path.isEmpty();
        form_.ActivateBattle(true);
        form_.battle().modified = true;
        return true;
    }
    // Concatenated, not formatted: both names are the designer's text.
    Warn(context.messages, QStringLiteral("The unsaved changes to '") + copy.note.battleName +
                               QStringLiteral("' cannot be shown: the symbol set \"") + setName +
                               QStringLiteral("\" could not be loaded.\rThe recovery copy is "
                                              "kept for the next start."));
    return false;
}
