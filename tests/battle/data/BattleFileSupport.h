#pragma once
// A battle that uses every field of the battle file, and helpers to reach into its bytes.

#include "BattleFile.h"
#include "BattleTestSupport.h"

inline UnitRecord FullUnit(const char* name, int side, int wing, int base) {
    UnitRecord u;
    u.name = name;
    u.symbol = base + 1;
    u.activationTurn = 1;
    u.side = side;
    u.unitType = 1 + base % 3;
    u.unitClass = base % 6;
    u.men = 100 + base;
    u.morale = 90 + base;
    u.combatWeapon = 1 + base % 2;
    u.missileWeapon = base % 2;
    u.missileAmmo = base % 4;
    u.armour = 2;
    u.shield = 1;
    u.movementPoints = 6 + base;
    u.wingLeader = 0;
    u.commandRange = 0;
    u.leaderRating = 0;
    u.value = 10 + base;
    u.wing = wing;
    u.resupplyLevel = -1 - base; // negative values must survive
    return u;
}

// 12 × 11 hexes, three wings, units (already in saving order), two structures, two
// objectives, two map texts (25 and 24 characters), terrain attributes and markers.
inline Battle FullBattle() {
    Battle b = NewBattle(12, 11);
    BattleSettings& s = b.settings;
    s.saveCount = 7;
    s.iconName = "castle";
    s.maxTurns = 45;
    s.history[0] = "The armies met at dawn.";
    s.history[50] = "\xe9t\xe9 \xe0 la rivi\xe8re"; // bytes above 127 are kept
    s.history[99] = "End.";
    s.symbolSetName = "moors";
    s.gridLayout = 3;
    s.saveViewPosition = 1;
    s.viewOriginHex = 13;
    s.zoomLevel = 2;
    s.tableColour = 200;
    b.AddWingName("Left");
    b.AddWingName("Right");

    UnitRecord leader = FullUnit("Duke Aldric", 1, 0, 3);
    leader.wingLeader = 1;
    leader.commandRange = 4;
    leader.leaderRating = 7;
    b.AddUnit(leader, 14);
    b.AddUnit(FullUnit("Spears", 1, 0, 2), 15);
    b.AddUnit(FullUnit("Archers", 1, 2, 1), 27);
    UnitRecord late = FullUnit("Riders", 2, 1, 4);
    late.activationTurn = 5;
    b.AddUnit(late, 130);
    b.SetReinforcementMarker(130, 28);

    StructureRecord keep;
    keep.name = "Keep";
    keep.symbol = 12;
    keep.side = 2;
    keep.reserved1 = 3;
    keep.supplyLevel = 100;
    keep.reserved2 = 0;
    keep.reserved3 = 1;
    keep.height = 10;
    keep.defenceModifier = -8;
    b.AddStructure(keep, 40);
    StructureRecord mill;
    mill.name = "Mill";
    mill.defenceModifier = 8;
    b.AddStructure(mill, 41);

    ObjectiveRecord bridge;
    bridge.name = "Bridge";
    bridge.victoryPoints = 75;
    b.AddObjective(bridge, 15);
    b.AddObjective(ObjectiveRecord(), 90);

    MapTextRecord river;
    river.text = "River Aln that runs south"; // 25 characters: no NUL in the file
    river.fontName = "Times";
    river.colour = 0x00123456;
    river.fontSize = {8, 10, 14};
    river.orientation = {1, 4, 8};
    river.style = 9 + 16 + 64;
    b.AddMapText(river, 60);
    MapTextRecord hill;
    hill.text = "Hill of the Seven Oaks ."; // 24 characters
    hill.fontName = "A font name of 25 chars!!";
    b.AddMapText(hill, 61);

    for (int h = 0; h < b.hexCount(); ++h)
        b.SetTerrainSlot(h, 0, h % 5);
    b.SetTerrainSlot(20, 0, kNoSymbol);
    b.SetTerrainSlot(21, 6, 4);
    b.SetTerrainSlot(22, 3, 499);
    b.SetCaltropsMarker(23, 30);

    for (int i = 0; i < 5; ++i) {
        b.terrainAttrs[size_t(i)].name.assign(QString("Terrain %1").arg(i));
        b.terrainAttrs[size_t(i)].elevation = i;
        b.terrainAttrs[size_t(i)].costPerMove = 13 - i;
        b.terrainAttrs[size_t(i)].defenceModifier = i - 8;
        b.terrainAttrs[size_t(i)].reserved = 300 + i;
    }
    b.markerTable[0] = -1;
    b.markerTable[24] = 65279;
    return b;
}

// Offset of the zero-ended text t in bytes (the first one); -1 when missing.
inline qsizetype TextOffset(const QByteArray& bytes, const char* t) {
    return bytes.indexOf(QByteArray(t) + '\0');
}

inline void PutFileInt(QByteArray& bytes, qsizetype at, int v) {
    bytes[at] = char((v >> 8) & 0xff);
    bytes[at + 1] = char(v & 0xff);
}
