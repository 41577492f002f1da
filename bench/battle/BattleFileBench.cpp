// Writing and reading the largest battle the editor can hold.

#include "BattleFile.h"
#include "LargestBattle.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Definitions BenchDefinitions() {
    Definitions d;
    d.combatWeapons = {{"Spear", 6, 8, 30}};
    d.classes = StandardUnitClasses();
    return d;
}

void BM_WriteLargestBattle(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("largest.scn");
    Battle b = LargestBattle();
    const Definitions defs = BenchDefinitions();
    for (auto _ : state) {
        if (!WriteBattleFile(path, b, defs, kMaxTerrainAttrs, nullptr))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteLargestBattle)->Unit(benchmark::kMillisecond);

void BM_ReadLargestBattle(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("largest.scn");
    Battle b = LargestBattle();
    if (!WriteBattleFile(path, b, BenchDefinitions(), kMaxTerrainAttrs, nullptr)) {
        state.SkipWithError("write failed");
        return;
    }
    Battle read;
    for (auto _ : state) {
        if (!ReadBattleFile(path, read, nullptr))
            state.SkipWithError("read failed");
    }
    state.counters["units"] = read.unitCount();
}
BENCHMARK(BM_ReadLargestBattle)->Unit(benchmark::kMillisecond);

void BM_EncodeLargestBattle(benchmark::State& state) {
    const Battle b = LargestBattle();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeBattle(b, 1, kMaxTerrainAttrs));
}
BENCHMARK(BM_EncodeLargestBattle)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
