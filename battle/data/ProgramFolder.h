#pragma once
// Finding the program's folders and files on a case-sensitive file system: a name is
// taken as written when it exists, otherwise the entry whose name differs only in
// letter case.

#include <QString>
#include <QStringList>

// The path of name inside folder: the existing entry matching it ignoring case, or
// folder + "/" + name when there is none.
QString FindEntry(const QString& folder, const QString& name);

inline QString BattlesFolder(const QString& programFolder) {
    return FindEntry(programFolder, QStringLiteral("Battles"));
}
inline QString DefsFolder(const QString& programFolder) {
    return FindEntry(programFolder, QStringLiteral("defs"));
}

// Where the command-line tools look for a battle's program data (palette, definitions,
// icons), in order: the program folder holding the battle's folder, the current directory,
// the installed stock data beside the tool, the tool's own folder.
QStringList ProgramFoldersAround(const QString& battlePath, const QString& currentDir,
                                 const QString& executableDir);
// The file a name typed into an open dialog means: the name itself when it exists,
// otherwise the name with `extension` (".scn") added when that exists in any letter case;
// otherwise the name as typed.
QString ExistingFileForTypedName(const QString& typed, const QString& extension);
