// "fmsymbol.prf", the symbol editor's preferences: whatever it holds, the colour read is
// one the editor can use, and a damaged file is replaced by the default.
#include "ColourRules.h"
#include "FuzzFiles.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = ScratchFolder();
    WriteFile(folder, QStringLiteral("fmsymbol.prf"),
              QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QRgb colour = ReadTransparentColour(folder);
    if (qAlpha(colour) != 255)
        std::abort();
    // What was read (or the default written in its place) reads back the same.
    if (ReadTransparentColour(folder) != colour)
        std::abort();
    return 0;
}
