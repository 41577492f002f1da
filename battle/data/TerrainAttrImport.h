#pragma once
// Taking the terrain attributes (names, elevation, cost per move, defence) of another
// battle file, so that a designer does not type them again for every battle drawn with
// the same symbol set.

#include "BattleRecords.h"
#include "MessageSink.h"

#include <array>

using TerrainAttrTable = std::array<TerrainAttr, kMaxTerrainAttrs>;

// Reads the battle file at path with the battle file reader. On success the records the
// file holds replace the first records of attrs; records beyond the file's count stay as
// they were. A file that cannot be read shows "Could not open selected file." and leaves
// attrs unchanged.
bool ReadTerrainAttributes(const QString& path, TerrainAttrTable& attrs, const MessageSink& sink);
