#include "BattleState.h"

#include "Battle.h"
#include "BattleTableAccess.h"
#include "RecordBytes.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

void StoreLE32(uint8_t* p, int v) {
    const uint32_t u = uint32_t(v);
    p[0] = uint8_t(u);
    p[1] = uint8_t(u >> 8);
    p[2] = uint8_t(u >> 16);
    p[3] = uint8_t(u >> 24);
}

int LoadLE32(const uint8_t* p) {
    return int(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

// A hex is 13 integers, the primary terrain first: a changed terrain is the first bytes
// of its hex. Hexes are the bulk of the state, so they are written and read directly.
constexpr size_t kHexBytes = 13 * 4;

void StoreHex(uint8_t* p, const HexRecord& x) {
    StoreLE32(p, x.primaryTerrain);
    for (size_t i = 0; i < kSecondarySlots; ++i)
        StoreLE32(p + 4 + 4 * i, x.secondaryTerrain[i]);
    StoreLE32(p + 28, x.unitNo);
    StoreLE32(p + 32, x.structureNo);
    StoreLE32(p + 36, x.mapTextNo);
    StoreLE32(p + 40, x.objectiveNo);
    StoreLE32(p + 44, x.reinforcementMarker);
    StoreLE32(p + 48, x.caltropsMarker);
}

void LoadHex(const uint8_t* p, HexRecord& x) {
    x.primaryTerrain = LoadLE32(p);
    for (size_t i = 0; i < kSecondarySlots; ++i)
        x.secondaryTerrain[i] = LoadLE32(p + 4 + 4 * i);
    x.unitNo = LoadLE32(p + 28);
    x.structureNo = LoadLE32(p + 32);
    x.mapTextNo = LoadLE32(p + 36);
    x.objectiveNo = LoadLE32(p + 40);
    x.reinforcementMarker = LoadLE32(p + 44);
    x.caltropsMarker = LoadLE32(p + 48);
}

// The bytes of a default record: every unused slot of a table holds them.
template <class Record, class Fields> const std::vector<uint8_t>& BlankBytes(Fields fields) {
    static const std::vector<uint8_t> bytes = [fields] {
        std::vector<uint8_t> out;
        StateWriter w(out);
        const Record blank{};
        fields(w, blank);
        w.finish(0);
        return out;
    }();
    return bytes;
}

// The count, the records, and default records up to the capacity.
template <class Records, class Fields>
void WriteTable(StateWriter& w, const Records& records, int capacity, Fields fields) {
    const int n = int(std::distance(records.begin(), records.end()));
    w.i32(n);
    for (const auto& r : records)
        fields(w, r);
    const auto& blank = BlankBytes<typename Records::value_type>(fields);
    for (int k = n; k < capacity; ++k)
        w.bytes(blank.data(), blank.size());
}

template <class Records, class Fields>
void ReadTable(StateReader& r, Records& records, int capacity, Fields fields) {
    const int n = r.count(capacity);
    records.clear();
    typename Records::value_type record{};
    for (int k = 0; k < n; ++k) {
        fields(r, record);
        records.push_back(record);
    }
    r.skip(BlankBytes<typename Records::value_type>(fields).size() * size_t(capacity - n));
}

// RecordTable appends instead of pushing back.
template <class Record, int Capacity> struct TableAppender {
    using value_type = Record;
    RecordTable<Record, Capacity>& table;
    void clear() { table.clear(); }
    void push_back(const Record& r) { table.append(r); }
};

template <class Record, int Capacity>
void ReadRecordTable(StateReader& r, RecordTable<Record, Capacity>& table, auto fields) {
    TableAppender<Record, Capacity> out{table};
    ReadTable(r, out, Capacity, fields);
}

const auto kUnitFields = [](auto& c, auto& r) { UnitFields(c, r); };
const auto kStructureFields = [](auto& c, auto& r) { StructureFields(c, r); };
const auto kObjectiveFields = [](auto& c, auto& r) { ObjectiveFields(c, r); };
const auto kMapTextFields = [](auto& c, auto& r) { MapTextFields(c, r); };
const auto kWingFields = [](auto& c, auto& r) { c.text(r); };

// Everything before the hexes: their count (so that the size can be checked first),
// the settings, terrain attributes, markers and the record tables.
template <class C, class B> void FrontPart(C& c, B& b) {
    SettingsFields(c, b.settings);
    for (auto& a : b.terrainAttrs)
        TerrainFields(c, a);
    for (auto& slot : b.markerTable)
        c.i32(slot);
}

void WriteFront(StateWriter& w, const Battle& b) {
    w.i32(b.hexCount());
    FrontPart(w, b);
    WriteTable(w, b.wingNames(), kMaxWings, kWingFields);
    WriteTable(w, b.units(), kMaxUnits, kUnitFields);
    WriteTable(w, b.structures(), kMaxStructures, kStructureFields);
    WriteTable(w, b.objectives(), kMaxObjectives, kObjectiveFields);
    WriteTable(w, b.mapTexts(), kMaxMapTexts, kMapTextFields);
}

size_t FrontBytes() {
    static const size_t bytes = [] {
        std::vector<uint8_t> out;
        StateWriter w(out);
        WriteFront(w, Battle());
        return size_t(w.finish(0) - out.data());
    }();
    return bytes;
}

// The hex count the bytes hold, or -1 when their size does not fit it.
int HexCountOf(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < FrontBytes())
        return -1;
    const int n = LoadLE32(bytes.data());
    if (n < 0 || n > kMaxHexes || bytes.size() != FrontBytes() + size_t(n) * kHexBytes)
        return -1;
    return n;
}

bool ReadFront(const std::vector<uint8_t>& bytes, Battle& b) {
    StateReader r(bytes.data(), bytes.data() + FrontBytes());
    int hexCount = 0;
    r.i32(hexCount);
    FrontPart(r, b);
    ReadTable(r, BattleTableAccess::wings(b), kMaxWings, kWingFields);
    ReadRecordTable(r, BattleTableAccess::units(b), kUnitFields);
    ReadRecordTable(r, BattleTableAccess::structures(b), kStructureFields);
    ReadRecordTable(r, BattleTableAccess::objectives(b), kObjectiveFields);
    ReadRecordTable(r, BattleTableAccess::mapTexts(b), kMapTextFields);
    return r.ok();
}

} // namespace

void EncodeBattleState(const Battle& b, std::vector<uint8_t>& out) {
    StateWriter w(out);
    WriteFront(w, b);
    uint8_t* p = w.finish(size_t(b.hexCount()) * kHexBytes);
    for (const HexRecord& x : b.hexes()) {
        StoreHex(p, x);
        p += kHexBytes;
    }
}

bool DecodeBattleState(const std::vector<uint8_t>& bytes, Battle& b) {
    const int hexCount = HexCountOf(bytes);
    if (hexCount < 0 || !ReadFront(bytes, b))
        return false;
    auto& hexes = BattleTableAccess::hexes(b);
    hexes.resize(size_t(hexCount));
    const uint8_t* p = bytes.data() + FrontBytes();
    for (HexRecord& x : hexes) {
        LoadHex(p, x);
        p += kHexBytes;
    }
    return true;
}

bool DecodeBattleStateChanges(const std::vector<uint8_t>& bytes, Battle& b,
                              const BattleStateDiff& diff) {
    if (!diff.sameSize() || HexCountOf(bytes) != b.hexCount())
        return DecodeBattleState(bytes, b);
    if (!ReadFront(bytes, b))
        return false;
    auto& hexes = BattleTableAccess::hexes(b);
    const size_t start = FrontBytes();
    size_t next = 0; // hexes below have been read
    diff.ForEachRun([&](size_t at, size_t n, const uint8_t*) {
        if (at + n <= start)
            return;
        const size_t first = std::max(next, (std::max(at, start) - start) / kHexBytes);
        const size_t last = (at + n - 1 - start) / kHexBytes;
        for (size_t h = first; h <= last; ++h)
            LoadHex(bytes.data() + start + h * kHexBytes, hexes[h]);
        next = std::max(next, last + 1);
    });
    return true;
}
