#pragma once
// The one battle the editor holds. The records are readable by everyone; every change
// that touches a hex link (a hex's unitNo, structureNo, objectiveNo or mapTextNo and the
// record's hex) goes through an operation here, which keeps both sides in step. Only the
// battle document hands out a writable battle, inside its edit call (BattleDocument.h).

#include "BattleRecords.h"
#include "MessageSink.h"
#include "RecordTable.h"

#include <vector>

struct Definitions;

using UnitTable = RecordTable<UnitRecord, kMaxUnits>;
using StructureTable = RecordTable<StructureRecord, kMaxStructures>;
using ObjectiveTable = RecordTable<ObjectiveRecord, kMaxObjectives>;
using MapTextTable = RecordTable<MapTextRecord, kMaxMapTexts>;

class Battle {
public:
    Battle();

    // Fields without links: edited directly by the dialogs.
    BattleSettings settings;
    std::array<TerrainAttr, kMaxTerrainAttrs> terrainAttrs{};
    std::array<int, kMarkerSlots> markerTable{};
    UnitRecord unitClipboard;

    // Hexes -------------------------------------------------------------------------
    // Replaces the hex array by hexCount fresh hexes. Shows "Hex Array Mem Allocation
    // Error." and leaves no hex array when it cannot be had.
    bool AllocateHexArray(int hexCount, const MessageSink& sink);
    // An empty map of the current mapCols × mapRows with no records and one wing "Main";
    // the terrain attributes are kept. The caller also computes the set's cell steps.
    bool InitNewBattle(const MessageSink& sink);

    int hexCount() const { return int(hexes_.size()); }
    bool IsHex(int h) const { return h >= 0 && h < hexCount(); }
    const HexRecord& hex(int h) const { return hexes_[size_t(h)]; }
    const std::vector<HexRecord>& hexes() const { return hexes_; }
    // Slot 0 is the primary terrain, 1 … 6 the secondary ones.
    void SetTerrainSlot(int h, int slot, int symbol);
    void SetReinforcementMarker(int h, int symbol);
    void SetCaltropsMarker(int h, int symbol);

    // Units -------------------------------------------------------------------------
    const UnitTable& units() const { return units_; }
    int unitCount() const { return units_.count(); }
    const UnitRecord& unit(int n) const { return units_[n]; }
    // The new unit's number, or 0 when the table is full or h is off the map or taken.
    int AddUnit(const UnitRecord& r, int h);
    // Every field but hex.
    void UpdateUnit(int n, const UnitRecord& r);
    bool MoveUnit(int n, int h);
    // Later units move down one number; their hexes follow.
    void DeleteUnit(int n);
    void CopyUnitToClipboard(int n);
    // A copy of the clipboard unit standing on h as the new last unit; 0 when refused.
    int AddClipboardUnit(int h);
    // Side 1 before side 2, wing by wing, leaders and then the strongest first.
    void PutUnitsInCanonicalOrder(const Definitions& defs);

    // Wing names ---------------------------------------------------------------------
    const std::vector<WingName>& wingNames() const { return wingNames_; }
    // The new wing's index, or -1 when the list is full.
    int AddWingName(const QString& name);

    // Structures, objectives, map texts -----------------------------------------------
    const StructureTable& structures() const { return structures_; }
    int AddStructure(const StructureRecord& r, int h);
    void UpdateStructure(int n, const StructureRecord& r);
    void DeleteStructure(int n);

    const ObjectiveTable& objectives() const { return objectives_; }
    int AddObjective(const ObjectiveRecord& r, int h);
    void UpdateObjective(int n, const ObjectiveRecord& r);
    void DeleteObjective(int n);

    const MapTextTable& mapTexts() const { return mapTexts_; }
    int AddMapText(const MapTextRecord& r, int h);
    void UpdateMapText(int n, const MapTextRecord& r);
    void DeleteMapText(int n);

private:
    // The battle file reader fills a fresh battle; the undo history restores a state.
    friend struct BattleTableAccess;

    template <class Table>
    int AddLinked(Table& table, typename Table::value_type r, int h, int HexRecord::*link);
    template <class Table> void DeleteLinked(Table& table, int n, int HexRecord::*link);
    void RelinkUnits();

    std::vector<HexRecord> hexes_;
    UnitTable units_;
    std::vector<WingName> wingNames_;
    StructureTable structures_;
    ObjectiveTable objectives_;
    MapTextTable mapTexts_;
};

// Marker table of a new battle: every slot empty, and the standard set's markers when
// the set is exactly "varnholm" or "Varnholm".
std::array<int, kMarkerSlots> NewMarkerTable(const QByteArray& symbolSetName);
