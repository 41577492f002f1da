#pragma once
// The records of a battle and their capacities. Units, structures, objectives and map
// texts are numbered from 1 (0 = none); hexes, wing names and terrain attributes from 0.

#include "FixedText.h"

#include <array>
#include <cstdint>

constexpr int kNoSymbol = 63000;  // no terrain symbol; any value at or above it is empty
constexpr int kNoHex = kNoSymbol; // a position off the map

constexpr int kMaxUnits = 500;
constexpr int kMaxStructures = 100;
constexpr int kMaxObjectives = 99;
constexpr int kMaxMapTexts = 50;
constexpr int kMaxWings = 50;
constexpr int kMaxTerrainAttrs = 500;
constexpr int kHistoryLines = 100;
constexpr int kMarkerSlots = 25;
constexpr int kSecondarySlots = 6;
constexpr int kMinMapSide = 10;
constexpr int kMaxMapSide = 150;
constexpr int kMaxHexes = kMaxMapSide * kMaxMapSide;

// Marker table slots of the special markers.
enum MarkerSlot {
    MarkerHotHex = 1,
    MarkerCombatHex = 2,
    MarkerLegalMove = 3,
    MarkerUnitDestroyed = 4,
    MarkerWesternReinforcement = 5,
    MarkerEasternReinforcement = 6,
    MarkerObjective = 7,
    MarkerMapOverlay = 8,
    MarkerCaltrops = 9,
};

inline bool IsTerrainSymbol(int symbol) {
    return symbol >= 0 && symbol < kNoSymbol;
}

struct BattleSettings {
    int formatVersion = 100;
    int saveCount = 0;
    TextField<30> battleName;
    TextField<32> iconName = "sword";
    int maxTurns = 0;
    TextField<50> sideAName;
    TextField<50> sideBName;
    std::array<TextField<80>, kHistoryLines> history{};
    TextField<256> symbolSetName = "varnholm";
    int mapCols = 0;
    int mapRows = 0;
    int hexCount = 0; // mapCols × mapRows
    uint8_t gridLayout = 1;
    uint8_t saveViewPosition = 1;
    int viewOriginHex = 0;
    uint8_t zoomLevel = 0;
    uint8_t tableColour = 0;
    int headerWord = 0;
    uint8_t headerByte = 0;

    bool operator==(const BattleSettings&) const = default;
};

struct HexRecord {
    int primaryTerrain = 0;
    std::array<int, kSecondarySlots> secondaryTerrain{kNoSymbol, kNoSymbol, kNoSymbol,
                                                      kNoSymbol, kNoSymbol, kNoSymbol};
    int unitNo = 0;
    int structureNo = 0;
    int mapTextNo = 0;
    int objectiveNo = 0;
    int reinforcementMarker = 0;
    int caltropsMarker = 0;

    // Slot 0 is the primary terrain, slots 1 … 6 the secondary ones.
    int terrainSlot(int slot) const {
        return slot == 0 ? primaryTerrain : secondaryTerrain[size_t(slot - 1)];
    }
    bool operator==(const HexRecord&) const = default;
};

struct UnitRecord {
    TextField<28> name = "New Unit";
    int symbol = 0;
    int activationTurn = 1;
    int side = 1;
    int hex = 0;
    int unitType = 1;
    int unitClass = 0;
    int men = 0;
    int morale = 0;
    int combatWeapon = 0;
    int missileWeapon = 0;
    int missileAmmo = 0;
    int armour = 0;
    int shield = 0;
    int movementPoints = 0;
    int wingLeader = 0;
    int commandRange = 0;
    int leaderRating = 0;
    int value = 0;
    int wing = 0;
    int resupplyLevel = 0;

    bool operator==(const UnitRecord&) const = default;
};

using WingName = TextField<25>;

struct StructureRecord {
    TextField<28> name = "New Structure";
    int symbol = 0;
    int side = 1;
    int reserved1 = 0;
    int supplyLevel = 0;
    int reserved2 = 0;
    int hex = 0;
    int reserved3 = 1;
    int height = 0;
    int defenceModifier = 0;

    bool operator==(const StructureRecord&) const = default;
};

struct ObjectiveRecord {
    int hex = 0;
    TextField<28> name = "Land Objective";
    int kind = 1;
    int victoryPoints = 50;

    bool operator==(const ObjectiveRecord&) const = default;
};

// Map text fields may be filled to their last byte: the file then stores no NUL.
struct MapTextRecord {
    int hex = 0;
    FixedText<25> text;
    FixedText<25> fontName = "Ariaw";
    uint32_t colour = 0; // low byte red, then green, then blue
    std::array<uint8_t, 3> fontSize{};
    std::array<uint8_t, 3> orientation{};
    uint8_t style = 0;

    bool operator==(const MapTextRecord&) const = default;
};

struct TerrainAttr {
    TextField<28> name;
    int elevation = 0;
    int costPerMove = 0; // 0 = decoration, skipped by the per-hex values
    int defenceModifier = 0;
    int reserved = 0;

    bool operator==(const TerrainAttr&) const = default;
};
