// Runs one write of a set and ends the process with SIGKILL before step `kill` of the
// switch (-1: never), as a crash or a power cut would. Prints the number of steps taken.
//   fm_set_switch_driver <operation> <folder> <kill>
// Operations: optimise, store, remove, saveas (test.set over other.set), new.
#include "SetMaintenance.h"
#include "SetSwitch.h"
#include "SetWriteScope.h"
#include "SymbolStorage.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>

namespace {

SetResult Run(const QString& operation, const QString& folder) {
    SymbolSet set;
    if (operation == "new")
        return CreateNewSet(set, folder, LayoutVertical, true, {5, 15, 25});
    if (SetResult r = set.Read(folder + "/test.set"); !r)
        return r;
    if (operation == "optimise")
        return OptimiseSet(set, {true, true, true});
    if (operation == "remove")
        return RemoveSymbol(set, SymbolKind::Terrain, 2);
    LevelPictures pictures;
    bool transparent = false;
    if (SetResult r = LoadSymbol(set, SymbolKind::Unit, 1, pictures, transparent); !r)
        return r;
    for (QImage& picture : pictures) {
        picture.fill(qRgb(200, 30, 30));
        picture.setPixel(0, 0, qRgb(0, 0, 0)); // transparent: the symbol gets a mask
    }
    if (operation == "store")
        return StoreSymbol(set, SymbolKind::Unit, 1, pictures, true);
    if (operation == "saveas") {
        // As the editor saves as: the copy and the open symbol in one write.
        SetWriteScope write(set);
        if (SetResult r = SaveSetTo(set, set.setPath, folder + "/other.set"); !r)
            return r;
        if (SetResult r = StoreSymbol(set, SymbolKind::Unit, 1, pictures, true); !r)
            return r;
        return write.Commit();
    }
    return SetResult::Failure("unknown operation " + operation);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const int kill = QByteArray(argv[3]).toInt();
    int steps = 0;
    SetSwitchStepHook([&](int step) {
        if (step == kill)
            std::raise(SIGKILL);
        steps = step + 1;
    });
    const SetResult result = Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return 1;
    }
    std::printf("steps %d\n", steps);
    return 0;
}
