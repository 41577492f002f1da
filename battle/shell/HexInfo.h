#pragma once
// The texts of the two information panels under the map for the hex under the pointer.

#include <QString>

class Battle;
struct Definitions;

struct HexInfoTexts {
    // Hex panel
    QString hexNo, primary, secondary, objective, mapText;
    // Unit panel
    QString side, unit, status, structure, reinforcement;
    bool operator==(const HexInfoTexts&) const = default;
};

// Empty texts for a position off the map.
HexInfoTexts ShowHexInfo(const Battle& battle, const Definitions& defs, int hex);
