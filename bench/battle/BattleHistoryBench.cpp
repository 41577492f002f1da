// The undo history on the largest battle: what a step costs in memory, and how long undo
// and redo take, each also against a plain copy of the serialised battle in the same run.

#include "BattleHistory.h"
#include "LargestBattle.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// The battle and its history on the heap, so that a step's heap growth can be measured.
struct Editor {
    std::unique_ptr<Battle> battle = std::make_unique<Battle>(LargestBattle());
    BattleHistory history{*battle};
};

void PlacePrimary(Editor& e, int hex, int symbol) {
    e.history.BeginStep("Place Primary Terrain");
    e.battle->SetTerrainSlot(hex, 0, symbol);
    e.history.EndStep();
}

void FillPrimary(Editor& e, int symbol) {
    e.history.BeginStep("Fill Primary Terrain");
    for (int h = 0; h < e.battle->hexCount(); ++h)
        e.battle->SetTerrainSlot(h, 0, symbol);
    e.history.EndStep();
}

void SetCounters(benchmark::State& state, const Editor& e, size_t heapBefore, int steps) {
    state.counters["steps"] = e.history.stepCount();
    state.counters["history_bytes_per_step"] = double(e.history.historyBytes()) / steps;
    state.counters["heap_bytes_per_step"] = double(HeapInUse() - heapBefore) / steps;
}

// One click of "Place Primary Terrain" on a hex near the end of the map.
void BM_HistorySingleHexStep(benchmark::State& state) {
    Editor e;
    const size_t heapBefore = HeapInUse();
    int steps = 0;
    for (auto _ : state) {
        PlacePrimary(e, 22400 + steps % 100, 1 + steps % 400);
        ++steps;
    }
    SetCounters(state, e, heapBefore, steps);
}
BENCHMARK(BM_HistorySingleHexStep)->Unit(benchmark::kMillisecond)->Iterations(500);

// A fill of the whole map with one primary terrain.
void BM_HistoryFillStep(benchmark::State& state) {
    Editor e;
    const size_t heapBefore = HeapInUse();
    int steps = 0;
    for (auto _ : state) {
        FillPrimary(e, 600 + steps % 2);
        ++steps;
    }
    SetCounters(state, e, heapBefore, steps);
}
BENCHMARK(BM_HistoryFillStep)->Unit(benchmark::kMillisecond)->Iterations(40);

// 10 000 single-hex steps on random hexes, all kept.
void BM_History10000HexSteps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Editor e;
        std::mt19937 rng(1);
        const size_t heapBefore = HeapInUse();
        state.ResumeTiming();
        for (int i = 0; i < 10000; ++i)
            PlacePrimary(e, int(rng() % 22500), int(rng() % 500));
        state.counters["steps"] = e.history.stepCount();
        state.counters["history_MB"] = double(e.history.historyBytes()) / (1 << 20);
        state.counters["heap_MB"] = double(HeapInUse() - heapBefore) / (1 << 20);
    }
}
BENCHMARK(BM_History10000HexSteps)->Unit(benchmark::kSecond)->Iterations(1);

// The thread's processor time in milliseconds: the machine is shared, so wall time
// includes waits for other programs.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Undo and redo of the step made by `edit`, timed one by one, beside a memcpy of the
// serialised battle (the same number of bytes) in the same run.
template <class Edit> void UndoRedo(benchmark::State& state, Edit edit) {
    Editor e;
    edit(e);
    std::vector<uint8_t> bytes;
    EncodeBattleState(*e.battle, bytes);
    std::vector<uint8_t> copy(bytes.size());
    double undo = 0, redo = 0, copying = 0, undoWall = 0, redoWall = 0;
    for (auto _ : state) {
        const auto w0 = Clock::now();
        const double t0 = CpuMs();
        e.history.Undo();
        const double t1 = CpuMs();
        const auto w1 = Clock::now();
        e.history.Redo();
        const double t2 = CpuMs();
        const auto w2 = Clock::now();
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        const double t3 = CpuMs();
        undo += t1 - t0;
        redo += t2 - t1;
        copying += t3 - t2;
        undoWall += std::chrono::duration<double, std::milli>(w1 - w0).count();
        redoWall += std::chrono::duration<double, std::milli>(w2 - w1).count();
    }
    const double n = double(state.iterations());
    state.counters["undo_cpu_ms"] = undo / n;
    state.counters["redo_cpu_ms"] = redo / n;
    state.counters["undo_wall_ms"] = undoWall / n;
    state.counters["redo_wall_ms"] = redoWall / n;
    state.counters["memcpy_cpu_ms"] = copying / n;
    state.counters["undo_per_memcpy"] = benchmark::Counter(undo / copying);
    state.counters["redo_per_memcpy"] = benchmark::Counter(redo / copying);
    state.counters["state_bytes"] = double(bytes.size());
}

void BM_UndoRedoFillStep(benchmark::State& state) {
    UndoRedo(state, [](Editor& e) { FillPrimary(e, 600); });
}
BENCHMARK(BM_UndoRedoFillStep)->Unit(benchmark::kMillisecond);

// "Unit Changes" on one unit in the middle of the table.
void BM_UndoRedoUnitStep(benchmark::State& state) {
    UndoRedo(state, [](Editor& e) {
        e.history.BeginStep("Unit Changes");
        UnitRecord u = e.battle->unit(250);
        u.men += 7;
        u.name = "Renamed Unit";
        e.battle->UpdateUnit(250, u);
        e.history.EndStep();
    });
}
BENCHMARK(BM_UndoRedoUnitStep)->Unit(benchmark::kMillisecond);

// Cutting the first unit, which renumbers every other unit and its hex.
void BM_UndoRedoCutFirstUnit(benchmark::State& state) {
    UndoRedo(state, [](Editor& e) {
        e.history.BeginStep("Cut Unit");
        e.battle->DeleteUnit(1);
        e.history.EndStep();
    });
}
BENCHMARK(BM_UndoRedoCutFirstUnit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
