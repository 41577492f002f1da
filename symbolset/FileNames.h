#pragma once
// File names on a case-sensitive file system for files that other systems name in any case.

#include <QString>
#include <QStringList>

// `path` itself when it exists; otherwise the entry of its folder whose name differs only
// in case; otherwise `path` unchanged.
QString FindFileAnyCase(const QString& path);

// The ".set" path for a name the user typed: only the typed file name is lower-cased, and
// ".set" is appended when it lacks it.
QString SetPathForTypedName(const QString& typed);

// The names (without folder) of the eleven files of the set whose ".set" is `setPath`: the
// ".set", the ".sdx", then the nine bitmaps.
QStringList SetFileNames(const QString& setPath);

// Why the battle editor could not name a set saved at `setPath` (its battles store the
// base name in a field of 255 Latin-1 characters); empty when it can.
QString SetNameRefusal(const QString& setPath);
