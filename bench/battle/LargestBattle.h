#pragma once
// The largest battle the editor holds: 150 × 150 hexes with terrain on every hex, 500
// units, 100 structures, 99 objectives, 50 map texts, 50 wings and 500 terrain records.

#include "Battle.h"
#include "Definitions.h"

#include <QString>

inline Battle LargestBattle() {
    Battle b;
    b.settings.mapCols = kMaxMapSide;
    b.settings.mapRows = kMaxMapSide;
    b.settings.battleName = "Largest";
    b.settings.sideAName = "Western Forces";
    b.settings.sideBName = "Eastern Forces";
    for (auto& line : b.settings.history)
        line.assign(QString(79, QLatin1Char('h')));
    b.InitNewBattle(nullptr);
    for (int w = 1; w < kMaxWings; ++w)
        b.AddWingName(QString("Wing %1").arg(w));
    for (int h = 0; h < b.hexCount(); ++h) {
        b.SetTerrainSlot(h, 0, h % kMaxTerrainAttrs);
        b.SetTerrainSlot(h, 1 + h % 6, (h * 7) % kMaxTerrainAttrs);
    }
    for (int i = 0; i < kMaxUnits; ++i) {
        UnitRecord u;
        u.name.assign(QString("Unit %1").arg(i));
        u.side = 1 + i % 2;
        u.wing = i % kMaxWings;
        u.men = 50 + i;
        u.morale = 60 + i % 50;
        u.wingLeader = i % 25 == 0;
        b.AddUnit(u, i * 41);
    }
    for (int i = 0; i < kMaxStructures; ++i)
        b.AddStructure(StructureRecord(), i * 211 + 3);
    for (int i = 0; i < kMaxObjectives; ++i)
        b.AddObjective(ObjectiveRecord(), i * 223 + 5);
    for (int i = 0; i < kMaxMapTexts; ++i) {
        MapTextRecord t;
        t.text.assign(QString("Place name number %1").arg(i));
        b.AddMapText(t, i * 401 + 7);
    }
    for (int i = 0; i < kMaxTerrainAttrs; ++i) {
        b.terrainAttrs[size_t(i)].name.assign(QString("Terrain %1").arg(i));
        b.terrainAttrs[size_t(i)].costPerMove = 1 + i % 12;
    }
    return b;
}
