// The battle checker on the largest battle, as the editor runs it after every edit. The
// time is also given as a ratio to a plain memcpy of the battle's state (the bytes the undo
// history keeps of it), timed between the checks of the same run.

#include "BattleCheck.h"
#include "BattleState.h"
#include "LargestBattle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>

namespace {

// The thread's own processor time: waiting while other programs run is not counted.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// 500 terrain symbols: the path families of the standard set, so that the largest battle's
// secondary terrain holds many path pieces, then plain ground.
SymbolSetSummary LargestSet() {
    SymbolSetSummary set;
    set.terrainCount = kMaxTerrainAttrs;
    set.unitCount = 16;
    const char* families[] = {"River", "Stream", "Road", "Track", "Wall", "Palisade"};
    const char* directions[] = {"North", "North-East", "South-East",
                                "South", "South-West", "North-West"};
    for (const char* family : families)
        for (const char* direction : directions)
            set.terrainNames.push_back(QByteArray(family) + ' ' + direction);
    while (int(set.terrainNames.size()) < set.terrainCount)
        set.terrainNames.push_back("Ground " + QByteArray::number(int(set.terrainNames.size())));
    set.cellWidth = {15, 30, 45};
    for (size_t z = 0; z < 3; ++z) {
        set.columnStep[z] = set.cellWidth[z] * 4 / 5 - 1;
        set.rowStep[z] = set.cellWidth[z] - 2;
    }
    return set;
}

Definitions BenchDefinitions() {
    Definitions d;
    d.missileWeapons = {{"None", 0, 0, 0, 0, 0}, {"Bow", 5, 8, 30, 1, 2}};
    d.combatWeapons = {{"Spear", 6, 8, 30}};
    d.armour = {{"None", 0, 0}};
    d.shields = {{"None", 0, 0}};
    d.classes = StandardUnitClasses();
    return d;
}

void BM_CheckLargestBattle(benchmark::State& state) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("icons");
    QFile(folder.filePath("icons/sword.bmp")).open(QIODevice::WriteOnly);
    const Battle battle = LargestBattle();
    const SymbolSetSummary set = LargestSet();
    const Definitions defs = BenchDefinitions();
    std::vector<uint8_t> bytes;
    EncodeBattleState(battle, bytes);
    std::vector<uint8_t> copy(bytes.size());
    std::vector<double> checks, copies;
    size_t problems = 0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        const auto found = CheckBattle(battle, set, defs, folder.path());
        benchmark::DoNotOptimize(found.data());
        const double t1 = ThreadSeconds();
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        const double t2 = ThreadSeconds();
        state.SetIterationTime(t1 - t0);
        checks.push_back(t1 - t0);
        copies.push_back(t2 - t1);
        problems = found.size();
    }
    // The fastest of each: other programs on the machine only ever add time.
    const double check = *std::min_element(checks.begin(), checks.end());
    const double memcpy = *std::min_element(copies.begin(), copies.end());
    state.counters["check_ms"] = check * 1e3;
    state.counters["memcpy_ms"] = memcpy * 1e3;
    state.counters["x_memcpy"] = memcpy > 0 ? check / memcpy : 0.0;
    state.counters["state_bytes"] = double(bytes.size());
    state.counters["problems"] = double(problems);
}
BENCHMARK(BM_CheckLargestBattle)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
