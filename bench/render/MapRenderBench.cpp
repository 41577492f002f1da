// The map view on a 150 × 150 battle of the stock set: full drawing, scroll steps, the
// single-hex redraw, the hit test and the enlarged showing, at two screen sizes and every
// zoom level. Each figure is also given as a ratio to a plain memcpy of the map buffer
// (counter x_memcpy, fastest operation over fastest copy), timed between the measured
// operations of the same run, because absolute times move from run to run on shared
// machines.

#include "DisplayScale.h"
#include "MapRenderer.h"
#include "StockScenes.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int kMapSide = 150;
const QColor kTable(40, 90, 40);

LoadedSymbolSet& StockSet() {
    static LoadedSymbolSet set;
    return set;
}

struct Scene {
    Battle battle;
    DisplayPrefs prefs;
    MapRenderer renderer{battle, StockSet(), prefs};
    std::vector<char> copy;

    Scene(QSize view, int zoom, SceneDensity density) {
        MakeStockBattle(battle, kMapSide, kMapSide, density);
        battle.settings.zoomLevel = uint8_t(zoom);
        renderer.tableColour = kTable;
        renderer.RebuildMapBuffer(view.width(), view.height(), {});
        // Away from the map's top-left corner, so that every direction can move.
        battle.settings.viewOriginHex = 4 * kMapSide + 4;
        renderer.RenderMap(RenderFull);
        copy.resize(size_t(renderer.buffer().sizeInBytes()));
    }
    // The reference: the whole map buffer copied once.
    void Memcpy() {
        std::memcpy(copy.data(), renderer.buffer().constBits(), copy.size());
        benchmark::ClobberMemory();
    }
};

// The fastest run: other programs on the machine only ever add time.
double Fastest(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

// The thread's own processor time: waiting while other programs run is not counted.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Times `step` per iteration (manual time, in processor time of this thread), with `undo` between
// iterations outside the timing. The memcpy is timed between iterations too: after each of the
// first few, then whenever the operations timed since the last one took as long as a copy.
void Measure(benchmark::State& state, Scene& scene, const std::function<void()>& step,
             const std::function<void()>& undo = {}) {
    std::vector<double> times, copies;
    double sinceCopy = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        step();
        benchmark::ClobberMemory();
        const double t = ThreadSeconds() - start;
        state.SetIterationTime(t);
        times.push_back(t);
        sinceCopy += t;
        if (undo)
            undo();
        if (copies.size() < 5 || sinceCopy >= copies.back()) {
            const double copyStart = ThreadSeconds();
            scene.Memcpy();
            copies.push_back(ThreadSeconds() - copyStart);
            sinceCopy = 0;
        }
    }
    const double copy = Fastest(copies);
    state.counters["x_memcpy"] = copy > 0 ? Fastest(times) / copy : 0.0;
    state.counters["memcpy_ms"] = copy * 1e3;
}

using Op = std::function<void(benchmark::State&, Scene&)>;

std::string Join(std::initializer_list<std::string> parts) {
    std::string all;
    for (const std::string& part : parts)
        all.append(part);
    return all;
}

void Register(const std::string& name, QSize view, int zoom, SceneDensity density, Op op) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [=](benchmark::State& state) {
                                     Scene scene(view, zoom, density);
                                     op(state, scene);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
    const QSize views[] = {{1920, 1080}, {3840, 2160}};
    for (const QSize view : views) {
        for (int zoom = 0; zoom <= 2; ++zoom) {
            const std::string at =
                Join({"/", std::to_string(view.width()), "x", std::to_string(view.height()),
                      "/zoom", std::to_string(zoom)});
            Register(Join({"Memcpy", at}), view, zoom, SceneDensity::Sample,
                     [](benchmark::State& state, Scene& scene) {
                         Measure(state, scene, [&] { scene.Memcpy(); });
                     });
            for (const auto& [density, label] :
                 {std::pair{SceneDensity::Sample, "/sample"},
                  std::pair{SceneDensity::EveryLayer, "/everyLayer"}}) {
                const std::string where = Join({at, label});
                Register(Join({"FullDrawing", where}), view, zoom, density,
                         [](benchmark::State& state, Scene& scene) {
                             Measure(state, scene, [&] { scene.renderer.RenderMap(RenderFull); });
                         });
                const std::pair<const char*, QPoint> steps[] = {{"ScrollRight", {2, 0}},
                                                                {"ScrollLeft", {-2, 0}},
                                                                {"ScrollDown", {0, 2}},
                                                                {"ScrollUp", {0, -2}}};
                for (const auto& [name, d] : steps)
                    Register(Join({name, where}), view, zoom, density,
                             [d](benchmark::State& state, Scene& scene) {
                                 MapRenderer& r = scene.renderer;
                                 const auto move = [&r](QPoint by) {
                                     if (by.x() != 0)
                                         r.ScrollColumns(by.x());
                                     else
                                         r.ScrollRows(by.y());
                                 };
                                 Measure(
                                     state, scene, [&] { move(d); }, [&] { move(-d); });
                             });
                Register(Join({"RedrawHex", where}), view, zoom, density,
                         [](benchmark::State& state, Scene& scene) {
                             // Hexes inside the view in turn, away from its edges.
                             const MapMetrics m = scene.renderer.metrics();
                             const int origin = scene.renderer.originHex();
                             int i = 0;
                             Measure(state, scene, [&] {
                                 const int col = m.col(origin) + 3 + i % 7;
                                 const int row = m.row(origin) + 3 + (i / 7) % 5;
                                 scene.renderer.RedrawHex(m.hexAt(row, col));
                                 ++i;
                             });
                         });
                if (density == SceneDensity::EveryLayer)
                    continue;
                Register(Join({"HexAtPoint", where}), view, zoom, density,
                         [view](benchmark::State& state, Scene& scene) {
                             int sum = 0, i = 0;
                             Measure(state, scene, [&] {
                                 // A thousand points spread over the view.
                                 for (int k = 0; k < 1000; ++k, ++i)
                                     sum += scene.renderer.HexAtPoint((i * 37) % view.width(),
                                                                      (i * 91) % view.height());
                                 benchmark::DoNotOptimize(sum);
                             });
                         });
            }
        }
        // The enlarged showing: the window of this size with the buffer at its fraction.
        for (int scale = 1; scale <= kMaxMapScale; ++scale) {
            const QSize buffer = view / scale;
            const std::string name =
                Join({"ShowView/", std::to_string(view.width()), "x", std::to_string(view.height()),
                      "/scale", std::to_string(scale)});
            Register(name, buffer, 0, SceneDensity::Sample,
                     [scale](benchmark::State& state, Scene& scene) {
                         QImage window;
                         Measure(state, scene, [&] {
                             ScaleView(scene.renderer.buffer(), scene.renderer.viewRect(), scale,
                                       window);
                         });
                     });
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!LoadStockSet(StockSet()))
        return 1;
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
