#pragma once
// The hex clipboard: the region copied or cut last, kept here and offered on the system
// clipboard under fmbattle's own type, so that another fmbattle window can paste it. A
// region taken from the system clipboard is checked whole; damaged bytes are refused.

#include "HexRegion.h"

#include <QString>

#include <optional>

class RegionClipboard {
public:
    // Keeps the region and offers it to other windows (always as a copy: only this window
    // can put a cut's records back under their numbers).
    void Put(const HexRegion& region);
    // The region to paste: another window's from the system clipboard when it holds one,
    // else this window's own; nothing, with the reason, when there is none or it is damaged.
    std::optional<HexRegion> Take(QString& why) const;
    // A cut is pasted once as a move; later pastes make copies.
    void MovedOnce() { own_.moving = false; }
    // Mirrors the region waiting to be pasted.
    HexRegion& own() { return own_; }
    bool empty() const;

private:
    HexRegion own_;
};
