#pragma once
// A set is eleven files that must change together. A switch writes every new file beside
// the old one ("<file>.new"), then a journal naming them ("<base>.journal"), then renames
// the new files over the old ones and removes the journal. The next open of the set
// finishes a switch whose journal exists and undoes one whose journal does not (it drops
// the ".new" files), so after any interruption the set is wholly the old one or wholly the
// new one.

#include "SetResult.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

struct SetFileChange {
    QString fileName; // inside the set's folder
    QByteArray bytes;
    bool remove = false; // the file is to be gone after the switch
};

// Switches the files of the set whose ".set" is `setPath`. On failure before the journal is
// written the old files are untouched and the ".new" files are gone again.
SetResult SwitchSetFiles(const QString& setPath, const std::vector<SetFileChange>& changes);

// Finishes or undoes a switch of the set at `setPath` that was interrupted. Nothing to do
// is success; a folder that cannot be written to is a failure naming the set.
SetResult FinishInterruptedSwitch(const QString& setPath);

QString JournalPath(const QString& setPath);
QString StagedPath(const QString& path);

// Tests only: called with the number of each step of a switch before it is taken (0 = the
// first ".new" file), so a test can end the process there.
void SetSwitchStepHook(std::function<void(int step)> hook);
