#pragma once
// Changes to single entries of an open set. Every operation writes the files it changes as
// one (SetWriteScope): on an input or output error it returns the message and leaves the
// set in memory and on disk as it was.

#include "SymbolSet.h"

using LevelPictures = std::array<QImage, kLevelCount>;

// The three pictures of record `number` (as stored, pure black where transparent) and
// whether the symbol is transparent.
SetResult LoadSymbol(const SymbolSet& set, SymbolKind kind, int number, LevelPictures& pictures,
                     bool& transparent);

// Writes the pictures into the record's cells and keeps its mask in step (unless the set
// is opaque): creates, updates or deletes it as `transparent` says.
SetResult StoreSymbol(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures,
                      bool transparent);

// Appends a record named `name`. Terrain cells have the hex sizes; unit cells the given
// sizes per level. The new cell is filled with `fillColour`; a real-hex terrain cell holds
// it inside the hexagon and black outside. Refused at 2000 entries.
SetResult AddSymbol(SymbolSet& set, SymbolKind kind, const QByteArray& name,
                    const std::array<QSize, kLevelCount>& unitSizes, QRgb fillColour);

// Appends a copy of record `source`; a source with its own mask gives the copy a new mask.
SetResult CopySymbol(SymbolSet& set, SymbolKind kind, int source, const QByteArray& name);

// Removes record `number`: its own mask is deleted, its cells hatched, later records
// move down. The caller adjusts the display order.
SetResult RemoveSymbol(SymbolSet& set, SymbolKind kind, int number);

// Mask maintenance for record `number`, from its level pictures.
SetResult CreateMask(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures);
SetResult UpdateMask(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures);
SetResult DeleteMask(SymbolSet& set, SymbolKind kind, int number);
