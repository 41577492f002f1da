#include "RegionBytes.h"

#include "RecordBytes.h"

#include <cstdlib>
#include <set>
#include <utility>

const char* const kRegionMimeType = "application/x-fieldmark-hexes";

namespace {

constexpr char kMagic[] = "FMHEXRGN";
constexpr uint8_t kVersion = 1;
// The values a battle file can hold (its two-byte integer).
constexpr int kLowest = -256;
constexpr int kHighest = 65279;

// The reader that also refuses integers a battle could not save.
class CheckedReader {
public:
    explicit CheckedReader(StateReader& r) : r_(r) {}
    bool ok() const { return r_.ok() && inRange_; }
    void i32(int& v) {
        r_.i32(v);
        inRange_ = inRange_ && v >= kLowest && v <= kHighest;
    }
    void u32(uint32_t& v) { r_.u32(v); }
    void u8(uint8_t& v) { r_.u8(v); }
    template <int N> void text(FixedText<N>& t) { r_.text(t); }

private:
    StateReader& r_;
    bool inRange_ = true;
};

template <class C, class Cell> void CellFields(C& c, Cell& cell) {
    c.i32(cell.primaryTerrain);
    for (auto& s : cell.secondaryTerrain)
        c.i32(s);
    c.i32(cell.caltropsMarker);
    c.i32(cell.reinforcementMarker);
    c.i32(cell.unit);
    c.i32(cell.structure);
    c.i32(cell.objective);
    c.i32(cell.mapText);
}

template <class Record, class Fields>
void WriteRecords(StateWriter& w, const RegionRecords<Record>& list, Fields fields) {
    w.i32(list.size());
    for (int i = 0; i < list.size(); ++i) {
        w.i32(list.numbers[size_t(i)]);
        fields(w, list.records[size_t(i)]);
    }
}

template <class Record, class Fields>
bool ReadRecords(StateReader& r, RegionRecords<Record>& list, int capacity, Fields fields,
                 std::vector<WingName>* wings = nullptr) {
    const int n = r.count(capacity);
    CheckedReader checked(r);
    for (int i = 0; i < n && checked.ok(); ++i) {
        int number = 0;
        r.i32(number);
        Record record{};
        fields(checked, record);
        if (wings) {
            wings->emplace_back();
            r.text(wings->back());
        }
        if (number < 1 || number > capacity)
            return false;
        list.add(record, number);
    }
    return checked.ok();
}

const auto kUnit = [](auto& c, auto& r) { UnitFields(c, r); };
const auto kStructure = [](auto& c, auto& r) { StructureFields(c, r); };
const auto kObjective = [](auto& c, auto& r) { ObjectiveFields(c, r); };
const auto kMapText = [](auto& c, auto& r) { MapTextFields(c, r); };

// Each record is named by exactly one cell, and every position names a record.
bool PositionsHold(const HexRegion& region) {
    const auto check = [&](int RegionCell::*index, int size) {
        std::vector<int> seen(size_t(size), 0);
        for (const RegionCell& cell : region.cells) {
            const int k = cell.*index;
            if (k < 0 || k > size || (k > 0 && seen[size_t(k - 1)]++ != 0))
                return false;
        }
        return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
    };
    return check(&RegionCell::unit, region.units.size()) &&
           check(&RegionCell::structure, region.structures.size()) &&
           check(&RegionCell::objective, region.objectives.size()) &&
           check(&RegionCell::mapText, region.mapTexts.size());
}

} // namespace

QByteArray EncodeRegion(const HexRegion& region) {
    std::vector<uint8_t> out;
    StateWriter w(out);
    w.bytes(reinterpret_cast<const uint8_t*>(kMagic), 8);
    w.u8(kVersion);
    FixedText<255> setName;
    setName.assign(QByteArrayView(region.setName));
    w.text(setName);
    w.i32(region.layout);
    w.u32(region.layers);
    w.u8(region.moving ? 1 : 0);
    w.i32(int(region.cells.size()));
    for (const RegionCell& cell : region.cells) {
        w.i32(cell.offset.x);
        w.i32(cell.offset.z);
        CellFields(w, cell);
    }
    w.i32(region.units.size());
    for (int i = 0; i < region.units.size(); ++i) {
        w.i32(region.units.numbers[size_t(i)]);
        UnitFields(w, region.units.records[size_t(i)]);
        w.text(region.unitWings[size_t(i)]);
    }
    WriteRecords(w, region.structures, kStructure);
    WriteRecords(w, region.objectives, kObjective);
    WriteRecords(w, region.mapTexts, kMapText);
    const size_t size = size_t(w.finish(0) - out.data());
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(size));
}

bool DecodeRegion(const QByteArray& bytes, HexRegion& out, QString& why) {
    const auto* begin = reinterpret_cast<const uint8_t*>(bytes.constData());
    StateReader r(begin, begin + bytes.size());
    why = QStringLiteral("The clipboard's hexes are damaged.");
    if (bytes.size() < 9 || !bytes.startsWith(QByteArrayView(kMagic, 8))) {
        why = QStringLiteral("The clipboard holds no hexes.");
        return false;
    }
    r.skip(8);
    uint8_t version = 0;
    r.u8(version);
    if (version != kVersion) {
        why = QStringLiteral("The clipboard's hexes come from another version of fmbattle.");
        return false;
    }
    HexRegion region;
    FixedText<255> setName;
    r.text(setName);
    region.setName = setName.bytes();
    uint8_t moving = 0;
    r.i32(region.layout);
    r.u32(region.layers);
    r.u8(moving);
    region.moving = moving != 0;
    if (!r.ok() || region.layout < LayoutVertical || region.layout > LayoutGrid ||
        (region.layers & ~unsigned(kAllLayers)) != 0 || moving > 1)
        return false;
    const int cells = r.count(kMaxHexes);
    std::set<std::pair<int, int>> offsets;
    CheckedReader checked(r);
    for (int i = 0; i < cells && checked.ok(); ++i) {
        RegionCell cell;
        r.i32(cell.offset.x);
        r.i32(cell.offset.z);
        cell.offset.y = -cell.offset.x - cell.offset.z;
        CellFields(checked, cell);
        if (std::abs(cell.offset.x) > 2 * kMaxMapSide ||
            std::abs(cell.offset.z) > 2 * kMaxMapSide ||
            !offsets.insert({cell.offset.x, cell.offset.z}).second || cell.primaryTerrain < 0)
            return false;
        region.cells.push_back(cell);
    }
    if (!checked.ok() || !ReadRecords(r, region.units, kMaxUnits, kUnit, &region.unitWings) ||
        !ReadRecords(r, region.structures, kMaxStructures, kStructure) ||
        !ReadRecords(r, region.objectives, kMaxObjectives, kObjective) ||
        !ReadRecords(r, region.mapTexts, kMaxMapTexts, kMapText) || !r.ok() || !r.atEnd() ||
        !PositionsHold(region))
        return false;
    out = std::move(region);
    why.clear();
    return true;
}
