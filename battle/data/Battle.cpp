#include "Battle.h"

#include <new>

Battle::Battle() {
    markerTable.fill(kNoSymbol);
}

bool Battle::AllocateHexArray(int count, const MessageSink& sink) {
    hexes_.clear();
    hexes_.shrink_to_fit();
    if (count > 0 && count <= kMaxHexes) {
        try {
            hexes_.resize(size_t(count));
            return true;
        } catch (const std::bad_alloc&) {
            hexes_.clear();
        }
    }
    Warn(sink, QStringLiteral("Hex Array Mem Allocation Error."));
    return false;
}

std::array<int, kMarkerSlots> NewMarkerTable(const QByteArray& symbolSetName) {
    std::array<int, kMarkerSlots> table;
    table.fill(kNoSymbol);
    if (symbolSetName == "varnholm" || symbolSetName == "Varnholm") {
        static constexpr int kStandard[] = {0, 17, 18, 19, 20, 29, 28, 9, 7, 30};
        for (size_t i = 0; i < std::size(kStandard); ++i)
            table[i] = kStandard[i];
    }
    return table;
}

bool Battle::InitNewBattle(const MessageSink& sink) {
    settings.hexCount = settings.mapCols * settings.mapRows;
    if (!AllocateHexArray(settings.hexCount, sink))
        return false;
    units_.clear();
    structures_.clear();
    objectives_.clear();
    mapTexts_.clear();
    settings.saveViewPosition = 0;
    settings.viewOriginHex = 0;
    settings.zoomLevel = 0;
    wingNames_.assign(1, WingName("Main"));
    markerTable = NewMarkerTable(settings.symbolSetName.bytes());
    return true;
}

void Battle::SetTerrainSlot(int h, int slot, int symbol) {
    if (!IsHex(h) || slot < 0 || slot > kSecondarySlots)
        return;
    HexRecord& x = hexes_[size_t(h)];
    (slot == 0 ? x.primaryTerrain : x.secondaryTerrain[size_t(slot - 1)]) = symbol;
}

void Battle::SetReinforcementMarker(int h, int symbol) {
    if (!IsHex(h))
        return;
    hexes_[size_t(h)].reinforcementMarker = symbol;
}

void Battle::SetCaltropsMarker(int h, int symbol) {
    if (!IsHex(h))
        return;
    hexes_[size_t(h)].caltropsMarker = symbol;
}

template <class Table>
int Battle::AddLinked(Table& table, typename Table::value_type r, int h, int HexRecord::*link) {
    if (!IsHex(h) || hexes_[size_t(h)].*link != 0)
        return 0;
    r.hex = h;
    const int n = table.append(r);
    if (n != 0) {
        hexes_[size_t(h)].*link = n;
    }
    return n;
}

template <class Table> void Battle::DeleteLinked(Table& table, int n, int HexRecord::*link) {
    if (!table.valid(n))
        return;
    const int h = table[n].hex;
    table.remove(n);
    for (int k = n; k <= table.count(); ++k) {
        if (IsHex(table[k].hex))
            hexes_[size_t(table[k].hex)].*link = k;
    }
    if (IsHex(h) && hexes_[size_t(h)].*link == n)
        hexes_[size_t(h)].*link = 0;
}

int Battle::AddUnit(const UnitRecord& r, int h) {
    return AddLinked(units_, r, h, &HexRecord::unitNo);
}

void Battle::UpdateUnit(int n, const UnitRecord& r) {
    if (!units_.valid(n))
        return;
    const int h = units_[n].hex;
    units_[n] = r;
    units_[n].hex = h;
}

bool Battle::MoveUnit(int n, int h) {
    if (!units_.valid(n) || !IsHex(h) || hexes_[size_t(h)].unitNo != 0)
        return false;
    const int old = units_[n].hex;
    if (IsHex(old) && hexes_[size_t(old)].unitNo == n)
        hexes_[size_t(old)].unitNo = 0;
    units_[n].hex = h;
    hexes_[size_t(h)].unitNo = n;
    return true;
}

void Battle::DeleteUnit(int n) {
    DeleteLinked(units_, n, &HexRecord::unitNo);
}

void Battle::CopyUnitToClipboard(int n) {
    if (units_.valid(n))
        unitClipboard = units_[n];
}

int Battle::AddClipboardUnit(int h) {
    return AddUnit(unitClipboard, h);
}

void Battle::RelinkUnits() {
    for (HexRecord& x : hexes_)
        x.unitNo = 0;
    for (int u = 1; u <= units_.count(); ++u) {
        if (IsHex(units_[u].hex))
            hexes_[size_t(units_[u].hex)].unitNo = u;
    }
}

int Battle::AddWingName(const QString& name) {
    if (int(wingNames_.size()) >= kMaxWings)
        return -1;
    WingName w;
    w.assign(name);
    wingNames_.push_back(w);
    return int(wingNames_.size()) - 1;
}

int Battle::AddStructure(const StructureRecord& r, int h) {
    return AddLinked(structures_, r, h, &HexRecord::structureNo);
}

void Battle::UpdateStructure(int n, const StructureRecord& r) {
    if (!structures_.valid(n))
        return;
    const int h = structures_[n].hex;
    structures_[n] = r;
    structures_[n].hex = h;
}

void Battle::DeleteStructure(int n) {
    DeleteLinked(structures_, n, &HexRecord::structureNo);
}

int Battle::AddObjective(const ObjectiveRecord& r, int h) {
    return AddLinked(objectives_, r, h, &HexRecord::objectiveNo);
}

void Battle::UpdateObjective(int n, const ObjectiveRecord& r) {
    if (!objectives_.valid(n))
        return;
    const int h = objectives_[n].hex;
    objectives_[n] = r;
    objectives_[n].hex = h;
}

void Battle::DeleteObjective(int n) {
    DeleteLinked(objectives_, n, &HexRecord::objectiveNo);
}

int Battle::AddMapText(const MapTextRecord& r, int h) {
    return AddLinked(mapTexts_, r, h, &HexRecord::mapTextNo);
}

void Battle::UpdateMapText(int n, const MapTextRecord& r) {
    if (!mapTexts_.valid(n))
        return;
    const int h = mapTexts_[n].hex;
    mapTexts_[n] = r;
    mapTexts_[n].hex = h;
}

void Battle::DeleteMapText(int n) {
    DeleteLinked(mapTexts_, n, &HexRecord::mapTextNo);
}
