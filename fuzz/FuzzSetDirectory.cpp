// A whole symbol set on disk as both programs read it: the ".set", the nine bitmaps
// (of any size or depth) and the ".sdx", each one part of the input.
#include "FuzzFiles.h"
#include "LoadedSymbolSet.h"
#include "SymbolSet.h"
#include "SymbolStorage.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = ScratchFolder();
    static const QStringList suffixes{".set",    "-t1.bmp", "-t2.bmp", "-t3.bmp",
                                      "-u1.bmp", "-u2.bmp", "-u3.bmp", "-m1.bmp",
                                      "-m2.bmp", "-m3.bmp", ".sdx"};
    const QList<QByteArray> parts = SplitParts(data, size, int(suffixes.size()));
    for (int i = 0; i < parts.size(); ++i)
        WriteFile(folder, QStringLiteral("f") + suffixes[i], parts[i]);

    LoadedSymbolSet loaded;
    if (LoadSymbolSet(folder, QStringLiteral("f"), loaded, {})) {
        // Every cell the map view would copy lies inside its picture.
        for (int k = 0; k < kKindCount; ++k)
            for (const SymbolRecord& r : loaded.records[size_t(k)])
                for (int level = 1; level <= kLevelCount; ++level)
                    if (!loaded.picture(KindAt(k), level)
                             .rect()
                             .contains(r.cells[size_t(level - 1)].rect()))
                        std::abort();
    }
    SymbolSet set;
    if (set.Read(folder + QStringLiteral("/f.set")).ok) {
        for (SymbolKind kind : {SymbolKind::Terrain, SymbolKind::Unit}) {
            if (set.count(kind) == 0)
                continue;
            LevelPictures pictures;
            bool transparent = false;
            LoadSymbol(set, kind, 1, pictures, transparent);
        }
    }
    return 0;
}
