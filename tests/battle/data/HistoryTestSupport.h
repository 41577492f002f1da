#pragma once
// Helpers of the undo history tests: the battle's file bytes, a check of the hex ↔
// record links, and a source of random edits through the battle's operations.

#include "BattleFile.h"
#include "BattleHistory.h"
#include "BattleTestSupport.h"

#include <gtest/gtest.h>

#include <random>

inline QByteArray FileBytes(const Battle& b) {
    return EncodeBattle(b, 0, kMaxTerrainAttrs);
}

// Every record's hex names it back, and every hex link names a record standing there.
template <class Table>
testing::AssertionResult TableLinked(const Battle& b, const Table& table, int HexRecord::*link,
                                     const char* what) {
    for (int n = 1; n <= table.count(); ++n) {
        const int h = table[n].hex;
        if (!b.IsHex(h) || b.hex(h).*link != n)
            return testing::AssertionFailure() << what << " " << n << " on hex " << h;
    }
    for (int h = 0; h < b.hexCount(); ++h) {
        const int n = b.hex(h).*link;
        if (n != 0 && (!table.valid(n) || table[n].hex != h))
            return testing::AssertionFailure() << "hex " << h << " names " << what << " " << n;
    }
    return testing::AssertionSuccess();
}

inline testing::AssertionResult LinksConsistent(const Battle& b) {
    for (auto r : {TableLinked(b, b.units(), &HexRecord::unitNo, "unit"),
                   TableLinked(b, b.structures(), &HexRecord::structureNo, "structure"),
                   TableLinked(b, b.objectives(), &HexRecord::objectiveNo, "objective"),
                   TableLinked(b, b.mapTexts(), &HexRecord::mapTextNo, "map text")}) {
        if (!r)
            return r;
    }
    return testing::AssertionSuccess();
}

// Random edits of every kind the battle offers. Each call makes one edit (sometimes one
// that changes nothing) and returns its caption.
class RandomEdits {
public:
    RandomEdits(Battle& battle, unsigned seed) : b_(battle), rng_(seed) {}

    QString Edit();

private:
    int Below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int Hex() { return Below(b_.hexCount()); }
    int Symbol() { return Below(8) == 0 ? kNoSymbol : Below(40); }
    QString Name(const char* stem) { return QString("%1 %2").arg(stem).arg(Below(1000)); }
    UnitRecord RandomUnit();
    MapTextRecord RandomMapText();

    Battle& b_;
    std::mt19937 rng_;
    Definitions defs_ = SmallDefinitions();
};

inline UnitRecord RandomEdits::RandomUnit() {
    UnitRecord u =
        Unit(1 + Below(2), Below(int(b_.wingNames().size())), 10 + Below(500), Below(100));
    u.name.assign(Name("Unit"));
    u.activationTurn = 1 + Below(3);
    u.combatWeapon = Below(3);
    u.armour = Below(3);
    u.wingLeader = Below(5) == 0;
    u.resupplyLevel = Below(300) - 256;
    return u;
}

inline MapTextRecord RandomEdits::RandomMapText() {
    MapTextRecord t;
    t.text.assign(Below(4) == 0 ? QString(25, QLatin1Char('x')) : Name("Ford"));
    t.colour = uint32_t(rng_());
    t.fontSize = {uint8_t(Below(30)), uint8_t(Below(30)), uint8_t(Below(30))};
    t.orientation = {uint8_t(1 + Below(8)), uint8_t(1 + Below(8)), uint8_t(1 + Below(8))};
    t.style = uint8_t(9 + 16 * Below(8));
    return t;
}

inline QString RandomEdits::Edit() {
    const int units = b_.unitCount();
    switch (Below(24)) {
    case 0:
    case 1:
    case 2:
        b_.SetTerrainSlot(Hex(), 0, Symbol());
        return "Place Primary Terrain";
    case 3:
    case 4:
        b_.SetTerrainSlot(Hex(), 1 + Below(kSecondarySlots), Symbol());
        return "Place Secondary Terrain";
    case 5:
        b_.SetReinforcementMarker(Hex(), Below(2) == 0 ? 0 : 28 + Below(2));
        return "Reinforcements";
    case 6:
        b_.SetCaltropsMarker(Hex(), Below(2) == 0 ? 0 : 30);
        return "Place Caltrops";
    case 7:
    case 8:
        b_.AddUnit(RandomUnit(), Hex()); // refused on a taken hex: no step
        return "Add Unit";
    case 9: {
        if (units == 0)
            return "Unit Changes";
        const int n = 1 + Below(units);
        b_.UpdateUnit(n, Below(3) == 0 ? UnitRecord(b_.unit(n)) : RandomUnit());
        return "Unit Changes";
    }
    case 10:
        b_.MoveUnit(1 + Below(units), Hex());
        return "Move Unit";
    case 11:
        b_.DeleteUnit(1 + Below(units));
        return "Cut Unit";
    case 12:
        b_.CopyUnitToClipboard(1 + Below(units));
        b_.AddClipboardUnit(Hex());
        return "Paste Unit";
    case 13: {
        StructureRecord s;
        s.name.assign(Name("Keep"));
        s.height = Below(11);
        if (Below(3) == 0 && b_.structures().count() > 0)
            b_.UpdateStructure(1 + Below(b_.structures().count()), s);
        else if (Below(2) == 0)
            b_.AddStructure(s, Hex());
        else
            b_.DeleteStructure(1 + Below(b_.structures().count()));
        return "Structures";
    }
    case 14: {
        ObjectiveRecord o;
        o.name.assign(Name("Hill"));
        o.victoryPoints = Below(101);
        if (Below(3) == 0 && b_.objectives().count() > 0)
            b_.UpdateObjective(1 + Below(b_.objectives().count()), o);
        else if (Below(2) == 0)
            b_.AddObjective(o, Hex());
        else
            b_.DeleteObjective(1 + Below(b_.objectives().count()));
        return "Objectives";
    }
    case 15: {
        const MapTextRecord t = RandomMapText();
        if (Below(3) == 0 && b_.mapTexts().count() > 0)
            b_.UpdateMapText(1 + Below(b_.mapTexts().count()), t);
        else if (Below(2) == 0)
            b_.AddMapText(t, Hex());
        else
            b_.DeleteMapText(1 + Below(b_.mapTexts().count()));
        return "Map Text";
    }
    case 16:
        b_.AddWingName(Name("Wing"));
        return "Wing Name";
    case 17: {
        BattleSettings& s = b_.settings;
        s.battleName.assign(Name("Battle"));
        s.sideAName.assign(Name("West"));
        s.maxTurns = 1 + Below(99);
        s.history[size_t(Below(kHistoryLines))].assign(Name("Line"));
        s.saveViewPosition = uint8_t(Below(2));
        return "Battle Settings";
    }
    case 18:
        b_.settings.tableColour = uint8_t(Below(256));
        return "Table Colour";
    case 19: {
        TerrainAttr& a = b_.terrainAttrs[size_t(Below(kMaxTerrainAttrs))];
        a.name.assign(Name("Marsh"));
        a.elevation = Below(11);
        a.costPerMove = Below(14);
        a.defenceModifier = Below(17) - 8;
        return "Terrain Attributes";
    }
    case 20:
        b_.markerTable[size_t(Below(kMarkerSlots))] = Symbol();
        return "Special Hex Markers";
    case 21:
        b_.PutUnitsInCanonicalOrder(defs_);
        return "Canonical Order";
    case 22:
        for (int i = 0; i < 5; ++i) // several hexes in one step, as a drag or a fill
            b_.SetTerrainSlot(Hex(), 0, Symbol());
        return "Fill Primary Terrain";
    default:
        // a dialog left without a change
        return "Nothing";
    }
}
