// fmrender's work on the largest picture: a 150 × 150 battle of the stock set at zoom level
// 2 (5260 × 6473 pixels) drawn and written as PNG. The toolkit's PNG writer, which fmrender
// used before, against the band-parallel encoder at several levels, filters and thread
// counts; then the whole of fmrender's work. Times are wall-clock (the encoder uses every
// processor), each also as a ratio to a plain memcpy of the picture (x_memcpy) timed in the
// same run; cpu_s is the processor time of the whole process. bytes is the file's size and
// x_size its ratio to the toolkit's file.

#include "MapPicture.h"
#include "PictureFile.h"
#include "PngEncoder.h"
#include "StockScenes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kMapSide = 150;

struct Scene {
    LoadedSymbolSet set;
    Battle battle;
    MapPictureOptions options;
    QImage picture;
    std::vector<char> copy;
    qsizetype toolkitBytes = 0;
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double Fastest(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

void Memcpy(Scene& scene) {
    std::memcpy(scene.copy.data(), scene.picture.constBits(), scene.copy.size());
    benchmark::ClobberMemory();
}

QByteArray ToolkitPng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    return bytes;
}

// Times `step` (returning the bytes written) per iteration, with a memcpy of the picture
// after each.
void Measure(benchmark::State& state, const std::function<qsizetype()>& step) {
    Scene& scene = TheScene();
    std::vector<double> times, cpu, copies;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const double wall = Seconds(CLOCK_MONOTONIC);
        const double process = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        bytes = step();
        const double t = Seconds(CLOCK_MONOTONIC) - wall;
        cpu.push_back(Seconds(CLOCK_PROCESS_CPUTIME_ID) - process);
        state.SetIterationTime(t);
        times.push_back(t);
        const double copyStart = Seconds(CLOCK_MONOTONIC);
        Memcpy(scene);
        copies.push_back(Seconds(CLOCK_MONOTONIC) - copyStart);
    }
    const double copy = Fastest(copies);
    state.counters["x_memcpy"] = copy > 0 ? Fastest(times) / copy : 0.0;
    state.counters["memcpy_ms"] = copy * 1e3;
    state.counters["cpu_s"] = Fastest(cpu);
    if (bytes > 0) {
        state.counters["bytes"] = double(bytes);
        state.counters["x_size"] = double(bytes) / double(scene.toolkitBytes);
    }
}

void Register(const std::string& name, const std::function<qsizetype()>& step) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [step](benchmark::State& state) { Measure(state, step); })
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
    Register("Memcpy/zoom2", [] {
        Memcpy(TheScene());
        return qsizetype(0);
    });
    Register("Render/zoom2", [] {
        Scene& s = TheScene();
        return RenderMapPicture(s.battle, s.set, s.options).picture.isNull() ? -1 : 0;
    });
    Register("ToolkitPng/zoom2", [] { return ToolkitPng(TheScene().picture).size(); });
    const std::pair<PngFilter, const char*> filters[] = {
        {PngFilter::None, "none"}, {PngFilter::Sub, "sub"}, {PngFilter::Up, "up"}};
    for (const auto& [filter, label] : filters)
        for (int level : {1, 2, 3})
            for (int threads : {1, 2}) {
                const PngSettings settings{.level = level, .filter = filter, .threads = threads};
                Register("EncodePng/" + std::string(label) + "/level" + std::to_string(level) +
                             "/threads" + std::to_string(threads),
                         [settings] { return EncodePng(TheScene().picture, settings).size(); });
            }
    // Everything fmrender did before once the battle was read: draw the whole picture, then
    // write it with the toolkit's PNG writer (as the editor's export did too).
    Register("Before/RenderAndSaveMapPicture/zoom2", [] {
        Scene& s = TheScene();
        static QTemporaryDir dir;
        const MapPicture drawn = RenderMapPicture(s.battle, s.set, s.options);
        const QString path = dir.filePath("map.png");
        if (!QImageWriter(path, "png").write(drawn.picture))
            return qsizetype(-1);
        return qsizetype(QFileInfo(path).size());
    });
    // Everything fmrender does now once the battle is read: draw, encode, write the file.
    Register("After/DrawAndWritePng/zoom2", [] {
        Scene& s = TheScene();
        static QTemporaryDir dir;
        QString error;
        const QByteArray png =
            DrawPictureFile(s.battle, s.set, s.options, PictureFormat::Png, error);
        if (png.isEmpty() || !WritePictureFile(png, dir.filePath("map.png")).isEmpty())
            return qsizetype(-1);
        return png.size();
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Scene& scene = TheScene();
    if (!LoadStockSet(scene.set))
        return 1;
    MakeStockBattle(scene.battle, kMapSide, kMapSide, SceneDensity::Sample);
    scene.options.zoom = 2;
    scene.options.tableColour = QColor(40, 90, 40);
    scene.picture = RenderMapPicture(scene.battle, scene.set, scene.options).picture;
    scene.copy.resize(size_t(scene.picture.sizeInBytes()));
    scene.toolkitBytes = ToolkitPng(scene.picture).size();
    // The encoder's file must be the picture, pixel for pixel (a picture larger than the
    // toolkit reads by default).
    QImageReader::setAllocationLimit(0);
    QImage back;
    QString error;
    back.loadFromData(
        DrawPictureFile(scene.battle, scene.set, scene.options, PictureFormat::Png, error), "png");
    if (back.convertToFormat(QImage::Format_RGB32) != scene.picture) {
        std::fprintf(stderr, "the encoded picture differs from the drawn one\n");
        return 1;
    }
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
