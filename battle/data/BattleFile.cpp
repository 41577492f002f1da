#include "BattleFile.h"

#include "AtomicWrite.h"

#include "Battle.h"
#include "BattleBytes.h"
#include "BattleTableAccess.h"

#include <QFile>

#include <algorithm>
#include <memory>

namespace {

constexpr int kFormatVersion = 100;

void WriteUnit(BattleByteWriter& w, const UnitRecord& u) {
    w.fileText(u.name);
    for (int v : {u.symbol,         u.activationTurn, u.side,         u.wing,
                  u.unitType,       u.unitClass,      u.men,          u.morale,
                  u.combatWeapon,   u.missileWeapon,  u.missileAmmo,  u.armour,
                  u.shield,         u.wingLeader,     u.commandRange, u.leaderRating,
                  u.movementPoints, u.value,          u.hex,          u.resupplyLevel})
        w.fileInt(v);
}

void ReadUnit(BattleByteReader& r, UnitRecord& u) {
    r.fileText(u.name);
    for (int* v : {&u.symbol,         &u.activationTurn, &u.side,         &u.wing,
                   &u.unitType,       &u.unitClass,      &u.men,          &u.morale,
                   &u.combatWeapon,   &u.missileWeapon,  &u.missileAmmo,  &u.armour,
                   &u.shield,         &u.wingLeader,     &u.commandRange, &u.leaderRating,
                   &u.movementPoints, &u.value,          &u.hex,          &u.resupplyLevel})
        *v = r.fileInt();
}

void WriteStructure(BattleByteWriter& w, const StructureRecord& s) {
    w.fileText(s.name);
    for (int v : {s.symbol, s.side, s.reserved1, s.supplyLevel, s.reserved2, s.hex, s.reserved3,
                  s.defenceModifier, s.height})
        w.fileInt(v);
}

void ReadStructure(BattleByteReader& r, StructureRecord& s) {
    r.fileText(s.name);
    for (int* v : {&s.symbol, &s.side, &s.reserved1, &s.supplyLevel, &s.reserved2, &s.hex,
                   &s.reserved3, &s.defenceModifier, &s.height})
        *v = r.fileInt();
}

// structureNo comes before unitNo in the file.
void WriteHex(BattleByteWriter& w, const HexRecord& x) {
    w.fileInt(x.primaryTerrain);
    for (int s : x.secondaryTerrain)
        w.fileInt(s);
    for (int v : {x.structureNo, x.unitNo, x.mapTextNo, x.objectiveNo, x.reinforcementMarker,
                  x.caltropsMarker})
        w.fileInt(v);
}

void ReadHex(BattleByteReader& r, HexRecord& x) {
    x.primaryTerrain = r.fileInt();
    for (int& s : x.secondaryTerrain)
        s = r.fileInt();
    for (int* v : {&x.structureNo, &x.unitNo, &x.mapTextNo, &x.objectiveNo, &x.reinforcementMarker,
                   &x.caltropsMarker})
        *v = r.fileInt();
}

void WriteMapText(BattleByteWriter& w, const MapTextRecord& t) {
    w.fileInt(t.hex);
    w.fileText25(t.text);
    w.fileText25(t.fontName);
    w.fileColour(t.colour);
    for (uint8_t v : t.fontSize)
        w.fileByte(v);
    for (uint8_t v : t.orientation)
        w.fileByte(v);
    w.fileByte(t.style);
}

void ReadMapText(BattleByteReader& r, MapTextRecord& t) {
    t.hex = r.fileInt();
    r.fileText25(t.text);
    r.fileText25(t.fontName);
    t.colour = r.fileColour();
    for (uint8_t& v : t.fontSize)
        v = uint8_t(r.fileByte());
    for (uint8_t& v : t.orientation)
        v = uint8_t(r.fileByte());
    t.style = uint8_t(r.fileByte());
}

void WriteTerrainAttr(BattleByteWriter& w, const TerrainAttr& a) {
    w.fileText(a.name);
    for (int v : {a.elevation, a.costPerMove, a.defenceModifier, a.reserved})
        w.fileInt(v);
}

void ReadTerrainAttr(BattleByteReader& r, TerrainAttr& a) {
    r.fileText(a.name);
    for (int* v : {&a.elevation, &a.costPerMove, &a.defenceModifier, &a.reserved})
        *v = r.fileInt();
}

// A count read from the file, refused when negative or beyond its table.
int ReadCount(BattleByteReader& r, int capacity) {
    const int n = r.fileInt();
    if (n < 0 || n > capacity)
        r.fail();
    return r.ok() ? n : 0;
}

// Every record stands on the map, and no two on the same hex: a hex holds one of each.
template <class Table> bool RecordsOnMap(const Table& table, const std::vector<HexRecord>& hexes) {
    std::vector<bool> taken(hexes.size(), false);
    for (const auto& rec : table) {
        if (rec.hex < 0 || rec.hex >= int(hexes.size()) || taken[size_t(rec.hex)])
            return false;
        taken[size_t(rec.hex)] = true;
    }
    return true;
}

// Every hex link names a record of its table and the records stand on the map.
bool LinksInRange(Battle& b) {
    const auto& hexes = BattleTableAccess::hexes(b);
    const int units = b.unitCount(), structures = b.structures().count();
    const int objectives = b.objectives().count(), texts = b.mapTexts().count();
    for (const HexRecord& x : hexes) {
        if (x.unitNo < 0 || x.unitNo > units || x.structureNo < 0 || x.structureNo > structures ||
            x.objectiveNo < 0 || x.objectiveNo > objectives || x.mapTextNo < 0 ||
            x.mapTextNo > texts)
            return false;
    }
    return RecordsOnMap(b.units(), hexes) && RecordsOnMap(b.structures(), hexes) &&
           RecordsOnMap(b.objectives(), hexes) && RecordsOnMap(b.mapTexts(), hexes);
}

// The records name their hexes; the hexes are made to name them back, so that both sides
// agree from the start whatever the file held.
template <class Table>
void LinkHexesTo(const Table& table, std::vector<HexRecord>& hexes, int HexRecord::*link) {
    for (HexRecord& x : hexes)
        x.*link = 0;
    for (int n = 1; n <= table.count(); ++n)
        hexes[size_t(table[n].hex)].*link = n;
}

void RelinkHexes(Battle& b) {
    auto& hexes = BattleTableAccess::hexes(b);
    LinkHexesTo(b.units(), hexes, &HexRecord::unitNo);
    LinkHexesTo(b.structures(), hexes, &HexRecord::structureNo);
    LinkHexesTo(b.objectives(), hexes, &HexRecord::objectiveNo);
    LinkHexesTo(b.mapTexts(), hexes, &HexRecord::mapTextNo);
}

} // namespace

QByteArray EncodeBattle(const Battle& b, int saveCount, int terrainCount) {
    const BattleSettings& s = b.settings;
    terrainCount = std::clamp(terrainCount, 0, kMaxTerrainAttrs);
    BattleByteWriter w(qsizetype(b.hexCount()) * 26 + 16384 + b.unitCount() * 70);
    w.fileInt(kFormatVersion);
    w.fileInt(saveCount);
    w.fileText(s.battleName);
    w.fileText(s.iconName);
    w.fileInt(s.maxTurns);
    w.fileInt(b.unitCount());
    w.fileInt(b.structures().count());
    w.fileInt(b.objectives().count());
    w.fileInt(s.headerWord);
    w.fileText(s.sideAName);
    w.fileText(s.sideBName);
    for (const auto& line : s.history)
        w.fileText(line);
    w.fileInt(int(b.wingNames().size()));
    for (const WingName& name : b.wingNames())
        w.fileText(name);
    for (const UnitRecord& u : b.units())
        WriteUnit(w, u);
    for (const StructureRecord& st : b.structures())
        WriteStructure(w, st);
    for (const ObjectiveRecord& o : b.objectives()) {
        w.fileText(o.name);
        w.fileInt(o.hex);
        w.fileInt(o.kind);
        w.fileInt(o.victoryPoints);
    }
    w.fileText(s.symbolSetName);
    w.fileByte(s.headerByte);
    w.fileInt(s.mapCols);
    w.fileInt(s.mapRows);
    for (const HexRecord& x : b.hexes())
        WriteHex(w, x);
    w.fileInt(b.mapTexts().count());
    for (const MapTextRecord& t : b.mapTexts())
        WriteMapText(w, t);
    w.fileByte(s.gridLayout);
    w.fileByte(s.saveViewPosition);
    w.fileInt(s.saveViewPosition >= 1 ? s.viewOriginHex : 0);
    w.fileInt(s.saveViewPosition >= 1 ? s.zoomLevel : 0);
    w.fileByte(s.tableColour);
    w.fileInt(terrainCount);
    for (int i = 0; i < terrainCount; ++i)
        WriteTerrainAttr(w, b.terrainAttrs[size_t(i)]);
    for (int slot : b.markerTable)
        w.fileInt(slot);
    return w.data();
}

BattleDecodeResult DecodeBattle(const QByteArray& bytes, Battle& b, const MessageSink& sink) {
    BattleByteReader r(bytes);
    BattleSettings& s = b.settings;
    s.formatVersion = kFormatVersion;
    r.fileInt(); // the version is not used
    s.saveCount = r.fileInt();
    r.fileText(s.battleName);
    r.fileText(s.iconName);
    s.maxTurns = r.fileInt();
    const int unitCount = ReadCount(r, kMaxUnits);
    const int structureCount = ReadCount(r, kMaxStructures);
    const int objectiveCount = ReadCount(r, kMaxObjectives);
    s.headerWord = r.fileInt();
    r.fileText(s.sideAName);
    r.fileText(s.sideBName);
    for (auto& line : s.history)
        r.fileText(line);

    auto& wings = BattleTableAccess::wings(b);
    wings.assign(size_t(ReadCount(r, kMaxWings)), WingName());
    for (WingName& name : wings)
        r.fileText(name);

    UnitTable& units = BattleTableAccess::units(b);
    units.clear();
    for (int i = 0; i < unitCount && r.ok(); ++i) {
        UnitRecord u;
        ReadUnit(r, u);
        units.append(u);
    }
    StructureTable& structures = BattleTableAccess::structures(b);
    structures.clear();
    for (int i = 0; i < structureCount && r.ok(); ++i) {
        StructureRecord st;
        ReadStructure(r, st);
        structures.append(st);
    }
    ObjectiveTable& objectives = BattleTableAccess::objectives(b);
    objectives.clear();
    for (int i = 0; i < objectiveCount && r.ok(); ++i) {
        ObjectiveRecord o;
        r.fileText(o.name);
        o.hex = r.fileInt();
        o.kind = r.fileInt();
        o.victoryPoints = r.fileInt();
        objectives.append(o);
    }
    r.fileText(s.symbolSetName);
    s.headerByte = uint8_t(r.fileByte());
    s.mapCols = r.fileInt();
    s.mapRows = r.fileInt();
    if (!r.ok() || s.mapCols < kMinMapSide || s.mapCols > kMaxMapSide || s.mapRows < kMinMapSide ||
        s.mapRows > kMaxMapSide)
        return BattleDecodeResult::Refused;
    s.hexCount = s.mapCols * s.mapRows;
    if (!b.AllocateHexArray(s.hexCount, sink))
        return BattleDecodeResult::NoHexArray;
    for (HexRecord& x : BattleTableAccess::hexes(b))
        ReadHex(r, x);

    MapTextTable& texts = BattleTableAccess::mapTexts(b);
    texts.clear();
    const int textCount = ReadCount(r, kMaxMapTexts);
    for (int i = 0; i < textCount && r.ok(); ++i) {
        MapTextRecord t;
        ReadMapText(r, t);
        texts.append(t);
    }
    s.gridLayout = uint8_t(r.fileByte());
    if (s.gridLayout < 1 || s.gridLayout > 3)
        s.gridLayout = 1;
    s.saveViewPosition = uint8_t(r.fileByte());
    s.viewOriginHex = r.fileInt();
    if (!b.IsHex(s.viewOriginHex))
        s.viewOriginHex = 0;
    const int zoom = r.fileInt();
    s.zoomLevel = uint8_t(zoom >= 0 && zoom <= 2 ? zoom : 0);
    s.tableColour = uint8_t(r.fileByte());
    const int attrCount = ReadCount(r, kMaxTerrainAttrs);
    for (int i = 0; i < attrCount && r.ok(); ++i)
        ReadTerrainAttr(r, b.terrainAttrs[size_t(i)]);
    for (int& slot : b.markerTable)
        slot = r.fileInt();

    if (!r.ok() || !LinksInRange(b))
        return BattleDecodeResult::Refused;
    RelinkHexes(b);
    RemoveEmptyWingNames(b);
    return BattleDecodeResult::Decoded;
}

void RemoveEmptyWingNames(Battle& b) {
    auto& wings = BattleTableAccess::wings(b);
    UnitTable& units = BattleTableAccess::units(b);
    for (int i = 0; i < int(wings.size());) {
        if (!wings[size_t(i)].empty()) {
            ++i;
            continue;
        }
        wings.erase(wings.begin() + i);
        for (UnitRecord& u : units) {
            if (u.wing >= i)
                u.wing = std::max(u.wing - 1, 0);
        }
    }
    // A wing the list does not hold (the unit editor can leave -1) is the first wing.
    for (UnitRecord& u : units) {
        if (u.wing < 0 || u.wing >= int(wings.size()))
            u.wing = 0;
    }
}

bool ReadBattleFile(const QString& path, Battle& battle, const MessageSink& sink) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Warn(sink, kCouldNotOpenFile);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Warn(sink, kCouldNotOpenFile);
        return false;
    }
    file.close();

    auto fresh = std::make_unique<Battle>();
    fresh->terrainAttrs = battle.terrainAttrs; // kept from battle to battle
    fresh->unitClipboard = battle.unitClipboard;
    switch (DecodeBattle(bytes, *fresh, sink)) {
    case BattleDecodeResult::Decoded:
        break;
    case BattleDecodeResult::Refused:
        Warn(sink, kCouldNotOpenFile);
        return false;
    case BattleDecodeResult::NoHexArray:
        return false;
    }
    battle = std::move(*fresh);
    return true;
}

bool WriteBattleFile(const QString& path, Battle& battle, const Definitions& defs,
                     int terrainSymbolCount, const MessageSink& sink) {
    battle.PutUnitsInCanonicalOrder(defs);
    const int saveCount = battle.settings.saveCount + 1;
    const QByteArray bytes = EncodeBattle(battle, saveCount, terrainSymbolCount);

    // The reason comes from the system: which file, and why (permission denied, no space
    // left on the device, a folder that is gone).
    const SetResult written = WriteFileAtomically(path, bytes);
    if (!written.ok) {
        Warn(sink, BattleSaveFailureText(written.message));
        return false;
    }
    battle.settings.saveCount = saveCount;
    return true;
}

QString BattleSaveFailureText(const QString& writeFailure) {
    return writeFailure + QStringLiteral("\rThe battle was not saved; the file on disk was left as "
                                         "it was.");
}
