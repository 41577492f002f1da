#pragma once
// The battle file (".scn"): 27 sections written and read field by field in one fixed
// order, with no magic number and no checksum.

#include "MessageSink.h"

#include <QByteArray>
#include <QString>

class Battle;
struct Definitions;

// The file's bytes for battle, with the given save count and terrainCount terrain
// attribute records (the terrain symbol count of the loaded set, at most 500).
QByteArray EncodeBattle(const Battle& battle, int saveCount, int terrainCount);

enum class BattleDecodeResult { Decoded, Refused, NoHexArray };

// Decodes bytes into out, which should be a fresh battle holding only what persists
// between battles (terrain attributes, clipboard). Refuses counts beyond the tables, map
// sides outside 10 … 150, texts longer than their fields, references outside their
// tables and bytes that end early. The hexes' links are then set from the records.
BattleDecodeResult DecodeBattle(const QByteArray& bytes, Battle& out, const MessageSink& sink);

// Reads path into a fresh battle and replaces battle with it only when the whole file
// was read. Shows "Could not open selected file." for a file that cannot be opened or
// is refused; battle is then unchanged.
bool ReadBattleFile(const QString& path, Battle& battle, const MessageSink& sink);

// Puts the units into canonical order and saves the battle with its save count raised
// by one. The file is written beside the target and renamed over it only when every
// byte reached the disk, so a failed save leaves the old file as it was. On failure the
// message is shown, the save count is kept and the result is false.
bool WriteBattleFile(const QString& path, Battle& battle, const Definitions& defs,
                     int terrainSymbolCount, const MessageSink& sink);

// Wing names of length 0 are removed; units on later wings move up with their names,
// and a unit whose wing would fall below the first goes to wing 0.
void RemoveEmptyWingNames(Battle& battle);

inline const QString kCouldNotOpenFile = QStringLiteral("Could not open selected file.");
// The warning of a failed save: the write's own text (the file and the reason) and what
// became of the battle.
QString BattleSaveFailureText(const QString& writeFailure);
