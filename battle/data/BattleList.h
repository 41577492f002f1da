#pragma once
// "battle.lst" in the program folder: the five battles saved most recently, most recent
// first. One count byte, then each full path as bytes ending in a NUL.

#include "MessageSink.h"

#include <QString>
#include <QStringList>

constexpr int kMaxRecentBattles = 5;
constexpr int kMaxRecentPathBytes = 255;

QString BattleListPath(const QString& programFolder);

// The recorded paths whose files still exist, in their order; empty when the list file
// is missing or unreadable.
QStringList LoadBattleList(const QString& programFolder);

// Merges the list on disk (another editor's entries first, then this window's) and puts
// path first in it (a path already listed leaves the list as it was), writes
// the list file and loads it again, which drops entries whose files are gone. A failed
// write is reported and the list on disk keeps its old contents.
void RecordInBattleList(QStringList& recentBattles, const QString& path,
                        const QString& programFolder, const MessageSink& sink);
