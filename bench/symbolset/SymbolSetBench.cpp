// Reading and optimising a full set: 2000 terrain and 2000 unit symbols at 25, 45, 60 pixels.
#include "SetMaintenance.h"
#include "SyntheticSet.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const std::array<int, kLevelCount> kSizes{25, 45, 60};

struct FullSet {
    QTemporaryDir dir;
    SymbolSet set;
    FullSet() {
        const SetResult r = WriteSyntheticSet(dir.path() + "/full.set", kMaxEntries, kMaxEntries,
                                              kSizes, kDefaultRowCapacity, set);
        if (!r.ok)
            qFatal("could not write the benchmark set: %s", qPrintable(r.message));
    }
};

void BM_ReadFullSet(benchmark::State& state) {
    FullSet full;
    for (auto _ : state) {
        SymbolSet set;
        benchmark::DoNotOptimize(set.Read(full.set.setPath).ok);
    }
}
BENCHMARK(BM_ReadFullSet)->Unit(benchmark::kMillisecond);

void BM_OptimiseFullSet(benchmark::State& state) {
    FullSet full;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OptimiseSet(full.set, {true, true, false}).ok);
    }
}
BENCHMARK(BM_OptimiseFullSet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
