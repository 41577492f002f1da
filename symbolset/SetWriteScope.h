#pragma once
// One change of a set as the disk sees it. While a scope is open, every file the set writes
// is kept in memory (and read back from there); the outermost scope's Commit switches them
// all at once (SetSwitch.h). A scope that ends without a commit puts the set in memory back
// as it was when the scope began and writes nothing, so a failed step leaves memory and
// disk as they were before it. Scopes nest: an operation built of others commits once.

#include "SymbolSet.h"

#include <map>
#include <set>

// The files written inside the outermost scope, by full path.
struct PendingSetFiles {
    std::map<QString, QByteArray> bytes;
    std::map<QString, QImage> bitmaps; // encoded as BMP when the scope commits
    std::set<QString> removed;
    int depth = 0;
};

class SetWriteScope {
public:
    explicit SetWriteScope(SymbolSet& set);
    ~SetWriteScope();
    SetWriteScope(const SetWriteScope&) = delete;
    SetWriteScope& operator=(const SetWriteScope&) = delete;

    // Outermost: checks that the set's files are still the ones this set read (asking
    // set.confirmOverwrite when not), then switches every pending file. Inner: nothing yet.
    SetResult Commit();

private:
    SymbolSet& set_;
    bool outermost_ = false;
    bool committed_ = false;
    SymbolSet before_; // the set in memory when the scope began
};
