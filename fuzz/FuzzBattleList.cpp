// "battle.lst", the list of recent battles, and recording a battle in it.
#include "BattleList.h"
#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = ScratchFolder();
    WriteFile(folder, QStringLiteral("battle.lst"),
              QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    WriteFile(folder, QStringLiteral("a.scn"), "x");
    QStringList list = LoadBattleList(folder);
    if (list.size() > kMaxRecentBattles)
        std::abort();
    RecordInBattleList(list, folder + QStringLiteral("/a.scn"), folder, {});
    if (list.isEmpty() || list.size() > kMaxRecentBattles)
        std::abort();
    return 0;
}
