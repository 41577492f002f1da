#pragma once
// A hex region as bytes for the system clipboard, so that hexes copied in one fmbattle
// window can be pasted in another:
//   "FMHEXRGN", version byte 1, the set name (length byte + 255 bytes), layout, layers,
//   moving flag, the cells (count, then per cell its cube offset x and z, primary
//   terrain, six secondary terrains, caltrops, reinforcement marker and its four record
//   positions), then units (with their old numbers and wing names), structures,
//   objectives and map texts (each with their old numbers).
// Integers are four bytes, least significant first. Bytes that do not hold exactly this
// (cut short, too long, counts beyond the tables, positions that name no record, values a
// battle file cannot hold) are refused with a reason.

#include "HexRegion.h"

#include <QByteArray>
#include <QString>

// The clipboard type the region is offered under.
extern const char* const kRegionMimeType;

QByteArray EncodeRegion(const HexRegion& region);
// False with a reason, and `out` unchanged, for bytes that are no region.
bool DecodeRegion(const QByteArray& bytes, HexRegion& out, QString& why);
