#pragma once
// File names on a case-sensitive file system for files that other systems name in any case.

#include <QString>

// `path` itself when it exists; otherwise the entry of its folder whose name differs only
// in case; otherwise `path` unchanged.
QString FindFileAnyCase(const QString& path);

// The ".set" path for a name the user typed: only the typed file name is lower-cased, and
// ".set" is appended when it lacks it.
QString SetPathForTypedName(const QString& typed);
