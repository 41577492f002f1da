// The map editing commands on the largest battle (150 × 150 hexes, 500 units): a 100-hex
// path stroke laid and recorded as one undo step, the paste of the whole map with every
// layer, the removal of 10 columns, and the overview's full drawing and one-hex update.
// Each figure is the fastest run in the thread's own processor time, and is also given as
// a ratio (x_memcpy) to a plain memcpy of the battle's serialised state timed between the
// runs of the same benchmark: absolute times move with the load of a shared machine.

#include "BattleHistory.h"
#include "HexRegion.h"
#include "LargestBattle.h"
#include "MapResize.h"
#include "OverviewImage.h"
#include "PathLaying.h"
#include "RegionEdits.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>

namespace {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The state bytes of the largest battle and a buffer to copy them into.
struct StateCopy {
    std::vector<uint8_t> bytes, copy;
    explicit StateCopy(const Battle& b) {
        EncodeBattleState(b, bytes);
        copy.resize(bytes.size());
    }
    double Time() {
        const double start = ThreadSeconds();
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
        return ThreadSeconds() - start;
    }
};

// Times `step` per iteration; `reset` runs between iterations, untimed, and so does a
// memcpy of the state after every iteration.
void Measure(benchmark::State& state, const Battle& b, const std::function<void()>& step,
             const std::function<void()>& reset = {}) {
    StateCopy reference(b);
    double fastest = 1e9, fastestCopy = 1e9;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        step();
        benchmark::ClobberMemory();
        const double t = ThreadSeconds() - start;
        state.SetIterationTime(t);
        fastest = std::min(fastest, t);
        state.PauseTiming();
        if (reset)
            reset();
        fastestCopy = std::min(fastestCopy, reference.Time());
        state.ResumeTiming();
    }
    state.counters["fastest_ms"] = fastest * 1e3;
    state.counters["memcpy_ms"] = fastestCopy * 1e3;
    state.counters["x_memcpy"] = fastest / fastestCopy;
    state.counters["state_MB"] = double(reference.bytes.size()) / (1 << 20);
}

// The stock set's names for the path pieces, at the stock numbers; the other symbols of
// the largest battle are plain terrain.
PathFamilies BenchFamilies() {
    std::vector<QByteArray> names(kMaxTerrainAttrs, "Plain");
    const std::pair<const char*, int> families[] = {{"River", 31}, {"Road", 43}};
    for (const auto& [family, first] : families)
        for (int d = 0; d < 6; ++d)
            names[size_t(first + d)] = QByteArray(family) + ' ' + kDirectionNames[size_t(d)];
    for (int a = 0; a < 3; ++a)
        names[size_t(55 + a)] = QByteArray("Bridge ") + kAxisNames[size_t(a)];
    return PathFamilies::Find(names);
}

void BM_PathStroke100Hexes(benchmark::State& state) {
    auto battle = std::make_unique<Battle>(LargestBattle());
    BattleHistory history(*battle);
    const PathFamilies families = BenchFamilies();
    const HexGrid grid = HexGrid::Of(*battle);
    std::vector<int> path;
    // A winding stroke across the middle of the map, 100 hexes long.
    for (int hex : {75 * 150 + 20, 60 * 150 + 60, 80 * 150 + 100, 70 * 150 + 150 - 1})
        ExtendPath(grid, path, hex);
    path.resize(std::min<size_t>(path.size(), 100));
    state.counters["hexes"] = double(path.size());
    const int road = families.FamilyNamed("Road");
    Measure(
        state, *battle,
        [&] {
            history.BeginStep("Draw Path");
            LayPath(*battle, grid, families, road, path,
                    families.families()[size_t(road)].crossing);
            history.EndStep();
        },
        [&] { history.Undo(); });
}
BENCHMARK(BM_PathStroke100Hexes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_PasteWholeMapEveryLayer(benchmark::State& state) {
    const Battle original = LargestBattle();
    std::vector<int> all(size_t(original.hexCount()));
    for (int h = 0; h < original.hexCount(); ++h)
        all[size_t(h)] = h;
    const HexRegion region = CopyRegion(original, all, kAllLayers);
    auto battle = std::make_unique<Battle>(original);
    bool done = true;
    Measure(
        state, *battle, [&] { done = done && PasteRegion(*battle, region, 0, kAllLayers).done; },
        [&] { *battle = original; });
    if (!done)
        state.SkipWithError("the paste was refused");
    state.counters["units"] = battle->unitCount();
}
BENCHMARK(BM_PasteWholeMapEveryLayer)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

void BM_ResizeByTenColumns(benchmark::State& state) {
    const Battle original = LargestBattle();
    auto battle = std::make_unique<Battle>(original);
    Measure(
        state, *battle,
        [&] {
            ApplyResize(*battle, PlanResize(*battle, {-5, -5, 0, 0}));
        },
        [&] { *battle = original; });
}
BENCHMARK(BM_ResizeByTenColumns)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

OverviewColours BenchColours() {
    OverviewColours colours;
    for (int s = 0; s < kMaxTerrainAttrs; ++s)
        colours.terrain.push_back(qRgb(s % 256, (s * 7) % 256, (s * 13) % 256));
    return colours;
}

void BM_OverviewFullDrawing(benchmark::State& state) {
    const Battle battle = LargestBattle();
    const OverviewColours colours = BenchColours();
    OverviewImage overview;
    const int scale = int(state.range(0));
    Measure(state, battle, [&] { overview.Draw(battle, colours, scale); });
}
BENCHMARK(BM_OverviewFullDrawing)->UseManualTime()->Unit(benchmark::kMillisecond)->DenseRange(1, 3);

void BM_OverviewOneHexUpdate(benchmark::State& state) {
    Battle battle = LargestBattle();
    const OverviewColours colours = BenchColours();
    OverviewImage overview;
    overview.Draw(battle, colours, 3);
    int hex = 11250;
    Measure(state, battle, [&] {
        battle.SetTerrainSlot(hex, 0, hex % 400);
        overview.UpdateHex(battle, colours, hex);
        hex = (hex + 151) % battle.hexCount();
    });
}
BENCHMARK(BM_OverviewOneHexUpdate)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
