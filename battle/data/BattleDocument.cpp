#include "BattleDocument.h"

#include "BattleFile.h"

#include <memory>
#include <utility>

BattleDocument::BattleDocument() {
    history_.changed = [this] { Changed(); };
}

bool BattleDocument::Edit(const QString& caption, const std::function<void(Battle&)>& change,
                          const void* joinKey) {
    history_.BeginStep(caption, joinKey);
    change(battle_);
    return history_.EndStep();
}

BattleDocument::Visit::Visit(BattleDocument& document, const QString& caption)
    : document_(&document) {
    document_->history_.BeginStep(caption);
}

BattleDocument::Visit::~Visit() {
    End();
}

bool BattleDocument::Visit::End() {
    if (document_ == nullptr)
        return false;
    BattleDocument* document = std::exchange(document_, nullptr);
    return document->history_.EndStep();
}

OpenOutcome BattleDocument::Open(const QString& path, const MessageSink& sink) {
    // Read beside the battle shown, which stays whole until the file was read; what
    // persists from battle to battle comes from it.
    auto next = std::make_unique<Battle>(battle_);
    LoadedSymbolSet set = symbols_;
    QString openedPath = path_;
    const OpenOutcome outcome = OpenBattle(path, *next, set, openedPath, sink);
    if (outcome == OpenOutcome::ReadFailed)
        return outcome;
    path_ = openedPath;
    untitled_ = false;
    symbols_ = std::move(set);
    shown_ = outcome == OpenOutcome::Opened;
    Replace(std::move(*next), true);
    if (shown_)
        TakeFile(path_);
    else
        LetFileGo();
    return outcome;
}

void BattleDocument::New(Battle battle, LoadedSymbolSet set) {
    symbols_ = std::move(set);
    path_.clear();
    untitled_ = true;
    shown_ = true;
    Replace(std::move(battle), false);
    LetFileGo();
}

bool BattleDocument::SaveTo(const QString& path, const Definitions& defs, const MessageSink& sink) {
    auto ordered = std::make_unique<Battle>(battle_);
    if (!WriteBattleFile(path, *ordered, defs, symbols_.terrainCount(), sink))
        return false;
    battle_ = std::move(*ordered);
    path_ = path;
    untitled_ = false;
    history_.MarkSaved(); // the new unit order joins the neighbouring steps
    TakeFile(path);
    return true;
}

void BattleDocument::Adopt(Battle battle, LoadedSymbolSet set, const QString& originalPath) {
    symbols_ = std::move(set);
    path_ = originalPath;
    untitled_ = originalPath.isEmpty();
    shown_ = true;
    Replace(std::move(battle), false);
    // Stamped as it is now: the copy was made from what the file held when that editor
    // read it, which cannot be known any more.
    if (untitled_)
        LetFileGo();
    else
        TakeFile(originalPath);
}

void BattleDocument::SetView(int zoomLevel, int originHex) {
    battle_.settings.zoomLevel = uint8_t(zoomLevel);
    battle_.settings.viewOriginHex = originHex;
}

void BattleDocument::ReplaceSymbols(LoadedSymbolSet set) {
    symbols_ = std::move(set);
    Changed();
}

void BattleDocument::Close() {
    shown_ = false;
    LetFileGo();
    Changed();
}

void BattleDocument::SetUpEmpty(const std::function<void(Battle&)>& defaults) {
    defaults(battle_);
    shown_ = false;
    history_.Reset(true);
}

void BattleDocument::Replace(Battle battle, bool onDisk) {
    battle_ = std::move(battle);
    history_.Reset(onDisk);
}

bool BattleDocument::ChangedOnDisk(const QString& path) const {
    return !stampedPath_.isEmpty() && path == stampedPath_ && ChangedSince(path, stamp_);
}

void BattleDocument::TakeFile(const QString& path) {
    stamp_ = StampOfFile(path);
    stampedPath_ = path;
    if (lock_.heldPath() == path)
        return;
    QString holder;
    if (!lock_.Take(path, &holder) && heldElsewhere)
        heldElsewhere(path, holder);
}

void BattleDocument::LetFileGo() {
    lock_.Release();
    stamp_ = {};
    stampedPath_.clear();
}

void BattleDocument::Changed() {
    if (changed)
        changed();
}
